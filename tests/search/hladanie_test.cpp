// The search's worked examples, edge cases and decisions; the fast search against the plain one on
// random screens of every kind; the results grown with what is found; the number files; the arrays.
#include "base/stav.h"
#include "keys/klavesy.h"
#include "search/ciselne_subory.h"
#include "search/desktop.h"
#include "search/hladanie.h"
#include "tests/fast/porovnanie.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

// 4 x 4 squares of the colours, 6 pixels apart on a white row of 128 (the vector copies' words);
// and what a search finds of the squares at the indices given.
static Obrazovka Squares(const std::vector<COLORREF>& colours) {
    std::vector<std::vector<int>> boxes;
    for (size_t i = 0; i < colours.size(); ++i)
        boxes.push_back({6 * static_cast<int>(i), 1, 6 * static_cast<int>(i) + 3, 4,
                         static_cast<int>(colours[i])});
    return Boxes(128, 6, boxes);
}
static V Found(const std::vector<int>& indices) {
    V v;
    for (int i : indices)
        v.push_back({6 * i + 1, 2, 6 * i, 1, 6 * i + 3, 4});
    return v;
}

TEST(Search, ExamplesAndEdgeCases) {
    // clang-format off
    struct Case { const char* what; Obrazovka im; int min_size, fill; V want; RECT window = kNoWindow; Odtien shade = {2}; };
    const Obrazovka u = Art("##..##|##..##|##..##|######"), sq = Boxes(100, 100, {{20, 30, 29, 39}});
    const Obrazovka column = Boxes(50, 40, {{0, 10, 0, 30}});
    const Obrazovka skip = Art(".#...#|#..###|######|......|###...|###...|###...");
    const Obrazovka late = Art("...#...|##...##|#######"), unreached = Art("##########|##......##|........#.");
    const Obrazovka bands = Boxes(30, 30, {{2, 2, 6, 6, 0x050505}, {20, 20, 24, 24, 0xFFFFFF}}, 0x808080);
    const V s = {{24, 34, 20, 30, 29, 39}};
    // Band 1 and, inside a band-2 square, one pixel of another colour.
    const std::vector<int> b1 = {10, 10, 19, 19, 0x3F3F3F}, b2 = {30, 30, 39, 39};
    const Case cases[] = {
        {"U at three quarters", u, 1, 75, {{2, 1, 0, 0, 5, 3}}}, {"U below its fill", u, 1, 76, {}},
        {"square at its size", sq, 10, 100, s}, {"square below the size", sq, 11, 0, {}},
        {"window cuts the square", sq, 5, 70, {{22, 34, 20, 30, 24, 39}}, {25, 0, 40, 99}},
        {"window's right column", sq, 1, 0, {{27, 34, 25, 30, 29, 39}}, {0, 0, 24, 99}},
        {"window's bottom row", sq, 1, 0, {{24, 37, 20, 36, 29, 39}}, {0, 0, 99, 35}}, {"empty window", sq, 1, 0, s, {30, 0, 20, 99}},
        {"order of seeds", Boxes(100, 100, {{20, 30, 29, 39}, {50, 20, 59, 29}, {65, 30, 74, 39}}), 5, 70, {{54, 24, 50, 20, 59, 29}, s[0], {69, 34, 65, 30, 74, 39}}},
        {"one-row line never seeds", Boxes(50, 20, {{5, 10, 40, 10}}), 0, 0, {}}, {"one-column line", column, 1, 100, {{0, 20, 0, 10, 0, 30}}},
        {"band 1", Boxes(50, 50, {b2, b1, {35, 35, 35, 35, 0x404040}}), 5, 70, {{14, 14, 10, 10, 19, 19}}, kNoWindow, {1}},
        {"off-grey pixel costs the full fill", Boxes(50, 50, {b2, b1, {35, 35, 35, 35, 0x414040}}), 5, 100, {}}, {"a top byte is no grey", Boxes(50, 50, {b2, b1, {35, 35, 35, 35, 0x1404040}}), 5, 100, {}},
        {"setting 8 is band 0", bands, 1, 0, {{4, 4, 2, 2, 6, 6}}, kNoWindow, {8}}, {"band 4 starts at 128", bands, 1, 0, {{14, 14, 0, 0, 29, 29}}, kNoWindow, {4}},
        {"gap closes the object", Art("###....|###....|.......|....###|....###|###...."), 1, 0, {{1, 0, 0, 0, 2, 1}, {5, 3, 4, 3, 6, 4}}},
        {"diagonal touch", Art("##....|##....|..##..|..##.."), 1, 0, {{0, 0, 0, 0, 1, 1}, {2, 2, 2, 2, 3, 3}}},
        // (1, 0) is within the box, not within the row's range.
        {"closing against the row's range", Art(".#|#.|##"), 1, 0, {{0, 1, 0, 1, 1, 2}}},
        // The legs miss the stem going up: the bar is found again in the next cycle.
        {"closing pass stops", Art("#######|##...##|...#...|...#..."), 1, 0, {{3, 1, 3, 0, 3, 3}, {3, 0, 0, 0, 6, 1}}},
        {"retry at a gap", Art("#....#####|.....#####|..........|###.......|###......."), 1, 100, {{7, 0, 5, 0, 9, 1}, {1, 3, 0, 3, 2, 4}}},
        // The closing pass takes (1, 0), in front of the seed (5, 0); the square below keeps its 9.
        {"skip count, 100 %", skip, 1, 100, {{1, 5, 0, 4, 2, 6}}}, {"skip count, 66 %", skip, 1, 66, {{2, 1, 0, 0, 5, 2}, {1, 5, 0, 4, 2, 6}}},
        // (1, 0) leaves with the first seed (3, 0) before the second object's closing pass.
        {"runs in front of the seed", Art(".#.##|#.#.#|###.#"), 1, 0, {{3, 1, 3, 0, 4, 2}, {1, 1, 0, 1, 2, 2}}},
        // (3, 0) joins across the gap of row 1 only in the closing pass and moves the top: 12 of 21.
        {"late row above the top", late, 1, 57, {{3, 1, 0, 0, 6, 2}}}, {"late row in a 3-row box", late, 1, 58, {}},
        // Row 1's left run joins going down, not going back up: 13 of 30 pixels counted.
        {"runs the closing pass misses", unreached, 1, 43, {{4, 1, 0, 0, 9, 2}}},
        {"blob cut short is found twice", Art("##########|#........#|.....#...."), 0, 0, {{5, 1, 5, 0, 5, 2}, {4, 0, 0, 0, 9, 1}}},
        // Target (100, 150, 200), K 10: each channel 10 and 11 up and down.
        {"colour K and K + 1 off", Squares({0xC89664 + 10, 0xC89664 + 11, 0xC89664 - 10, 0xC89664 - 11, 0xC89664 + 2560, 0xC89664 + 2816,
                                            0xC89664 - 2560, 0xC89664 - 2816, 0xD29664, 0xD39664, 0xBE9664, 0xBD9664}),
         1, 0, Found({0, 2, 4, 6, 8, 10}), kNoWindow, {0, 10, 0xC89664}},
        {"tolerance past 64 counts as 64", Squares({0xC896A4, 0xC896A5}), 1, 0, Found({0}), kNoWindow, {0, 300, 0xC89664}},
        {"tolerance below 0 counts as 0", Squares({0xC89664, 0xC89665}), 1, 0, Found({0}), kNoWindow, {0, -5, 0xC89664}},
        // Band 2, K 5: spreads 5 and 6 in each channel; levels 95.7 and 64 in, 63.7 and 96.3 out.
        {"near greys: spread K and K + 1, level rounded down", Squares({0x555050, 0x565050, 0x505055, 0x505056, 0x505550,
                                                                        0x505650, 0x60605F, 0x40403F, 0x41413E, 0x616060}),
         1, 0, Found({0, 2, 4, 6, 8}), kNoWindow, {2, 5}},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Search(c.im, c.shade, c.min_size, c.fill, c.window), c.want) << c.what;
}

// Greys arriving as 16-bit colour (5-6-5), 130 as red 132, green 130, blue 132: one square per
// band, found with K 8 and not with K 0, in every grouping.
TEST(Search, GreysQuantisedTo16BitColourNeedATolerance) {
    const int greys[] = {14, 46, 78, 110, 130, 174, 206, 242};
    Obrazovka im = Boxes(200, 40, {}, 0x336699);
    for (int b = 0; b < 8; b++)
        for (int y = 10; y <= 29; y++)
            for (int x = 10 + 20 * b; x <= 24 + 20 * b; x++) {
                const COLORREF r = greys[b] & 0xF8, g = greys[b] & 0xFC;
                im.farby[y * 200 + x] = (r | r >> 5) * 0x010001 | (g | g >> 6) << 8;
            }
    EXPECT_EQ(im.farby[10 * 200 + 90], 0x848284u);
    for (unsigned b = 0; b < 8; b++)
        for (int sp : {0, 4, 8}) {
            const V square = {{17 + 20 * static_cast<int>(b), 19, 10 + 20 * static_cast<int>(b), 10,
                               24 + 20 * static_cast<int>(b), 29}};
            EXPECT_EQ(Search(im, {b, 8}, 10, 90, kNoWindow, sp), square) << b << " " << sp;
            EXPECT_EQ(Search(im, {b}, 10, 90, kNoWindow, sp), V{}) << b << " " << sp;
        }
}

// Entries past the count left alone; a stride longer than the width; bad tables in every grouping.
TEST(Search, DirectCallsKeepToTheirTablesAndArrays) {
    POINT c[4] = {{11, 12}, {13, 14}, {-5, -5}};
    RECT b[4] = {{1, 2, 3, 4}};
    const Obrazovka im =
        Boxes(100, 20, {{2, 2, 11, 11}, {22, 2, 31, 11}, {42, 2, 51, 11}, {62, 2, 71, 11}});
    const COLORREF* px = im.farby.data();
    const auto H = [&](const COLORREF* f, int krok, int sirka, int vyska, int sp, int kapacita) {
        return HladajObjekty(f, krok, sirka, vyska, kNoWindow, {2}, 1, 0, sp, c, b, kapacita);
    };
    EXPECT_TRUE(H(Boxes(30, 30, {}).farby.data(), 30, 30, 30, 0, 2) == 0 && c[0].x == 11 &&
                b[0].bottom == 4);
    EXPECT_TRUE(H(px, 100, 100, 20, 0, 2) == 2 && c[1].x == 26 && c[2].x == -5);
    EXPECT_TRUE(H(px, 100, 100, 20, 0, 0) == 0 && H(px, 100, 40, 20, 0, 4) == 2 &&
                b[1].right == 31);
    for (int sp : {0, 4, 8})
        EXPECT_TRUE(H(px, 39, 40, 20, sp, 4) == -1 && H(nullptr, 40, 40, 20, sp, 4) == -1 &&
                    H(px, 100, 0, 20, sp, 4) == 0)
            << sp;
}

TEST(RychleHladanie, AgreesWithThePlainSearchOnEveryKindOfScreen) {
    for (const int* d : kDruhy)
        for (int semeno = d[0]; semeno < d[0] + d[1]; semeno++) {
            g.seed(semeno);
            ASSERT_TRUE(ZhodaNaNahodnej(d)) << "seed " << semeno;
        }
    // A run reached only at its far end, across a word; a snake of 1-px strokes over 32 words that
    // needs a pass per turn, more than filling may take before the runs are labelled after all.
    for (int had = 0; had < 2; had++) {
        Obrazovka o = Boxes(2048, 6, {});
        for (int i = 0, x = 0, y = 0; i < 2048 * 6; i++, x = i % 2048, y = i / 2048)
            if (had ? x % 16 == 0 || (y == 0 && x % 32 < 16) || (y == 5 && x % 32 >= 16)
                    : (y == 1 && x < 100) || (y == 0 && x == 99))
                o.farby[i] = 0x505050;
        EXPECT_TRUE(Zhoda(o, kNoWindow, {2}, 1, 0, 1000, {4, 8})) << had;
    }
}

TEST(Search, ResultsGrowWithWhatIsFoundAndReportFailures) {
    // 1200 objects of 2 x 2: more than the results start with, far fewer than the table's pixels.
    Obrazovka im = Boxes(1200, 300, {});
    for (int x = 0; x < 4800; x += 4)
        for (int i : {0, 1, 1200, 1201})
            im.farby[x / 1200 * 4 * 1200 + x % 1200 + i] = 0x404040;
    ASSERT_EQ(HladajDoVysledkov(im.farby.data(), 1200, 1200, 300, kNoWindow, {2}, 1, 0, 0), 1200);
    EXPECT_TRUE(poloziek_dskt_point_pola >= 1200 && poloziek_dskt_rect_pola <= 8 * 1200);
    EXPECT_EQ(centers[1199].x * 100 + objekty[1199].bottom, 119613);
    // Found, whether the file was written: status, count, TAB.
    for (auto [pocet, zapisane, cakane] : {std::tuple{3, 0, 4}, {-1, 1, 5}, {-1, 0, 5}}) {
        VysledokHladania(pocet);
        if (!zapisane)
            StredyNezapisane();
        POINT ciel;
        EXPECT_EQ(std::vector<int>({status, PocetObjektov, SkokTAB(&ciel)}),
                  std::vector<int>({cakane, pocet > 0 ? pocet : 0, pocet > 0}));
    }
    // An area of a screen from (-100, -50): a square at x -31..-22, y -5..4, cut at x -27 and by a
    // window's column at x -26; the results in screen coordinates, halves truncated toward zero.
    const Obrazovka o = Boxes(200, 100, {{69, 45, 78, 54, 0x141414}});
    const RECT obrazovka = {-100, -50, 99, 49}, okno = {-26, -50, -26, 49};
    EXPECT_EQ(HladajVOblasti(o.farby.data(), obrazovka, {-500, -9, -200, 9}, {}, {0}, 3, 70, 0), 0);
    ASSERT_EQ(HladajVOblasti(o.farby.data(), obrazovka, {-27, -9, 9, 9}, okno, {0}, 3, 70, 0), 1);
    const RECT& b = objekty[0];
    EXPECT_EQ(std::vector<LONG>({b.left, b.top, b.right, b.bottom, centers[0].x, centers[0].y}),
              std::vector<LONG>({-25, -5, -22, 4, -23, 0}));
    // 8K and three 4K monitors, the touching modes' labels included; at most: a screen of nothing
    // but the smallest objects. 32-bit reservations stay well inside 2 GB.
    for (auto [w, h] : {std::pair{7680, 4320}, std::pair{11520, 2160}}) {
        long long vopred = 0, najviac = 0;
        PamatHladania(w, h, &vopred, &najviac);
        EXPECT_TRUE(vopred >= 4LL * w * h && vopred < 640LL << 20 && najviac < 1LL << 30) << w;
    }
}

TEST(NumberFiles, WritersLayOutTheirBytes) {
    const std::string p = testing::TempDir() + "zornavit-" + std::to_string(getpid()) + "-";
    const auto P = [&](int i) { return p + std::to_string(i); };
    const POINT c[10] = {{24, 34}, {-1, 7}, {2, -2}, {3, -3}, {4, -4},
                         {5, -5},  {6, -6}, {7, -7}, {8, -8}, {9, -9}};
    const DWORD farby[8] = {0, 1, 2, 3, 4, 5, 6, 0x00FFFFFF};
    // clang-format off
    const std::pair<bool, std::string> pripady[] = {
        {PointPoleDoTxt(P(0).c_str(), c, 2) == 1, "24,34\r\n-1,7\r\n"}, {PointPoleDoTxt(P(1).c_str(), c, 0) == 1, ""},
        {PointPoleCiselDoTXT(P(2).c_str(), "w", c, 10) == 1, "{24,34}, {-1,7}, {2,-2}, {3,-3}, {4,-4}, {5,-5}, {6,-6}, {7,-7}, {8,-8}, {9,-9}, \n\n"},
        {CislaFariebDoTXT(P(3).c_str(), "w", farby, 8) == 1, "0,  \n1,  2,  3,  4,  5,  6,  \n16777215,  \n"},
        {PoleCiselDoTXT(P(4).c_str(), "w", std::array<int, 3>{7, -2, 0}.data(), 3) == 1, "7, -2, 0, \n"},
        {CislaDoTXT(P(5).c_str(), "w", 42) && CislaDoTXT(P(5).c_str(), "a", -3) && CislaDoTXT(P(5).c_str(), "a", 0), "42, 0, "},
        {CislaDoBIN(P(6).c_str(), "wb", 0x01020304) && CislaDoBIN(P(6).c_str(), "ab", -1), "\4\3\2\1"},
        {CislaFariebDoBIN(P(7).c_str(), "wb", farby + 6, 2) == 2, std::string("\6\0\0\0\xFF\xFF\xFF\0", 8)},
    };
    // clang-format on
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(std::make_pair(true, ReadFile(P(i))), pripady[i]) << i;
    DWORD spat[4] = {9, 9, 9, 9};
    EXPECT_EQ(CislaFariebZ_BIN(P(7).c_str(), spat, 4) * 10 +
                  CislaFariebZ_BIN(P(7).c_str(), spat + 3, 1) +
                  CislaFariebZ_BIN(P(8).c_str(), spat, 4),
              21);
    EXPECT_EQ(std::vector<DWORD>(spat, spat + 4), (std::vector<DWORD>{6, 0xFFFFFF, 9, 6}));
    // A whole file into an array with 10 spare slots; a trailing partial value is not counted.
    std::ofstream(P(8), std::ios::binary) << std::string("\5\0\0\0\0\0\0\x80\7\0\0\0\1", 13);
    int n = -1;
    const int* pole = CislaZoSuboruDoPola(P(8).c_str(), "rb", &n);
    ASSERT_TRUE(pole != nullptr && n == 3);
    EXPECT_EQ(std::vector<int>(pole, pole + 13),
              (std::vector<int>{5, INT_MIN, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(CislaZoSuboruDoPola(P(9).c_str(), "rb", &n) == nullptr && n == 0);
    for (int i = 0; i < 9; i++)
        std::remove(P(i).c_str());
    // Failures: a missing directory; a device that accepts the open but fails every write.
    EXPECT_EQ(PointPoleDoTxt((p + "d/Stredy.txt").c_str(), c, 1) +
                  PointPoleDoTxt("/dev/full", c, 1) + CislaFariebDoBIN("/dev/full", "wb", farby, 2),
              0);
    // The desktop-sized arrays: zero-filled, for the current desktop with a margin.
    int m[3] = {};
    NastavVelkostDesktopu(640, 480);
    const POINT* body = AlokaciaDsktPointPola(&m[0]);
    NastavVelkostDesktopu(800, 600);
    const RECT* boxy = AlokaciaDsktRectPola(&m[1]);
    const double* cisla = AlokaciaDsktDoublePola(&m[2]);
    EXPECT_EQ(std::vector<int>(m, m + 3), (std::vector<int>{645 * 485, 805 * 605, 805 * 605}));
    EXPECT_TRUE(body[m[0] - 1].y == 0 && boxy[m[1] - 1].bottom == 0 && cisla[m[2] - 1] == 0.0);
}
