// The fast search against the plain one on seeded random screens of every kind, and on screens
// that tell the groupings apart.
#include "tests/fast/porovnanie.h"
#include "tests/search/obraz.h"

#include <gtest/gtest.h>

TEST(RychleHladanie, AgreesWithThePlainSearchOnEveryKindOfScreen) {
    for (const int* d : kDruhy)
        for (int semeno = d[0]; semeno < d[0] + d[1]; semeno++) {
            g.seed(semeno);
            ASSERT_TRUE(ZhodaNaNahodnej(d)) << "seed " << semeno;
        }
}

// A diagonal chain, squares meeting at a corner, buttons with a 1-px border in a panel of their
// grey, a hollow frame around a block, a shape whose first pixel lies a row above the other's:
// the boxes found by rows, 4 and 8.
TEST(RychleHladanie, GroupingsTellObjectsApart) {
    const struct {
        int minVelkost, percento;
        std::string obraz, boxy[3];
    } pripady[] = {
        // clang-format off
        {1, 0, "#....|.#...|..#..|...#.|....#", {"", "0,0,0,0 1,1,1,1 2,2,2,2 3,3,3,3 4,4,4,4 ", "0,0,4,4 "}},
        {2, 50, "##..|##..|..##|..##", {"0,0,1,1 2,2,3,3 ", "0,0,1,1 2,2,3,3 ", "0,0,3,3 "}},
        {3, 50, "#############|#.....#.....#|#.###.#.###.#|#.###.#.###.#|#.###.#.###.#|#.....#.....#|"
                "#############", {"0,0,12,6 ", "2,2,4,4 8,2,10,4 ", "2,2,4,4 8,2,10,4 "}},
        {2, 60, "########|#......#|#.####.#|#.####.#|#......#|########", {"0,0,7,5 ", "2,2,5,3 ", "2,2,5,3 "}},
        {2, 0, ".....##|##...##|##.###.|..##...", {"2,0,6,3 0,1,1,2 ", "2,0,6,3 0,1,1,2 ", "0,0,6,3 "}},
        // clang-format on
    };
    for (const auto& p : pripady) {
        const Image im = Art(p.obraz);
        for (int i = 0; i < 3; i++) {
            std::string boxy;
            for (const auto& r : Search(im, 2, p.minVelkost, p.percento, kNoWindow, i * 4))
                for (int k = 2; k < 6; k++)
                    boxy += std::to_string(r[k]) + (k < 5 ? "," : " ");
            EXPECT_EQ(boxy, p.boxy[i]) << p.obraz << " " << i * 4;
        }
        EXPECT_TRUE(Zhoda({im.w, im.h, im.w, im.px}, kNoWindow, 2, p.minVelkost, p.percento, 100));
    }
}
