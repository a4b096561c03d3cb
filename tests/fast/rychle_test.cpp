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
        // clang-format off
        {1, 0, "#....|.#...|..#..|...#.|....#", {"", "0,0,0,0 1,1,1,1 2,2,2,2 3,3,3,3 4,4,4,4", "0,0,4,4"}},
        {2, 50, "##..|##..|..##|..##", {"0,0,1,1 2,2,3,3", "0,0,1,1 2,2,3,3", "0,0,3,3"}},
        {3, 50, "#############|#.....#.....#|#.###.#.###.#|#.###.#.###.#|#.###.#.###.#|#.....#.....#|"
                "#############", {"0,0,12,6", "2,2,4,4 8,2,10,4", "2,2,4,4 8,2,10,4"}},
        {2, 60, "########|#......#|#.####.#|#.####.#|#......#|########", {"0,0,7,5", "2,2,5,3", "2,2,5,3"}},
        {2, 0, ".....##|##...##|##.###.|..##...", {"2,0,6,3 0,1,1,2", "2,0,6,3 0,1,1,2", "0,0,6,3"}},
        // clang-format on
    };
    for (const auto& p : pripady) {
        const Image im = Art(p.obraz);
        for (int i = 0; i < 3; i++) {
            std::string boxy;
            for (const auto& r : Search(im, 2, p.minVelkost, p.percento, kNoWindow, i * 4))
                boxy += (boxy.empty() ? "" : " ") + std::to_string(r[2]) + "," +
                        std::to_string(r[3]) + "," + std::to_string(r[4]) + "," +
                        std::to_string(r[5]);
            EXPECT_EQ(boxy, p.boxy[i]) << p.obraz << " " << i * 4;
        }
        EXPECT_TRUE(
            Zhoda(Obrazovka{im.w, im.h, im.w, im.px}, kNoWindow, 2, p.minVelkost, p.percento, 100));
    }
}

// A run reached only at its far end, across a word; a snake of 1-px strokes over 32 words that
// needs a pass per turn, more than filling may take before the runs are labelled after all.
TEST(RychleHladanie, LongRunsAndSnakes) {
    for (int had = 0; had < 2; had++) {
        Obrazovka o{2048, 6, 2048, std::vector<COLORREF>(2048 * 6, 0xFFFFFF)};
        for (int x = 0; x < 2048; x++)
            for (int y = 0; y < 6; y++)
                if (had ? x % 16 == 0 || (y == 0 && x % 32 < 16) || (y == 5 && x % 32 >= 16)
                        : (y == 1 && x < 100) || (y == 0 && x == 99))
                    o.farby[y * 2048 + x] = 0x505050;
        EXPECT_TRUE(Zhoda(o, kNoWindow, 2, 1, 0, 1000, {4, 8})) << had;
    }
}
