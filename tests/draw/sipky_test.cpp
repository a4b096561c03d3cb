// Arrow key vertices: the face's four keys of side 21 and truncation toward zero.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, int>> Vrcholy(SmerSipky smer, int s, int x, int y) {
    POINT v[6];
    VrcholySipky(smer, s, x, y, v);
    std::vector<std::pair<int, int>> out;
    for (const POINT& p : v) {
        out.emplace_back(p.x, p.y);
    }
    return out;
}

using Body = std::vector<std::pair<int, int>>;

TEST(Sipky, FaceKeysOfSide21) {
    EXPECT_EQ(Vrcholy(SIPKA_VPRAVO, 21, 138, 164),
              (Body{{141, 174}, {148, 174}, {148, 178}, {154, 174}, {148, 170}, {148, 174}}));
    EXPECT_EQ(Vrcholy(SIPKA_VLAVO, 21, 92, 164),
              (Body{{109, 174}, {102, 174}, {102, 178}, {95, 174}, {102, 170}, {102, 174}}));
    EXPECT_EQ(Vrcholy(SIPKA_HORE, 21, 115, 141),
              (Body{{125, 158}, {125, 151}, {129, 151}, {125, 144}, {121, 151}, {125, 151}}));
    EXPECT_EQ(Vrcholy(SIPKA_DOLE, 21, 115, 164),
              (Body{{125, 167}, {125, 174}, {129, 174}, {125, 180}, {121, 174}, {125, 174}}));
}

TEST(Sipky, ArrowIsNotCentredToThePixel) {
    // On a key 21 wide the right arrow starts 3 pixels in and ends 5 short of the far edge; the
    // left arrow is not its mirror image: its tip is 3 pixels in, its tail 4 short of the edge.
    const Body vpravo = Vrcholy(SIPKA_VPRAVO, 21, 0, 0);
    EXPECT_EQ(vpravo[0].first, 3);
    EXPECT_EQ(21 - vpravo[3].first, 5);
    const Body vlavo = Vrcholy(SIPKA_VLAVO, 21, 0, 0);
    EXPECT_EQ(vlavo[3].first, 3);
    EXPECT_EQ(21 - vlavo[0].first, 4);
}

TEST(Sipky, NegativeAnchorsTruncateTowardZero) {
    // Tail at -10 + 3.85 = -6.15 becomes -6, not -7; tip at -6 + 13.3 = 7.3 becomes 7.
    const Body vpravo = Vrcholy(SIPKA_VPRAVO, 21, -10, -30);
    EXPECT_EQ(vpravo[0], std::make_pair(-6, -20));
    EXPECT_EQ(vpravo[1], std::make_pair(1, -20));
    EXPECT_EQ(vpravo[3], std::make_pair(7, -20));
    // A tail computed as -6.7 becomes -6; the tip at -6 - 13.3 = -19.3 becomes -19.
    const Body vlavo = Vrcholy(SIPKA_VLAVO, 21, -24, 0);
    EXPECT_EQ(vlavo[0].first, -6);
    EXPECT_EQ(vlavo[3].first, -19);
    const Body dole = Vrcholy(SIPKA_DOLE, 21, 0, -10);
    EXPECT_EQ(dole[0].second, -6);
    EXPECT_EQ(dole[3].second, 7);
    const Body hore = Vrcholy(SIPKA_HORE, 21, 0, -24);
    EXPECT_EQ(hore[0].second, -6);
    EXPECT_EQ(hore[3].second, -19);
}

TEST(Sipky, CentreLineUsesIntegerHalfOfTheSide) {
    // Odd sides halve down: 21 / 2 = 10; with a negative anchor the sum stays exact.
    EXPECT_EQ(Vrcholy(SIPKA_VPRAVO, 21, 0, -21)[0].second, -11);
    EXPECT_EQ(Vrcholy(SIPKA_HORE, 20, -20, 0)[0].first, -10);
    const Body v = Vrcholy(SIPKA_DOLE, 21, 115, 164);
    EXPECT_EQ(v[2].first - v[0].first, 4);
    EXPECT_EQ(v[0].first - v[4].first, 4);
}

} // namespace
