// Tests of the object search: the worked examples, the edge cases and the decisions over the
// algorithm.
#include "obraz.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A filled disc of radius r around (cx, cy); returns its pixel count.
int Disc(Image& im, int cx, int cy, int r) {
    int n = 0;
    for (int y = cy - r; y <= cy + r; ++y) {
        for (int x = cx - r; x <= cx + r; ++x) {
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) {
                Fill(im, x, y, x, y);
                ++n;
            }
        }
    }
    return n;
}

TEST(WorkedExample, UShapeIsOneObjectAtThreeQuartersFill) {
    Image u = FromArt({"##..##", "##..##", "##..##", "######"});
    EXPECT_EQ(Search(u, 2, 1, 75), (V{{2, 1, 0, 0, 5, 3}}));
    EXPECT_EQ(Search(u, 2, 1, 76), V{});
}

TEST(EdgeCases, FilledSquare) {
    Image im = Blank(100, 100);
    Fill(im, 20, 30, 29, 39);
    EXPECT_EQ(Search(im, 2, 5, 70), (V{{24, 34, 20, 30, 29, 39}}));
    EXPECT_EQ(Search(im, 2, 10, 100), (V{{24, 34, 20, 30, 29, 39}}));
    EXPECT_EQ(Search(im, 2, 11, 0), V{});
}

TEST(EdgeCases, DiscAndTriangleFillThresholds) {
    Image disc = Blank(100, 100);
    ASSERT_EQ(Disc(disc, 50, 40, 10), 317);
    EXPECT_EQ(Search(disc, 2, 5, 70), (V{{50, 40, 40, 30, 60, 50}}));
    EXPECT_EQ(Search(disc, 2, 5, 75), V{});

    Image tri = Blank(60, 60);
    for (int i = 0; i < 20; ++i) {
        Fill(tri, 10, 10 + i, 10 + i, 10 + i);
    }
    EXPECT_EQ(Search(tri, 2, 5, 50), (V{{19, 19, 10, 10, 29, 29}}));
    EXPECT_EQ(Search(tri, 2, 5, 55), V{});
}

TEST(EdgeCases, ResultOrderFollowsSeeds) {
    Image im = Blank(100, 100);
    Fill(im, 20, 30, 29, 39);
    Fill(im, 50, 20, 59, 29);
    EXPECT_EQ(Search(im, 2, 5, 70), (V{{54, 24, 50, 20, 59, 29}, {24, 34, 20, 30, 29, 39}}));

    Image same = Blank(100, 100);
    Fill(same, 60, 30, 69, 39);
    Fill(same, 20, 30, 29, 39);
    EXPECT_EQ(Search(same, 2, 5, 70), (V{{24, 34, 20, 30, 29, 39}, {64, 34, 60, 30, 69, 39}}));
}

TEST(EdgeCases, WindowIsLeftOutIncludingRightAndBottomEdges) {
    Image im = Blank(100, 100);
    Fill(im, 20, 30, 29, 39);
    EXPECT_EQ(Search(im, 2, 5, 70, RECT{25, 0, 40, 99}), (V{{22, 34, 20, 30, 24, 39}}));
    // Right column 24 and bottom row 35 of the window still belong to it.
    EXPECT_EQ(Search(im, 2, 1, 0, RECT{0, 0, 24, 99}), (V{{27, 34, 25, 30, 29, 39}}));
    EXPECT_EQ(Search(im, 2, 1, 0, RECT{0, 0, 99, 35}), (V{{24, 37, 20, 36, 29, 39}}));
    EXPECT_EQ(Search(im, 2, 1, 0, RECT{-50, -50, 500, 500}), V{});
}

TEST(EdgeCases, LinesOnePixelThick) {
    Image h = Blank(50, 20);
    Fill(h, 5, 10, 40, 10);
    EXPECT_EQ(Search(h, 2, 0, 0), V{});

    Image v = Blank(50, 40);
    Fill(v, 0, 10, 0, 30);
    EXPECT_EQ(Search(v, 2, 1, 100), (V{{0, 20, 0, 10, 0, 30}}));
    EXPECT_EQ(Search(v, 2, 0, 100), (V{{0, 20, 0, 10, 0, 30}}));
    EXPECT_EQ(Search(v, 2, 2, 0), V{});
}

TEST(EdgeCases, GreyBandAndExactChannels) {
    Image im = Blank(50, 50);
    Fill(im, 10, 10, 19, 19, 0x3F3F3F);
    EXPECT_EQ(Search(im, 1, 5, 70), (V{{14, 14, 10, 10, 19, 19}}));
    EXPECT_EQ(Search(im, 2, 5, 70), V{});

    Image dot = Blank(50, 50);
    Fill(dot, 10, 10, 19, 19);
    Fill(dot, 15, 15, 15, 15, 0x414040); // RGB(64, 64, 65)
    EXPECT_EQ(Search(dot, 2, 5, 99), (V{{14, 14, 10, 10, 19, 19}}));
    EXPECT_EQ(Search(dot, 2, 5, 100), V{});
}

TEST(EdgeCases, BandSevenIncludesWhiteAndLargeSettingsWrap) {
    Image white = Blank(8, 6);
    EXPECT_EQ(Search(white, 7, 1, 100), (V{{3, 2, 0, 0, 7, 5}}));
    // 32 * setting is taken modulo 256: 8 is band 0, the largest setting is band 7.
    Image im = Blank(30, 30, 0x808080);
    Fill(im, 2, 2, 6, 6, 0x050505);
    Fill(im, 20, 20, 24, 24, 0xE6E6E6);
    EXPECT_EQ(Search(im, 8, 1, 0), (V{{4, 4, 2, 2, 6, 6}}));
    EXPECT_EQ(Search(im, 0xFFFFFFFFu, 1, 0), (V{{22, 22, 20, 20, 24, 24}}));
    EXPECT_EQ(Search(im, 3, 1, 0), V{});
    EXPECT_EQ(Search(im, 4, 1, 0), (V{{14, 14, 0, 0, 29, 29}})); // the background itself
}

TEST(EdgeCases, UAndNShapesAreOneObjectEach) {
    Image u = FromArt({".........", ".##...##.", ".##...##.", ".#######.", "........."});
    EXPECT_EQ(Search(u, 2, 1, 0), (V{{4, 2, 1, 1, 7, 3}}));
    Image n = FromArt({".........", ".#######.", ".##...##.", ".##...##.", "........."});
    EXPECT_EQ(Search(n, 2, 1, 0), (V{{4, 2, 1, 1, 7, 3}}));
}

TEST(EdgeCases, ObjectsAtTheEdgesOfTheTable) {
    Image im = Blank(40, 30);
    Fill(im, 0, 0, 9, 9);
    Fill(im, 30, 20, 39, 29); // bottom row is the table's last row and the list's end
    EXPECT_EQ(Search(im, 2, 5, 70), (V{{4, 4, 0, 0, 9, 9}, {34, 24, 30, 20, 39, 29}}));
}

TEST(EdgeCases, NothingFoundLeavesResultsUntouched) {
    Image im = Blank(30, 30);
    POINT c[2] = {{11, 12}, {13, 14}};
    RECT b[2] = {{1, 2, 3, 4}, {5, 6, 7, 8}};
    EXPECT_EQ(HladajObjekty(im.px.data(), im.w, im.w, im.h, kNoWindow, 2, 1, 0, c, b, 2), 0);
    EXPECT_EQ(c[0].x, 11);
    EXPECT_EQ(c[1].y, 14);
    EXPECT_EQ(b[0].left, 1);
    EXPECT_EQ(b[1].bottom, 8);
}

TEST(EdgeCases, ObjectEndingAtAGapIsClosedBeforeTheRowsBelow) {
    Image im = FromArt({"###....", "###....", ".......", "....###", "....###", "###...."});
    EXPECT_EQ(Search(im, 2, 1, 0), (V{{1, 0, 0, 0, 2, 1}, {5, 3, 4, 3, 6, 4}}));
}

TEST(EdgeCases, RunsBesideTheGrowingRowStayForLaterObjects) {
    // The right block shares rows with the left one but never overlaps its range.
    Image im = FromArt({"##....", "##..##", "##..##", "....##"});
    EXPECT_EQ(Search(im, 2, 1, 0), (V{{0, 1, 0, 0, 1, 2}, {4, 2, 4, 1, 5, 3}}));
}

TEST(EdgeCases, DiagonalTouchIsNoOverlap) {
    Image im = FromArt({"##....", "##....", "..##..", "..##.."});
    EXPECT_EQ(Search(im, 2, 1, 0), (V{{0, 0, 0, 0, 1, 1}, {2, 2, 2, 2, 3, 3}}));
}

TEST(EdgeCases, ClosingPassStopsAtARowThatDoesNotJoin) {
    // The stem joins the legs' range across their gap going down, but the legs do not overlap
    // the stem going up: the first object is the stem with the seed's row as its top, and the
    // bar with its legs is found again in the next cycle.
    Image im = FromArt({"#######", "##...##", "...#...", "...#..."});
    EXPECT_EQ(Search(im, 2, 1, 0), (V{{3, 1, 3, 0, 3, 3}, {3, 0, 0, 0, 6, 1}}));
}

TEST(FillTest, BoundaryIsRecorded) {
    // 55 pixels in a 10 x 10 box: exactly 55 percent.
    Image im = Blank(20, 20);
    Fill(im, 0, 0, 9, 4);
    Fill(im, 0, 5, 0, 9);
    EXPECT_EQ(Search(im, 2, 1, 55), (V{{4, 4, 0, 0, 9, 9}}));
    EXPECT_EQ(Search(im, 2, 1, 56), V{});
}

TEST(Decisions, SeedRowIsRetriedWhenTheNextRowIsTheLast) {
    // A block two rows high beside an earlier run on the same row, at the end of the list.
    Image im = FromArt({"#....#####", ".....#####"});
    EXPECT_EQ(Search(im, 2, 1, 0), (V{{7, 0, 5, 0, 9, 1}}));
}

TEST(Decisions, SeedRowIsRetriedBeforeAGap) {
    Image im = FromArt({"#....#####", ".....#####", "..........", "###.......", "###......."});
    EXPECT_EQ(Search(im, 2, 1, 100), (V{{7, 0, 5, 0, 9, 1}, {1, 3, 0, 3, 2, 4}}));
}

TEST(Decisions, SkipCountSparesPointsOfLaterObjects) {
    // The closing pass takes the run at (1, 0) in front of the seed (5, 0); the full square
    // below must keep all its 9 pixels.
    Image im = FromArt({".#...#", "#..###", "######", "......", "###...", "###...", "###..."});
    EXPECT_EQ(Search(im, 2, 1, 100), (V{{1, 5, 0, 4, 2, 6}}));
    EXPECT_EQ(Search(im, 2, 1, 66), (V{{2, 1, 0, 0, 5, 2}, {1, 5, 0, 4, 2, 6}}));
    EXPECT_EQ(Search(im, 2, 1, 67), (V{{1, 5, 0, 4, 2, 6}}));
}

TEST(Decisions, RowAboveTheTopJoiningLateMovesTheTop) {
    // (3, 0) joins across the gap of row 1 only in the closing pass.
    Image im = FromArt({"...#...", "##...##", "#######"});
    EXPECT_EQ(Search(im, 2, 1, 0), (V{{3, 1, 0, 0, 6, 2}}));
    // 12 of 21 pixels: the box is three rows high, so 57 % passes and 58 % fails.
    EXPECT_EQ(Search(im, 2, 1, 57).size(), 1u);
    EXPECT_EQ(Search(im, 2, 1, 58).size(), 0u);
    // Only the run that joins sets the range, not column -1.
    Image off = FromArt({".....#.", "##...##", "#######"});
    EXPECT_EQ(Search(off, 2, 1, 0), (V{{3, 1, 0, 0, 6, 2}}));
}

TEST(Capacity, NeverRecordsMoreThanTheArraysHold) {
    Image im = Blank(100, 20);
    for (int i = 0; i < 5; ++i) {
        Fill(im, 2 + 20 * i, 2, 11 + 20 * i, 11);
    }
    EXPECT_EQ(Search(im, 2, 1, 0).size(), 5u);
    POINT c[4] = {};
    RECT b[4] = {};
    c[3] = POINT{-5, -5};
    EXPECT_EQ(HladajObjekty(im.px.data(), im.w, im.w, im.h, kNoWindow, 2, 1, 0, c, b, 3), 3);
    EXPECT_EQ(c[2].x, 46);
    EXPECT_EQ(c[3].x, -5);
    EXPECT_EQ(HladajObjekty(im.px.data(), im.w, im.w, im.h, kNoWindow, 2, 1, 0, c, b, 0), 0);
}

TEST(Table, StrideLongerThanWidthAndBadTables) {
    // Entries past the width of each row are not part of the screen.
    Image im = Blank(30, 10);
    Fill(im, 20, 0, 29, 9);
    Fill(im, 2, 2, 5, 5);
    POINT c[4];
    RECT b[4];
    EXPECT_EQ(HladajObjekty(im.px.data(), 30, 20, 10, kNoWindow, 2, 1, 0, c, b, 4), 1);
    EXPECT_EQ(b[0].right, 5);
    EXPECT_EQ(HladajObjekty(im.px.data(), 19, 20, 10, kNoWindow, 2, 1, 0, c, b, 4), -1);
    EXPECT_EQ(HladajObjekty(nullptr, 20, 20, 10, kNoWindow, 2, 1, 0, c, b, 4), -1);
    EXPECT_EQ(HladajObjekty(im.px.data(), 30, 0, 10, kNoWindow, 2, 1, 0, c, b, 4), 0);
}

TEST(Table, SizeChangesBetweenSearches) {
    Image small = Blank(20, 10);
    Fill(small, 1, 1, 5, 5);
    Image large = Blank(300, 200);
    Fill(large, 250, 150, 280, 190);
    Image wide = Blank(10, 20);
    Fill(wide, 2, 12, 8, 18);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Search(small, 2, 1, 0), (V{{3, 3, 1, 1, 5, 5}}));
        EXPECT_EQ(Search(large, 2, 1, 0), (V{{265, 170, 250, 150, 280, 190}}));
        EXPECT_EQ(Search(small, 2, 1, 0), (V{{3, 3, 1, 1, 5, 5}}));
        EXPECT_EQ(Search(wide, 2, 1, 0), (V{{5, 15, 2, 12, 8, 18}}));
    }
}

// Shapes where the run view and the point list are easy to get apart.
TEST(ModelCrossCheck, TrickyShapes) {
    const std::vector<std::vector<std::string>> shapes = {
        {"##..##", "##..##", "##..##", "######"},
        {".#...#", "#..###", "######", "......", "###...", "###...", "###..."},
        {"...#...", "##...##", "#######"},
        {"#.#.#.#", "#######", "#.#.#.#", "#######"},
        {"#....#####", ".....#####", "..........", "###.......", "###......."},
        {"..#..#..", ".######.", "#......#", "########"},
        {"##.##.##", ".#..#..#", "########", "#......#", "#.####.#"},
        {"#.#", ".#.", "#.#", ".#.", "###"},
        {"....##", "##..##", "######", "##....", "##..##", "######"},
    };
    for (const auto& s : shapes) {
        Image im = FromArt(s);
        for (int fill : {0, 50, 70, 100}) {
            EXPECT_EQ(Search(im, 2, 1, fill), ModelSearch(im, 2, 1, fill, kNoWindow))
                << "shape starting " << s[0] << " fill " << fill;
        }
    }
}

TEST(ModelCrossCheck, RandomTablesWithWindows) {
    std::mt19937 gen(12345);
    for (int t = 0; t < 1500; ++t) {
        const int w = 1 + static_cast<int>(gen() % 14);
        const int h = 1 + static_cast<int>(gen() % 12);
        const unsigned density = 20 + gen() % 60;
        Image im = Blank(w, h);
        for (COLORREF& p : im.px) {
            if (gen() % 100 < density) {
                p = 0x404040 + 0x010101 * (gen() % 40); // some greys fall outside band 2
            }
        }
        RECT win = kNoWindow;
        if (gen() % 3 == 0) {
            const int l = static_cast<int>(gen() % (w + 4)) - 2;
            const int tp = static_cast<int>(gen() % (h + 4)) - 2;
            win = RECT{l, tp, l + static_cast<int>(gen() % 5), tp + static_cast<int>(gen() % 5)};
        }
        const int min_size = static_cast<int>(gen() % 3);
        const int fill = static_cast<int>(gen() % 101);
        const V got = Search(im, 2, min_size, fill, win);
        ASSERT_EQ(got, ModelSearch(im, 2, min_size, fill, win)) << "case " << t;
        for (const Found& f : got) {
            EXPECT_GE(f[2], 0);
            EXPECT_LE(f[4], w - 1);
            EXPECT_GE(f[3], 0);
            EXPECT_LE(f[5], h - 1);
        }
    }
}

} // namespace
