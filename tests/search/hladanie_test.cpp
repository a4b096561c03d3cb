// The search over a pixel table: worked examples, direct calls, the fast search against the plain.
#include "search/hladanie.h"
#include "tests/search/porovnanie.h"

#include <gtest/gtest.h>

// 4 x 4 squares of the colours, 6 pixels apart on a white row of 128 (two of the masks' words);
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

TEST(Hladanie, WorkedExamplesAndEdgeCases) {
    // clang-format off
    struct Case { const char* what; Obrazovka im; int min_size, fill; V want; RECT window = kNoWindow; Odtien shade = {2}; };
    const Obrazovka sq = Boxes(100, 100, {{20, 30, 29, 39}});
    const Obrazovka column = Boxes(50, 40, {{0, 10, 0, 30}});
    const Obrazovka skip = Art(".#...#|#..###|######|......|###...|###...|###...");
    const Obrazovka late = Art("...#...|##...##|#######"), unreached = Art("##########|##......##|........#.");
    const Obrazovka bands = Boxes(30, 30, {{2, 2, 6, 6, 0x050505}, {20, 20, 24, 24, 0xFFFFFF}}, 0x808080);
    const V s = {{24, 34, 20, 30, 29, 39}};
    // Band 1 and, inside a band-2 square, one pixel of another colour.
    const std::vector<int> b1 = {10, 10, 19, 19, 0x3F3F3F}, b2 = {30, 30, 39, 39};
    const Case cases[] = {
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

namespace {

// Four band-2 squares in a row, 20 pixels apart.
const Obrazovka kStvorce =
    Boxes(100, 20, {{2, 2, 11, 11}, {22, 2, 31, 11}, {42, 2, 51, 11}, {62, 2, 71, 11}});

// A direct call by rows at size 1 and fill 0, 20 rows high, with room for 4 objects.
int Hladaj(const COLORREF* farby, int krok, int sirka, int spajanie) {
    POINT stredy[4] = {};
    RECT boxy[4] = {};
    return HladajObjekty(farby, krok, sirka, 20, kNoWindow, {2}, 1, 0, spajanie, stredy, boxy, 4);
}

} // namespace

TEST(Hladanie, ABadTableFailsAndAnEmptyOneFindsNothingInEveryGrouping) {
    for (int spajanie : {0, 4, 8}) {
        SCOPED_TRACE(testing::Message() << "grouping " << spajanie);
        const COLORREF* farby = kStvorce.farby.data();
        EXPECT_EQ(Hladaj(farby, 39, 40, spajanie), -1) << "a stride below the width";
        EXPECT_EQ(Hladaj(nullptr, 40, 40, spajanie), -1) << "no table";
        EXPECT_EQ(Hladaj(farby, 100, 0, spajanie), 0) << "no columns";
    }
}

TEST(Hladanie, TheFastSearchAgreesWithThePlainOneOnEveryKindOfScreen) {
    for (const int* d : kDruhy)
        for (int semeno = d[0]; semeno < d[0] + d[1]; semeno++) {
            g.seed(semeno);
            ASSERT_EQ(NezhodaNaNahodnej(d), "") << "seed " << semeno;
        }
}

// A snake of 1-pixel strokes over 32 words needs a pass of the fill per turn, more than filling
// may take before the runs are labelled after all.
TEST(Hladanie, ASnakeTooLongToFillIsLabelled) {
    std::vector<std::vector<int>> tahy;
    for (int x = 0; x < 2048; x += 16) {
        tahy.push_back({x, 0, x, 5, 0x505050});
        const int y = x % 32 == 0 ? 0 : 5; // joined at the top, then at the bottom
        tahy.push_back({x, y, x + 15, y, 0x505050});
    }
    EXPECT_EQ(Nezhoda(Boxes(2048, 6, tahy), kNoWindow, {2}, 1, 0, 1000, {4, 8}), "");
}
