// The search subsystem: the search's worked examples, edge cases and decisions, the number files
// byte for byte, the result arrays.
#include "obraz.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

// Radius 10 around (50, 40), and a right triangle with legs of 20 at (10, 10).
Image Disc(bool triangle) {
    std::vector<std::vector<int>> rows;
    for (int y = -10; y < (triangle ? 10 : 11); ++y) {
        const int r = static_cast<int>(std::sqrt(100.0 - y * y));
        rows.push_back(triangle ? std::vector<int>{10, 20 + y, 20 + y, 20 + y}
                                : std::vector<int>{50 - r, 40 + y, 50 + r, 40 + y});
    }
    return Boxes(100, 100, rows);
}

// Band 1 and, inside a band-2 square, one pixel of another colour.
Image Greys(int odd) {
    return Boxes(50, 50, {{30, 30, 39, 39}, {10, 10, 19, 19, 0x3F3F3F}, {35, 35, 35, 35, odd}});
}

struct Case {
    const char* what;
    Image im;
    int min_size, fill;
    V want;
    RECT window = kNoWindow;
    unsigned band = 2;
};

TEST(Search, ExamplesAndEdgeCases) {
    const Image u = Art("##..##|##..##|##..##|######"), sq = Boxes(100, 100, {{20, 30, 29, 39}});
    const Image fifty_five = Boxes(20, 20, {{0, 0, 9, 4}, {0, 5, 0, 9}}); // 55 of 100 pixels
    const Image column = Boxes(50, 40, {{0, 10, 0, 30}});
    const Image skip = Art(".#...#|#..###|######|......|###...|###...|###...");
    const Image late = Art("...#...|##...##|#######"),
                unreached = Art("##########|##......##|........#.");
    const V s = {{24, 34, 20, 30, 29, 39}};
    // clang-format off
    const Case cases[] = {
        {"U at three quarters", u, 1, 75, {{2, 1, 0, 0, 5, 3}}},
        {"U below its fill", u, 1, 76, {}},
        {"n shape", Art("#######|##...##|##...##"), 1, 0, {{3, 1, 0, 0, 6, 2}}},
        {"square at its size", sq, 10, 100, s},
        {"square below the size", sq, 11, 0, {}},
        {"too low", Boxes(30, 30, {{0, 0, 20, 3}}), 5, 0, {}},
        {"disc", Disc(false), 5, 70, {{50, 40, 40, 30, 60, 50}}},
        {"disc below its fill", Disc(false), 5, 75, {}},
        {"triangle", Disc(true), 5, 50, {{19, 19, 10, 10, 29, 29}}},
        {"fill boundary", fifty_five, 1, 55, {{4, 4, 0, 0, 9, 9}}},
        {"past the fill boundary", fifty_five, 1, 56, {}},
        {"window cuts the square", sq, 5, 70, {{22, 34, 20, 30, 24, 39}}, {25, 0, 40, 99}},
        {"window's right column", sq, 1, 0, {{27, 34, 25, 30, 29, 39}}, {0, 0, 24, 99}},
        {"window's bottom row", sq, 1, 0, {{24, 37, 20, 36, 29, 39}}, {0, 0, 99, 35}},
        {"window over everything", sq, 1, 0, {}, {-50, -50, 500, 500}},
        {"empty window", sq, 1, 0, s, {30, 0, 20, 99}},
        {"order of seeds", Boxes(100, 100, {{20, 30, 29, 39}, {50, 20, 59, 29}, {65, 30, 74, 39}}), 5, 70,
         {{54, 24, 50, 20, 59, 29}, s[0], {69, 34, 65, 30, 74, 39}}},
        {"corners", Boxes(40, 30, {{0, 0, 9, 9}, {30, 20, 39, 29}}), 5, 70, {{4, 4, 0, 0, 9, 9}, {34, 24, 30, 20, 39, 29}}},
        {"one-row line never seeds", Boxes(50, 20, {{5, 10, 40, 10}}), 0, 0, {}},
        {"one-column line", column, 1, 100, {{0, 20, 0, 10, 0, 30}}},
        {"one-column line below the size", column, 2, 0, {}},
        {"band 1", Greys(0x404040), 5, 70, {{14, 14, 10, 10, 19, 19}}, kNoWindow, 1},
        {"off-grey pixel left out", Greys(0x414040), 5, 99, {{34, 34, 30, 30, 39, 39}}},
        {"off-grey pixel costs the full fill", Greys(0x414040), 5, 100, {}},
        {"a top byte is no grey", Greys(0x1404040), 5, 100, {}},
        {"setting 8 is band 0", Boxes(30, 30, {{2, 2, 6, 6, 0x050505}, {20, 20, 24, 24, 0xFFFFFF}}, 0x808080), 1, 0, {{4, 4, 2, 2, 6, 6}}, kNoWindow, 8},
        {"largest setting is band 7", Boxes(30, 30, {{2, 2, 6, 6, 0x050505}, {20, 20, 24, 24, 0xFFFFFF}}, 0x808080), 1, 0, {{22, 22, 20, 20, 24, 24}}, kNoWindow, 0xFFFFFFFFu},
        {"band 4 starts at 128", Boxes(30, 30, {{2, 2, 6, 6, 0x050505}, {20, 20, 24, 24, 0xFFFFFF}}, 0x808080), 1, 0, {{14, 14, 0, 0, 29, 29}}, kNoWindow, 4},
        {"gap closes the object", Art("###....|###....|.......|....###|....###|###...."), 1, 0, {{1, 0, 0, 0, 2, 1}, {5, 3, 4, 3, 6, 4}}},
        {"runs beside the range wait", Art("##....|##..##|##..##|....##"), 1, 0, {{0, 1, 0, 0, 1, 2}, {4, 2, 4, 1, 5, 3}}},
        {"diagonal touch", Art("##....|##....|..##..|..##.."), 1, 0, {{0, 0, 0, 0, 1, 1}, {2, 2, 2, 2, 3, 3}}},
        // (1, 0) is within the box, not within the row's range.
        {"closing against the row's range", Art(".#|#.|##"), 1, 0, {{0, 1, 0, 1, 1, 2}}},
        // The legs miss the stem going up: the bar is found again in the next cycle.
        {"closing pass stops", Art("#######|##...##|...#...|...#..."), 1, 0, {{3, 1, 3, 0, 3, 3}, {3, 0, 0, 0, 6, 1}}},
        {"retry at a gap", Art("#....#####|.....#####|..........|###.......|###......."), 1, 100, {{7, 0, 5, 0, 9, 1}, {1, 3, 0, 3, 2, 4}}},
        // The closing pass takes (1, 0), in front of the seed (5, 0); the square below keeps its 9.
        {"skip count, 100 %", skip, 1, 100, {{1, 5, 0, 4, 2, 6}}},
        {"skip count, 66 %", skip, 1, 66, {{2, 1, 0, 0, 5, 2}, {1, 5, 0, 4, 2, 6}}},
        {"skip count, 67 %", skip, 1, 67, {{1, 5, 0, 4, 2, 6}}},
        // (1, 0) leaves with the first seed (3, 0) before the second object's closing pass.
        {"runs in front of the seed", Art(".#.##|#.#.#|###.#"), 1, 0, {{3, 1, 3, 0, 4, 2}, {1, 1, 0, 1, 2, 2}}},
        // (3, 0) joins across the gap of row 1 only in the closing pass and moves the top: 12 of 21.
        {"late row above the top", late, 1, 57, {{3, 1, 0, 0, 6, 2}}},
        {"late row in a 3-row box", late, 1, 58, {}},
        {"late run sets its own range", Art(".....#.|##...##|#######"), 1, 0, {{3, 1, 0, 0, 6, 2}}},
        // Row 1's left run joins going down, not going back up: 13 of 30 pixels counted.
        {"runs the closing pass misses", unreached, 1, 43, {{4, 1, 0, 0, 9, 2}}},
        {"runs the closing pass misses, 44 %", unreached, 1, 44, {}},
        {"blob cut short is found twice", Art("##########|#........#|.....#...."), 0, 0, {{5, 1, 5, 0, 5, 2}, {4, 0, 0, 0, 9, 1}}},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Search(c.im, c.band, c.min_size, c.fill, c.window), c.want) << c.what;
}

// Entries past the count are left alone; a stride longer than the width; bad tables.
TEST(Search, DirectCallsKeepToTheirTablesAndArrays) {
    POINT c[4] = {{11, 12}, {13, 14}, {-5, -5}};
    RECT b[4] = {{1, 2, 3, 4}};
    const Image im =
        Boxes(100, 20, {{2, 2, 11, 11}, {22, 2, 31, 11}, {42, 2, 51, 11}, {62, 2, 71, 11}});
    const COLORREF* px = im.px.data();
    EXPECT_EQ(HladajObjekty(Blank(30, 30).px.data(), 30, 30, 30, kNoWindow, 2, 1, 0, 0, c, b, 2),
              0);
    EXPECT_TRUE(c[0].x == 11 && b[0].bottom == 4);
    EXPECT_EQ(HladajObjekty(px, 100, 100, 20, kNoWindow, 2, 1, 0, 0, c, b, 2), 2);
    EXPECT_TRUE(c[1].x == 26 && c[2].x == -5);
    EXPECT_EQ(HladajObjekty(px, 100, 100, 20, kNoWindow, 2, 1, 0, 0, c, b, 0), 0);
    EXPECT_EQ(HladajObjekty(px, 100, 40, 20, kNoWindow, 2, 1, 0, 0, c, b, 4), 2);
    EXPECT_EQ(b[1].right, 31);
    for (int sp : {0, 4, 8}) { // in every grouping
        EXPECT_EQ(HladajObjekty(px, 39, 40, 20, kNoWindow, 2, 1, 0, sp, c, b, 4), -1);
        EXPECT_EQ(HladajObjekty(nullptr, 40, 40, 20, kNoWindow, 2, 1, 0, sp, c, b, 4), -1);
        EXPECT_EQ(HladajObjekty(px, 100, 0, 20, kNoWindow, 2, 1, 0, sp, c, b, 4), 0);
    }
}

TEST(NumberFiles, WritersLayOutTheirBytes) {
    const std::string p = testing::TempDir() + "zornavit-" + std::to_string(getpid()) + "-";
    const auto P = [&](int i) { return p + std::to_string(i); };
    const POINT c[10] = {{24, 34}, {-1, 7}, {2, -2}, {3, -3}, {4, -4},
                         {5, -5},  {6, -6}, {7, -7}, {8, -8}, {9, -9}};
    const DWORD farby[8] = {0, 1, 2, 3, 4, 5, 6, 0x00FFFFFF};
    const int hodnoty[3] = {7, -2, 0};
    // clang-format off
    const std::pair<bool, std::string> pripady[] = {
        {PointPoleDoTxt(P(0).c_str(), c, 2) == 1, "24,34\r\n-1,7\r\n"},
        {PointPoleDoTxt(P(1).c_str(), c, 0) == 1, ""},
        {PointPoleCiselDoTXT(P(2).c_str(), "w", c, 10) == 1, "{24,34}, {-1,7}, {2,-2}, {3,-3}, {4,-4}, {5,-5}, {6,-6}, {7,-7}, {8,-8}, {9,-9}, \n\n"},
        {CislaFariebDoTXT(P(3).c_str(), "w", farby, 8) == 1, "0,  \n1,  2,  3,  4,  5,  6,  \n16777215,  \n"},
        {PoleCiselDoTXT(P(4).c_str(), "w", hodnoty, 3) == 1, "7, -2, 0, \n"},
        {CislaDoTXT(P(5).c_str(), "w", 42) && CislaDoTXT(P(5).c_str(), "a", -3) && CislaDoTXT(P(5).c_str(), "a", 0), "42, 0, "},
        {CislaDoBIN(P(6).c_str(), "wb", 0x01020304) && CislaDoBIN(P(6).c_str(), "ab", -1), "\4\3\2\1"},
        {CislaFariebDoBIN(P(7).c_str(), "wb", farby + 6, 2) == 2, std::string("\6\0\0\0\xFF\xFF\xFF\0", 8)},
    };
    // clang-format on
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(std::make_pair(true, ReadFile(P(i))), pripady[i]) << i;
    DWORD spat[4] = {9, 9, 9, 9};
    EXPECT_EQ(CislaFariebZ_BIN(P(7).c_str(), spat, 4) * 10 +
                  CislaFariebZ_BIN(P(7).c_str(), spat + 3, 1),
              21);
    EXPECT_EQ(std::vector<DWORD>(spat, spat + 4), (std::vector<DWORD>{6, 0xFFFFFF, 9, 6}));
    EXPECT_EQ(CislaFariebZ_BIN(P(8).c_str(), spat, 4), 0);
    // A whole file into an array with 10 spare slots; a trailing partial value is not counted.
    std::FILE* f = std::fopen(P(8).c_str(), "wb");
    std::fwrite("\5\0\0\0\0\0\0\x80\7\0\0\0\1", 1, 13, f);
    std::fclose(f);
    int n = -1;
    const int* pole = CislaZoSuboruDoPola(P(8).c_str(), "rb", &n);
    ASSERT_NE(pole, nullptr);
    EXPECT_EQ(std::vector<int>(pole, pole + 13),
              (std::vector<int>{5, INT_MIN, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(n, 3);
    EXPECT_TRUE(CislaZoSuboruDoPola(P(9).c_str(), "rb", &n) == nullptr && n == 0);
    for (int i = 0; i < 9; i++)
        std::remove(P(i).c_str());
    // Failures: a missing directory; a device that accepts the open but fails every write.
    EXPECT_EQ(PointPoleDoTxt((p + "d/Stredy.txt").c_str(), c, 1) +
                  PointPoleDoTxt("/dev/full", c, 1) + CislaFariebDoBIN("/dev/full", "wb", farby, 2),
              0);
}

TEST(Allocators, ZeroFilledForTheCurrentDesktopWithAMargin) {
    int n[3] = {};
    NastavVelkostDesktopu(640, 480);
    const POINT* body = AlokaciaDsktPointPola(&n[0]);
    NastavVelkostDesktopu(800, 600);
    const RECT* boxy = AlokaciaDsktRectPola(&n[1]);
    const double* cisla = AlokaciaDsktDoublePola(&n[2]);
    EXPECT_EQ(std::vector<int>(n, n + 3), (std::vector<int>{645 * 485, 805 * 605, 805 * 605}));
    EXPECT_TRUE(body[n[0] - 1].y == 0 && boxy[n[1] - 1].bottom == 0 && cisla[n[2] - 1] == 0.0);
}

} // namespace
