// Tests of the object search: the worked examples, the edge cases and the decisions over the
// algorithm.
#include "obraz.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Radius 10 around (50, 40).
Image Disc() {
    Image im = Blank(100, 100);
    for (int y = -10; y <= 10; ++y) {
        const int r = static_cast<int>(std::sqrt(100.0 - y * y));
        Fill(im, 50 - r, 40 + y, 50 + r, 40 + y);
    }
    return im;
}

Image Triangle() {
    Image im = Blank(60, 60);
    for (int i = 0; i < 20; ++i) {
        Fill(im, 10, 10 + i, 10 + i, 10 + i);
    }
    return im;
}

// Band 1 and an off-grey pixel RGB(64, 64, 65) inside a band-2 square.
Image Greys() {
    Image im = Blank(50, 50);
    Fill(im, 10, 10, 19, 19, 0x3F3F3F);
    Fill(im, 30, 30, 39, 39);
    Fill(im, 35, 35, 35, 35, 0x414040);
    return im;
}

// A background of band 4 with a band-0 square and a white one.
Image BandEnds() {
    Image im = Blank(30, 30, 0x808080);
    Fill(im, 2, 2, 6, 6, 0x050505);
    Fill(im, 20, 20, 24, 24, kWhite);
    return im;
}

struct Case {
    const char* what;
    Image im;
    unsigned band;
    int min_size;
    int fill;
    V want;
    RECT window = kNoWindow;
};

TEST(Search, ExamplesAndEdgeCases) {
    const Image u = FromArt({"##..##", "##..##", "##..##", "######"});
    const Image n = FromArt({"#######", "##...##", "##...##"});
    const Image square = Boxes(100, 100, {{20, 30, 29, 39}});
    const Image three = Boxes(100, 100, {{20, 30, 29, 39}, {50, 20, 59, 29}, {65, 30, 74, 39}});
    const Image corners = Boxes(40, 30, {{0, 0, 9, 9}, {30, 20, 39, 29}});
    const Image fifty_five = Boxes(20, 20, {{0, 0, 9, 4}, {0, 5, 0, 9}}); // 55 of 100 pixels
    const Image row = Boxes(50, 20, {{5, 10, 40, 10}});
    const Image column = Boxes(50, 40, {{0, 10, 0, 30}});
    const Image gap = FromArt({"###....", "###....", ".......", "....###", "....###", "###...."});
    const Image beside = FromArt({"##....", "##..##", "##..##", "....##"});
    const Image diagonal = FromArt({"##....", "##....", "..##..", "..##.."});
    const Image step = FromArt({".#", "#.", "##"}); // (1, 0) is within the box, not the row's range
    // The legs do not overlap the stem going up: the stem ends at the seed's row and the bar
    // with its legs is found again in the next cycle.
    const Image stem = FromArt({"#######", "##...##", "...#...", "...#..."});
    const Image retry = FromArt({"#....#####", ".....#####"});
    const Image retry_gap =
        FromArt({"#....#####", ".....#####", "..........", "###.......", "###......."});
    // The closing pass takes (1, 0), in front of the seed (5, 0); the square below keeps all its
    // 9 pixels.
    const Image skip =
        FromArt({".#...#", "#..###", "######", "......", "###...", "###...", "###..."});
    // (1, 0) stands in front of the first seed (3, 0) and leaves with it, before the closing pass
    // of the second object could take it.
    const Image front = FromArt({".#.##", "#.#.#", "###.#"});
    // (3, 0) joins across the gap of row 1 only in the closing pass and moves the top: 12 of 21.
    const Image late = FromArt({"...#...", "##...##", "#######"});
    const Image late_off = FromArt({".....#.", "##...##", "#######"});
    const V sq = {{24, 34, 20, 30, 29, 39}};
    const Case cases[] = {
        {"U at three quarters", u, 2, 1, 75, {{2, 1, 0, 0, 5, 3}}},
        {"U below its fill", u, 2, 1, 76, {}},
        {"N shape", n, 2, 1, 0, {{3, 1, 0, 0, 6, 2}}},
        {"square at its size", square, 2, 10, 100, sq},
        {"square below the size", square, 2, 11, 0, {}},
        {"disc", Disc(), 2, 5, 70, {{50, 40, 40, 30, 60, 50}}},
        {"disc below its fill", Disc(), 2, 5, 75, {}},
        {"triangle", Triangle(), 2, 5, 50, {{19, 19, 10, 10, 29, 29}}},
        {"triangle below its fill", Triangle(), 2, 5, 55, {}},
        {"fill boundary", fifty_five, 2, 1, 55, {{4, 4, 0, 0, 9, 9}}},
        {"past the fill boundary", fifty_five, 2, 1, 56, {}},
        {"window cuts the square", square, 2, 5, 70, {{22, 34, 20, 30, 24, 39}}, {25, 0, 40, 99}},
        {"window's right column", square, 2, 1, 0, {{27, 34, 25, 30, 29, 39}}, {0, 0, 24, 99}},
        {"window's bottom row", square, 2, 1, 0, {{24, 37, 20, 36, 29, 39}}, {0, 0, 99, 35}},
        {"window over everything", square, 2, 1, 0, {}, {-50, -50, 500, 500}},
        {"order of seeds",
         three,
         2,
         5,
         70,
         {{54, 24, 50, 20, 59, 29}, sq[0], {69, 34, 65, 30, 74, 39}}},
        {"corners", corners, 2, 5, 70, {{4, 4, 0, 0, 9, 9}, {34, 24, 30, 20, 39, 29}}},
        {"one-row line never seeds", row, 2, 0, 0, {}},
        {"one-column line", column, 2, 1, 100, {{0, 20, 0, 10, 0, 30}}},
        {"one-column line below the size", column, 2, 2, 0, {}},
        {"band 1", Greys(), 1, 5, 70, {{14, 14, 10, 10, 19, 19}}},
        {"off-grey pixel left out", Greys(), 2, 5, 99, {{34, 34, 30, 30, 39, 39}}},
        {"off-grey pixel costs the full fill", Greys(), 2, 5, 100, {}},
        {"setting 8 is band 0", BandEnds(), 8, 1, 0, {{4, 4, 2, 2, 6, 6}}},
        {"largest setting is band 7", BandEnds(), 0xFFFFFFFFu, 1, 0, {{22, 22, 20, 20, 24, 24}}},
        {"band 4 starts at 128", BandEnds(), 4, 1, 0, {{14, 14, 0, 0, 29, 29}}},
        {"gap closes the object", gap, 2, 1, 0, {{1, 0, 0, 0, 2, 1}, {5, 3, 4, 3, 6, 4}}},
        {"runs beside the range wait", beside, 2, 1, 0, {{0, 1, 0, 0, 1, 2}, {4, 2, 4, 1, 5, 3}}},
        {"diagonal touch", diagonal, 2, 1, 0, {{0, 0, 0, 0, 1, 1}, {2, 2, 2, 2, 3, 3}}},
        {"closing against the row's range", step, 2, 1, 0, {{0, 1, 0, 1, 1, 2}}},
        {"closing pass stops", stem, 2, 1, 0, {{3, 1, 3, 0, 3, 3}, {3, 0, 0, 0, 6, 1}}},
        {"retry at the end", retry, 2, 1, 0, {{7, 0, 5, 0, 9, 1}}},
        {"retry at a gap", retry_gap, 2, 1, 100, {{7, 0, 5, 0, 9, 1}, {1, 3, 0, 3, 2, 4}}},
        {"skip count, 100 %", skip, 2, 1, 100, {{1, 5, 0, 4, 2, 6}}},
        {"skip count, 66 %", skip, 2, 1, 66, {{2, 1, 0, 0, 5, 2}, {1, 5, 0, 4, 2, 6}}},
        {"skip count, 67 %", skip, 2, 1, 67, {{1, 5, 0, 4, 2, 6}}},
        {"runs in front of the seed", front, 2, 1, 0, {{3, 1, 3, 0, 4, 2}, {1, 1, 0, 1, 2, 2}}},
        {"late row above the top", late, 2, 1, 57, {{3, 1, 0, 0, 6, 2}}},
        {"late row in a 3-row box", late, 2, 1, 58, {}},
        {"late run sets its own range", late_off, 2, 1, 0, {{3, 1, 0, 0, 6, 2}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Search(c.im, c.band, c.min_size, c.fill, c.window), c.want) << c.what;
    }
}

TEST(Search, DirectCallsKeepToTheirTablesAndArrays) {
    POINT c[4] = {{11, 12}, {13, 14}, {-5, -5}};
    RECT b[4] = {{1, 2, 3, 4}};
    const Image blank = Blank(30, 30);
    EXPECT_EQ(HladajObjekty(blank.px.data(), 30, 30, 30, kNoWindow, 2, 1, 0, 0, c, b, 2), 0);
    EXPECT_EQ(c[0].x, 11);
    EXPECT_EQ(b[0].bottom, 4);
    // Four squares, room for two records.
    const Image im =
        Boxes(100, 20, {{2, 2, 11, 11}, {22, 2, 31, 11}, {42, 2, 51, 11}, {62, 2, 71, 11}});
    EXPECT_EQ(HladajObjekty(im.px.data(), 100, 100, 20, kNoWindow, 2, 1, 0, 0, c, b, 2), 2);
    EXPECT_EQ(c[1].x, 26);
    EXPECT_EQ(c[2].x, -5);
    EXPECT_EQ(HladajObjekty(im.px.data(), 100, 100, 20, kNoWindow, 2, 1, 0, 0, c, b, 0), 0);
    // A stride longer than the width: the entries past it are not part of the screen.
    EXPECT_EQ(HladajObjekty(im.px.data(), 100, 40, 20, kNoWindow, 2, 1, 0, 0, c, b, 4), 2);
    EXPECT_EQ(b[1].right, 31);
    EXPECT_EQ(HladajObjekty(im.px.data(), 39, 40, 20, kNoWindow, 2, 1, 0, 0, c, b, 4), -1);
    EXPECT_EQ(HladajObjekty(nullptr, 40, 40, 20, kNoWindow, 2, 1, 0, 0, c, b, 4), -1);
    EXPECT_EQ(HladajObjekty(im.px.data(), 100, 0, 20, kNoWindow, 2, 1, 0, 0, c, b, 4), 0);
}

TEST(Search, TablesFollowTheSizeFromSearchToSearch) {
    const std::pair<Image, V> tables[] = {
        {Boxes(20, 10, {{1, 1, 5, 5}}), {{3, 3, 1, 1, 5, 5}}},
        {Boxes(300, 200, {{250, 150, 280, 190}}), {{265, 170, 250, 150, 280, 190}}},
        {Boxes(10, 20, {{2, 12, 8, 18}}), {{5, 15, 2, 12, 8, 18}}}};
    for (int i : {0, 1, 0, 2, 0, 1, 0, 2}) {
        EXPECT_EQ(Search(tables[i].first), tables[i].second) << "table " << i;
    }
}

} // namespace
