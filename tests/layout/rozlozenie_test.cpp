// The face's layout: the arrow keys' vertices, the rows, the scale, the outlines' area and labels.
#include "layout/rozlozenie.h"

#include <gtest/gtest.h>

#include <vector>

// The face's four keys of side 21, then negative anchors: single precision, truncated toward zero
// (-10 + 3.85 = -6.15 gives -6, -6 - 13.3 gives -19). The left arrow is no mirror of the right
// one: 3 and 5 pixels from the key's edges against 3 and 4.
TEST(Rozlozenie, ArrowVerticesOnTheKeys) {
    // Direction, side, corner; vertices: tail, base, head corner, tip, other head corner, base.
    // clang-format off
    const struct { SmerSipky smer; int strana, x, y; std::vector<int> vrcholy; } sipky[] = {
        {SIPKA_VPRAVO, 21, 138, 164, {141, 174, 148, 174, 148, 178, 154, 174, 148, 170, 148, 174}},
        {SIPKA_VLAVO, 21, 92, 164, {109, 174, 102, 174, 102, 178, 95, 174, 102, 170, 102, 174}},
        {SIPKA_HORE, 21, 115, 141, {125, 158, 125, 151, 129, 151, 125, 144, 121, 151, 125, 151}},
        {SIPKA_DOLE, 21, 115, 164, {125, 167, 125, 174, 129, 174, 125, 180, 121, 174, 125, 174}},
        {SIPKA_VPRAVO, 21, -10, -30, {-6, -20, 1, -20, 1, -16, 7, -20, 1, -24, 1, -20}},
        {SIPKA_VLAVO, 21, -24, 0, {-6, 10, -13, 10, -13, 14, -19, 10, -13, 6, -13, 10}},
        {SIPKA_DOLE, 21, 0, -10, {10, -6, 10, 1, 14, 1, 10, 7, 6, 1, 10, 1}},
        {SIPKA_HORE, 21, 0, -24, {10, -6, 10, -13, 14, -13, 10, -19, 6, -13, 10, -13}},
        {SIPKA_VPRAVO, 21, 0, -21, {3, -11, 10, -11, 10, -7, 16, -11, 10, -15, 10, -11}},
        {SIPKA_HORE, 20, -20, 0, {-10, 16, -10, 9, -6, 9, -10, 2, -14, 9, -10, 9}}};
    // clang-format on
    for (const auto& s : sipky) {
        POINT v[6];
        VrcholySipky(s.smer, s.strana, s.x, s.y, v);
        std::vector<int> xy;
        for (const POINT& p : v)
            xy.insert(xy.end(), {p.x, p.y});
        EXPECT_EQ(xy, s.vrcholy) << "direction " << s.smer << ", side " << s.strana << " at " << s.x
                                 << ", " << s.y;
    }
}

// For 16- and 11-pixel lines. 5 * 1.60000002 in single precision stays 8 where a factor below 1.6
// gives 7; negative positions truncate toward zero.
TEST(Rozlozenie, RowsFollowTheLineHeight) {
    EXPECT_EQ(DalsiRiadok(12, 16), 37);
    EXPECT_EQ(DalsiRiadok(62, 16), 87);
    EXPECT_EQ(DalsiRiadok(0, 5), 8);
    EXPECT_EQ(DalsiRiadok(-30, 10), -14);
    EXPECT_EQ(RiadokVelkosti(87, 16), 102);
    EXPECT_EQ(StatusPoObjektoch(102, 11), 116);
    EXPECT_EQ(StatusPoObjektoch(0, 10), 13);
    EXPECT_EQ(StatusBezObjektov(62, 16), 100);
}

TEST(Rozlozenie, TheGreyStripShowsTheBandAndWraps) {
    EXPECT_EQ(SivaPasika(3, 5), 101);
    EXPECT_EQ(SivaPasika(7, 31), 255);
    EXPECT_EQ(SivaPasika(8, 1), 1);
}

// Halves rounded away from zero, as MulDiv does; a dpi of 0 leaves the value.
TEST(Rozlozenie, ScalingToTheDpiAndBack) {
    // clang-format off
    const struct { int hodnota, dpi, skalovana, spat; } riadky[] = {
        {214, 96, 214, 214}, {214, 120, 268, 214}, {214, 144, 321, 214}, {194, 192, 388, 194}, {1, 144, 2, 1},
        {1, 120, 1, 1}, {-9, 144, -14, -9}, {-13, 120, -16, -13}, {7, 0, 7, 7}};
    // clang-format on
    for (const auto& r : riadky) {
        EXPECT_EQ(Skaluj(r.hodnota, r.dpi), r.skalovana) << r.hodnota << " at " << r.dpi;
        EXPECT_EQ(Odskaluj(r.skalovana, r.dpi), r.spat) << r.skalovana << " at " << r.dpi;
    }
}

namespace {
// Two monitors.
const RECT kObrazovka = {-1920, 0, 1920, 1080};
const RECT kBoxy[] = {
    {100, 100, 139, 129}, {-1920, 5, -1900, 30}, {1910, 500, 1919, 509}, {0, 0, 1919, 1079}};
} // namespace

// The boxes' union grown by 64, cut to the screen; empty for no boxes.
TEST(Rozlozenie, TheOutlinesAreaCoversTheBoxesWithAMargin) {
    // clang-format off
    const struct { int od, po; RECT oblast; } riadky[] = {{1, 3, {-1920, 0, 1920, 574}}, {4, 4, {-64, 0, 1920, 1080}},
                                                          {2, 2, {-1920, 0, -1835, 95}}, {1, 0, {-1920, 0, -1920, 0}}};
    // clang-format on
    for (const auto& r : riadky) {
        SCOPED_TRACE(testing::Message() << "boxes " << r.od << " to " << r.po);
        const RECT o = OblastObrysov(kBoxy, r.od, r.po, 64, kObrazovka);
        EXPECT_EQ(o.left, r.oblast.left);
        EXPECT_EQ(o.top, r.oblast.top);
        EXPECT_EQ(o.right, r.oblast.right);
        EXPECT_EQ(o.bottom, r.oblast.bottom);
    }
}

// A 20 x 10 label above the outline's corner, below the box at the screen's top, pulled in at
// the edges.
TEST(Rozlozenie, NumberLabelsStayOnTheScreen) {
    const POINT stitky[] = {{99, 89}, {-1920, 32}, {1900, 489}, {-1, 1070}};
    for (int i = 0; i < 4; ++i) {
        const POINT p = PolohaCisla(kBoxy[i], SIZE{20, 10}, kObrazovka);
        EXPECT_EQ(p.x, stitky[i].x) << "box " << i;
        EXPECT_EQ(p.y, stitky[i].y) << "box " << i;
    }
}
