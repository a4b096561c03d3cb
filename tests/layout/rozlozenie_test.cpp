// The face's layout: the arrow keys' vertices, the rows, the scale, the outlines' area, readout.
#include "layout/rozlozenie.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// Keys of side 21 at negative anchors, truncated toward zero: -10 + 3.85 = -6.15 gives -6,
// -6 - 13.3 gives -19; and one of side 20. The left arrow is no mirror of the right one.
TEST(Rozlozenie, ArrowVerticesOnTheKeys) {
    // Direction, side, corner; vertices: tail, base, head corner, tip, other head corner, base.
    // clang-format off
    const struct { SmerSipky smer; int strana, x, y; std::vector<int> vrcholy; } sipky[] = {
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
        {214, 120, 268, 214}, {1, 144, 2, 1}, {1, 120, 1, 1}, {-9, 144, -14, -9}, {7, 0, 7, 7}};
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

// No monitor covered whole: a bottom line shared with one goes, else its right column, top or
// left; an area short of a monitor on a side keeps all, one passed on every side stays.
TEST(Rozlozenie, TheOutlinesAreaCoversNoMonitorWhole) {
    const RECT vedla[] = {{-1920, 0, 0, 1080}, {0, 0, 1920, 1080}};
    const RECT nad_sebou[] = {{0, 0, 9, 9}, {0, 9, 9, 18}};
    const RECT jeden[] = {{1, 1, 9, 9}};
    // clang-format off
    const struct { const char* monitory; const RECT* m; int pocet; RECT oblast, cakana; } riadky[] = {
        {"side by side", vedla, 2, {-1920, 0, 1920, 1080}, {-1920, 0, 1920, 1079}},
        {"one", jeden, 1, {2, 1, 9, 9}, {2, 1, 9, 9}}, {"one", jeden, 1, {1, 2, 9, 9}, {1, 2, 9, 9}},
        {"one", jeden, 1, {1, 1, 8, 9}, {1, 1, 8, 9}}, {"one", jeden, 1, {1, 1, 9, 8}, {1, 1, 9, 8}},
        {"stacked", nad_sebou, 2, {0, 0, 9, 15}, {0, 0, 8, 15}},
        {"stacked", nad_sebou, 2, {0, 3, 9, 18}, {0, 3, 9, 17}},
        {"one", jeden, 1, {1, 0, 10, 10}, {2, 0, 10, 10}}, {"one", jeden, 1, {0, 1, 10, 10}, {0, 2, 10, 10}},
        {"one", jeden, 1, {0, 0, 10, 10}, {0, 0, 10, 10}}};
    // clang-format on
    for (const auto& r : riadky) {
        SCOPED_TRACE(testing::Message()
                     << r.monitory << ", area " << r.oblast.left << "," << r.oblast.top << ","
                     << r.oblast.right << "," << r.oblast.bottom);
        const RECT o = OblastBezCelehoMonitora(r.oblast, r.m, r.pocet);
        EXPECT_EQ(o.left, r.cakana.left);
        EXPECT_EQ(o.top, r.cakana.top);
        EXPECT_EQ(o.right, r.cakana.right);
        EXPECT_EQ(o.bottom, r.cakana.bottom);
    }
}

namespace {

// The test prefix's wide faces, DejaVu Sans and DejaVu Sans Condensed: advances of x y R G B = -
// and a digit, in 2048ths of the height. Rounded per glyph, they give the widths wine measures.
const int kDejaVu[2][8] = {{1212, 1212, 1423, 1587, 1405, 1716, 739, 1303},
                           {1090, 1090, 1280, 1428, 1264, 1544, 665, 1172}};

int SirkaDejaVu(const char* text, int vyska, void* tvar) {
    int sirka = 0;
    for (const char* c = text; *c; ++c) {
        const char* znak = std::strchr("xyRGB=-", *c);
        const int advance = static_cast<const int*>(tvar)[znak ? znak - "xyRGB=-" : 7];
        sirka += (advance * vyska + 1024) / 2048;
    }
    return sirka;
}

} // namespace

// The readout's fields x, y, R, G, B on a strip 214 wide. Where the texts fit, the places of the
// fixed layout; a wider text pushes those after it, the last ones move back into the strip, and
// five-digit coordinates shrink the font. The fields always stand apart and in the strip.
TEST(Rozlozenie, ReadoutFieldsApartAndInTheStrip) {
    // Face, dpi, the values; the font height chosen, and whether the fields stand at their places.
    // clang-format off
    const struct { int tvar, dpi, hodnoty[POCET_UDAJOV], vyska; bool na_miestach; } pripady[] = {
        {0, 144, {0, 0, 0, 0, 0}, 17, true}, {1, 96, {1919, 1199, 255, 255, 255}, 11, true},
        {1, 144, {1919, 1199, 255, 255, 255}, 17, false}, {0, 96, {1919, 1199, 255, 255, 255}, 10, false},
        {0, 96, {-32768, -32768, 255, 255, 255}, 9, false}, {1, 144, {-32768, -32768, 255, 255, 255}, 16, false},
        {1, 96, {-1280, 1079, 170, 170, 170}, 11, false}, {0, 96, {600, 500, 255, 255, 255}, 11, false}};
    // clang-format on
    const char* const formaty[POCET_UDAJOV] = {"x=%d", "y=%d", "R=%d", "G=%d", "B=%d"};
    for (const auto& p : pripady) {
        char texty[POCET_UDAJOV][NAPIS_BUFFER];
        const char* zoznam[POCET_UDAJOV];
        for (int i = 0; i < POCET_UDAJOV; ++i) {
            FormatujNapis(texty[i], formaty[i], p.hodnoty[i]);
            zoznam[i] = texty[i];
        }
        SCOPED_TRACE(testing::Message() << texty[0] << " at " << p.dpi << " dpi, face " << p.tvar);
        void* tvar = const_cast<int*>(kDejaVu[p.tvar]);
        int x[POCET_UDAJOV];
        const int vyska = RozlozUdaj(zoznam, 0, 214, p.dpi, SirkaDejaVu, tvar, x);
        EXPECT_EQ(vyska, p.vyska);
        EXPECT_EQ(x[0], Skaluj(10, p.dpi)) << "the first field at its place";
        for (int i = 1; i < POCET_UDAJOV; ++i)
            EXPECT_GE(x[i] - x[i - 1] - SirkaDejaVu(zoznam[i - 1], vyska, tvar), Skaluj(2, p.dpi))
                << "background before " << zoznam[i];
        EXPECT_LE(x[4] + SirkaDejaVu(zoznam[4], vyska, tvar), Skaluj(214, p.dpi) - Skaluj(1, p.dpi))
            << "the last field ends inside the strip's outline";
        const int miesta[POCET_UDAJOV] = {10, 50, 100, 137, 176};
        for (int i = 0; p.na_miestach && i < POCET_UDAJOV; ++i)
            EXPECT_EQ(x[i], Skaluj(miesta[i], p.dpi)) << zoznam[i] << " at its place";
    }
}
