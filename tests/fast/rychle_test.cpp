// The fast search against the plain one on seeded random screens of every kind, and on screens
// that tell the groupings apart.
#include "tests/fast/porovnanie.h"
#include "tests/search/obraz.h"

#include <gtest/gtest.h>

TEST(RychleHladanie, AgreesWithThePlainSearchOnEveryKindOfScreen) {
    for (const Druh& d : kDruhy)
        for (unsigned semeno = d.semeno; semeno < d.semeno + d.pocet; semeno++) {
            g.seed(semeno);
            ASSERT_TRUE(ZhodaNaNahodnej(d)) << "seed " << semeno;
        }
}

// Screens that tell the groupings apart: a diagonal chain, squares meeting at a corner, buttons
// with a 1-px border in a panel of their grey, a hollow frame around a block, a shape whose first
// pixel lies a row above the other's. Per grouping (rows, 4, 8) the boxes found, in order.
TEST(RychleHladanie, GroupingsTellObjectsApart) {
    const struct {
        int minVelkost, percento;
        std::string obraz;   // rows separated by '|'
        const char* boxy[3]; // by rows, 4, 8
    } pripady[] = {
        {1,
         0,
         "#....|.#...|..#..|...#.|....#",
         {"", "0,0,0,0 1,1,1,1 2,2,2,2 3,3,3,3 4,4,4,4", "0,0,4,4"}},
        {2, 50, "##..|##..|..##|..##", {"0,0,1,1 2,2,3,3", "0,0,1,1 2,2,3,3", "0,0,3,3"}},
        {3,
         50,
         "#############|#.....#.....#|#.###.#.###.#|#.###.#.###.#|#.###.#.###.#|#.....#.....#|#####"
         "########",
         {"0,0,12,6", "2,2,4,4 8,2,10,4", "2,2,4,4 8,2,10,4"}},
        {2,
         60,
         "########|#......#|#.####.#|#.####.#|#......#|########",
         {"0,0,7,5", "2,2,5,3", "2,2,5,3"}},
        {2,
         0,
         ".....##|##...##|##.###.|..##...",
         {"2,0,6,3 0,1,1,2", "2,0,6,3 0,1,1,2", "0,0,6,3"}},
    };
    for (const auto& p : pripady) {
        const Image im = Art(p.obraz);
        for (int i = 0; i < 3; i++) {
            POINT s[100];
            RECT b[100];
            std::string boxy;
            for (int j = 0, n = HladajObjekty(im.px.data(), im.w, im.w, im.h, kNoWindow, 2,
                                              p.minVelkost, p.percento, i * 4, s, b, 100);
                 j < n; j++)
                boxy += (j ? " " : "") + std::to_string(b[j].left) + "," +
                        std::to_string(b[j].top) + "," + std::to_string(b[j].right) + "," +
                        std::to_string(b[j].bottom);
            EXPECT_EQ(boxy, p.boxy[i]) << p.obraz << " " << i * 4;
        }
        EXPECT_TRUE(
            Zhoda(Obrazovka{im.w, im.h, im.w, im.px}, kNoWindow, 2, p.minVelkost, p.percento, 100));
    }
}
