// Arrow key vertices: the face's four keys of side 21 and truncation toward zero.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Body = std::vector<std::pair<int, int>>;

Body Vrcholy(SmerSipky smer, int s, int x, int y) {
    POINT v[6];
    VrcholySipky(smer, s, x, y, v);
    Body out;
    for (const POINT& p : v) {
        out.emplace_back(p.x, p.y);
    }
    return out;
}

TEST(Sipky, FaceKeysOfSide21) {
    // The left arrow is not the mirror image of the right one: 3 and 5 pixels from the key's
    // edges against 3 and 4.
    EXPECT_EQ(Vrcholy(SIPKA_VPRAVO, 21, 138, 164),
              (Body{{141, 174}, {148, 174}, {148, 178}, {154, 174}, {148, 170}, {148, 174}}));
    EXPECT_EQ(Vrcholy(SIPKA_VLAVO, 21, 92, 164),
              (Body{{109, 174}, {102, 174}, {102, 178}, {95, 174}, {102, 170}, {102, 174}}));
    EXPECT_EQ(Vrcholy(SIPKA_HORE, 21, 115, 141),
              (Body{{125, 158}, {125, 151}, {129, 151}, {125, 144}, {121, 151}, {125, 151}}));
    EXPECT_EQ(Vrcholy(SIPKA_DOLE, 21, 115, 164),
              (Body{{125, 167}, {125, 174}, {129, 174}, {125, 180}, {121, 174}, {125, 174}}));
}

TEST(Sipky, NegativeAnchorsTruncateTowardZero) {
    // Tail and tip: -10 + 3.85 = -6.15 becomes -6, not -7; -6 - 13.3 = -19.3 becomes -19. The
    // centre line adds the integer half of the side: -21 + 10 and -20 + 10.
    struct Pripad {
        SmerSipky smer;
        int s, x, y;
        std::pair<int, int> chvost, hrot;
    };
    const Pripad pripady[] = {
        {SIPKA_VPRAVO, 21, -10, -30, {-6, -20}, {7, -20}},
        {SIPKA_VLAVO, 21, -24, 0, {-6, 10}, {-19, 10}},
        {SIPKA_DOLE, 21, 0, -10, {10, -6}, {10, 7}},
        {SIPKA_HORE, 21, 0, -24, {10, -6}, {10, -19}},
        {SIPKA_VPRAVO, 21, 0, -21, {3, -11}, {16, -11}},
        {SIPKA_HORE, 20, -20, 0, {-10, 16}, {-10, 2}},
    };
    for (const Pripad& p : pripady) {
        const Body v = Vrcholy(p.smer, p.s, p.x, p.y);
        EXPECT_EQ(v[0], p.chvost) << p.smer << " at " << p.x << "," << p.y;
        EXPECT_EQ(v[3], p.hrot) << p.smer << " at " << p.x << "," << p.y;
    }
}

} // namespace
