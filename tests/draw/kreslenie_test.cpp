// The face's platform-free parts: arrow vertices, row layout, text formatting, code page 1250.
#include "layout/rozlozenie.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// The face's four keys of side 21, then negative anchors: single precision, truncated toward zero
// (-10 + 3.85 = -6.15 gives -6, -6 - 13.3 gives -19). The left arrow is no mirror of the right
// one: 3 and 5 pixels from the key's edges against 3 and 4.
TEST(Kreslenie, ArrowsLayoutAndScaling) {
    // direction, side, anchor x, y; vertices: tail, base, head corner, tip, other head corner, base
    // clang-format off
    const std::vector<int> sipky[] = {
        {SIPKA_VPRAVO, 21, 138, 164, 141, 174, 148, 174, 148, 178, 154, 174, 148, 170, 148, 174}, {SIPKA_VLAVO, 21, 92, 164, 109, 174, 102, 174, 102, 178, 95, 174, 102, 170, 102, 174},
        {SIPKA_HORE, 21, 115, 141, 125, 158, 125, 151, 129, 151, 125, 144, 121, 151, 125, 151}, {SIPKA_DOLE, 21, 115, 164, 125, 167, 125, 174, 129, 174, 125, 180, 121, 174, 125, 174},
        {SIPKA_VPRAVO, 21, -10, -30, -6, -20, 1, -20, 1, -16, 7, -20, 1, -24, 1, -20}, {SIPKA_VLAVO, 21, -24, 0, -6, 10, -13, 10, -13, 14, -19, 10, -13, 6, -13, 10},
        {SIPKA_DOLE, 21, 0, -10, 10, -6, 10, 1, 14, 1, 10, 7, 6, 1, 10, 1}, {SIPKA_HORE, 21, 0, -24, 10, -6, 10, -13, 14, -13, 10, -19, 6, -13, 10, -13},
        {SIPKA_VPRAVO, 21, 0, -21, 3, -11, 10, -11, 10, -7, 16, -11, 10, -15, 10, -11}, {SIPKA_HORE, 20, -20, 0, -10, 16, -10, 9, -6, 9, -10, 2, -14, 9, -10, 9}};
    // clang-format on
    for (const auto& a : sipky) {
        POINT v[6];
        VrcholySipky(static_cast<SmerSipky>(a[0]), a[1], a[2], a[3], v);
        std::vector<int> xy(a.begin(), a.begin() + 4);
        for (const POINT& p : v)
            xy.insert(xy.end(), {p.x, p.y});
        EXPECT_EQ(xy, a);
    }
    // The rows for 16- and 11-pixel lines; 5 * 1.60000002 in single precision stays 8 where a
    // factor below 1.6 gives 7; negative positions truncate toward zero; the grey strip wraps.
    const std::vector<int> mame = {
        DalsiRiadok(12, 16),        DalsiRiadok(62, 16),       RiadokVelkosti(87, 16),
        StatusPoObjektoch(102, 11), StatusBezObjektov(62, 16), DalsiRiadok(0, 5),
        StatusPoObjektoch(0, 10),   DalsiRiadok(-30, 10),      SivaPasika(3, 5),
        SivaPasika(7, 31),          SivaPasika(8, 1)};
    EXPECT_EQ(mame, (std::vector<int>{37, 87, 102, 116, 100, 8, 13, -14, 101, 255, 1}));
    // Value, dpi, scaled, and the scaled value back: halves rounded away from zero, as MulDiv does.
    const int tabulka[][4] = {{214, 96, 214, 214},  {214, 120, 268, 214}, {214, 144, 321, 214},
                              {194, 192, 388, 194}, {1, 144, 2, 1},       {1, 120, 1, 1},
                              {-9, 144, -14, -9},   {-13, 120, -16, -13}, {7, 0, 7, 7}};
    for (const auto& r : tabulka)
        EXPECT_EQ(std::make_pair(Skaluj(r[0], r[1]), Odskaluj(r[2], r[1])),
                  std::make_pair(r[2], r[3]))
            << r[0] << " at " << r[1];
}

TEST(Kreslenie, TextsAndCp1250) {
    char b[NAPIS_BUFFER + 8];
    std::memset(b, 'Z', sizeof b);
    const std::string a97(97, 'a');
    const auto Napis = [](int dlzka, const char* buffer) { // the length and the text in the buffer
        return std::to_string(dlzka) + " " + buffer;
    };
    // clang-format off
    const std::pair<std::string, std::string> pripady[] = {
        {Napis(FormatujNapis(b, "%%", -1), b), "1 %"}, {Napis(FormatujNapisDouble(b, "%.2f", 2.5), b), "4 2.50"},
        {Napis(FormatujNapis(b, std::string(150, 'a').c_str(), -1), b), "99 " + a97 + "aa"},
        {Napis(FormatujNapis(b, (a97 + "%d").c_str(), 12), b), "99 " + a97 + "12"}, {Napis(FormatujNapis(b, (a97 + "%d").c_str(), 123), b), "99 " + a97 + "12"},
        {Napis(FormatujNapisDouble(b, "%f", 1e120), b).substr(0, 3), "99 "}};
    // clang-format on
    for (const auto& [mame, chceme] : pripady)
        EXPECT_EQ(mame, chceme);
    EXPECT_TRUE(std::strlen(b) == 99 && b[NAPIS_BUFFER] == 'Z'); // nothing written past the buffer
    // Every assigned byte as the C library's converter has it; others stay as control codes.
    iconv_t prevod = iconv_open("UTF-16LE", "CP1250");
    for (int c = 0; c <= 0xFF; c++) {
        char vstup = static_cast<char>(c), *in = &vstup, vystup[4] = {}, *out = vystup;
        size_t zIn = 1, zOut = sizeof vystup;
        const bool prideleny = iconv(prevod, &in, &zIn, &out, &zOut) != static_cast<size_t>(-1);
        EXPECT_EQ(ZnakCp1250(c), prideleny ? (vystup[0] & 0xFF) | (vystup[1] & 0xFF) << 8 : c) << c;
    }
    iconv_close(prevod);
}

// Two monitors. The boxes' area grown by 64, cut to the screen; a lone 20 x 10 label above the
// outline's corner, below the box at the screen's top, pulled in at the edge, inside a box that
// fills both.
TEST(Kreslenie, OutlineAreaAndNumberLabels) {
    const RECT obrazovka = {-1920, 0, 1920, 1080};
    const RECT b[] = {{100, 100, 139, 129},
                      {-1920, 5, -1900, 30},
                      {1910, 500, 1919, 509},
                      {-1920, 0, 1919, 1079}};
    const std::vector<int> oblasti[] = {
        {1, 3, -1920, 0, 1920, 574}, {2, 4, -1920, 0, 1920, 1080}, {1, 0, -1920, 0, -1920, 0}};
    for (const auto& o : oblasti) {
        const RECT r = OblastObrysov(b, o[0], o[1], 64, obrazovka);
        EXPECT_EQ((std::vector<int>{o[0], o[1], r.left, r.top, r.right, r.bottom}), o);
    }
    // No monitor covered whole: a bottom line shared with one goes, else its right column, top or
    // left; an area short of a monitor on a side keeps all, one passed on every side stays.
    // Monitors side by side (0), stacked (1), one (2).
    const RECT monitory[][2] = {{{-1920, 0, 0, 1080}, {0, 0, 1920, 1080}},
                                {{0, 0, 9, 9}, {0, 9, 9, 18}},
                                {{1, 1, 9, 9}, {}}};
    const std::vector<int> bez[] = {{0, 0, 0, 1920, 1080, 0, 0, 1920, 1079},
                                    {0, -1920, 0, 1920, 1080, -1920, 0, 1920, 1079},
                                    {2, 2, 1, 9, 9, 2, 1, 9, 9},
                                    {2, 1, 2, 9, 9, 1, 2, 9, 9},
                                    {2, 1, 1, 8, 9, 1, 1, 8, 9},
                                    {2, 1, 1, 9, 8, 1, 1, 9, 8},
                                    {1, 0, 0, 9, 15, 0, 0, 8, 15},
                                    {1, 0, 3, 9, 18, 0, 3, 9, 17},
                                    {2, 1, 0, 10, 10, 2, 0, 10, 10},
                                    {2, 0, 1, 10, 10, 0, 2, 10, 10},
                                    {2, 0, 0, 10, 10, 0, 0, 10, 10}};
    for (const auto& o : bez) {
        const RECT r = OblastBezCelehoMonitora(RECT{o[1], o[2], o[3], o[4]}, monitory[o[0]],
                                               o[0] == 2 ? 1 : 2);
        EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
                  std::vector<int>(o.begin() + 5, o.end()))
            << "monitors " << o[0] << ", area " << o[1] << "," << o[2] << "," << o[3] << ","
            << o[4];
    }
    const int stitky[][2] = {{99, 89}, {-1920, 32}, {1900, 489}, {-1919, 1}};
    for (int i = 0; i < 4; ++i) {
        RECT r;
        RozmiestniCisla(&b[i], std::vector<SIZE>{{20, 10}}.data(), 1, obrazovka, &r);
        EXPECT_EQ(std::vector<int>({r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  std::vector<int>({stitky[i][0], stitky[i][1], 20, 10}))
            << i;
    }
}

// Background pixels between two labels (negative: they overlap).
static int Medzera(const RECT& a, const RECT& b) {
    return std::max({b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom});
}

// Labels of one 60 x 40 box, 20 x 10 each: above its corners, below them, inside its corners and
// middle (the places beside the corners touch those above and below), then anywhere free; none
// where nothing is free. Then a dense grid of 16 x 16 squares 2 apart, labels wider than the
// squares at 96 and 144 DPI: every label placed, whole in the area, 2 pixels from every other.
TEST(Kreslenie, LabelsTouchNoOtherLabel) {
    const RECT obrazovka = {0, 0, 1920, 1080};
    const std::vector<RECT> box(10, RECT{100, 100, 159, 139});
    const std::vector<SIZE> velkosti(10, SIZE{20, 10});
    std::vector<RECT> r(10);
    RozmiestniCisla(box.data(), velkosti.data(), 10, obrazovka, r.data());
    std::vector<int> rohy;
    for (const RECT& s : r)
        rohy.insert(rohy.end(), {s.left, s.top});
    rohy.resize(18);
    EXPECT_EQ(rohy, (std::vector<int>{99, 89, 141, 89, 99, 141, 141, 141, 101, 101, 139, 101, 101,
                                      129, 139, 129, 120, 115}));
    for (int i = 0; i < 9; ++i)
        EXPECT_GE(Medzera(r[9], r[i]), 2) << i;
    RozmiestniCisla(box.data(), velkosti.data(), 2, RECT{90, 80, 130, 100}, r.data());
    EXPECT_EQ((std::vector<int>{r[0].left, r[0].top, r[1].left, r[1].right}),
              (std::vector<int>{99, 89, 90, 90}));
    for (int dpi : {96, 144}) {
        std::vector<RECT> boxy, stitky(96);
        std::vector<SIZE> velkost;
        for (int i = 0; i < 96; ++i) {
            const LONG bx = 500 + 18 * (i % 12), by = 300 + 18 * (i / 12);
            boxy.push_back(RECT{bx, by, bx + 15, by + 15});
            velkost.push_back(SIZE{Skaluj(i < 9 ? 13 : 20, dpi), Skaluj(17, dpi)});
        }
        const RECT oblast = OblastObrysov(boxy.data(), 1, 96, Skaluj(96, dpi), obrazovka);
        RozmiestniCisla(boxy.data(), velkost.data(), 96, oblast, stitky.data());
        for (int i = 0; i < 96; ++i) {
            const RECT& s = stitky[i];
            EXPECT_EQ(std::make_pair(s.right - s.left, s.bottom - s.top),
                      std::make_pair(velkost[i].cx, velkost[i].cy));
            const RECT v = {std::max(s.left, oblast.left), std::max(s.top, oblast.top),
                            std::min(s.right, oblast.right), std::min(s.bottom, oblast.bottom)};
            EXPECT_EQ((std::vector<LONG>{v.left, v.top, v.right, v.bottom}),
                      (std::vector<LONG>{s.left, s.top, s.right, s.bottom}))
                << "whole in the area: " << i << " at " << dpi;
            for (int j = 0; j < i; ++j)
                EXPECT_GE(Medzera(s, stitky[j]), 2) << i << " and " << j << " at " << dpi;
        }
    }
}

// The test prefix's wide faces, DejaVu Sans and DejaVu Sans Condensed: advances of x y R G B = -
// and a digit, in 2048ths of the height. Rounded per glyph, they give the widths wine measures.
const int kDejaVu[2][8] = {{1212, 1212, 1423, 1587, 1405, 1716, 739, 1303},
                           {1090, 1090, 1280, 1428, 1264, 1544, 665, 1172}};

static int SirkaDejaVu(const char* text, int vyska, void* tvar) {
    int sirka = 0;
    for (const char* c = text; *c; ++c) {
        const char* znak = std::strchr("xyRGB=-", *c);
        const int advance = static_cast<const int*>(tvar)[znak ? znak - "xyRGB=-" : 7];
        sirka += (advance * vyska + 1024) / 2048;
    }
    return sirka;
}

// Face, dpi, x, y, R, G, B; the font height chosen, and 1 where the fields stand at their places.
// Where the texts fit, the places of the fixed layout; a wider text pushes those after it, the
// last ones move back into the strip, and five-digit coordinates shrink the font.
TEST(Kreslenie, ReadoutFieldsApartAndInTheStrip) {
    // clang-format off
    const int pripady[][9] = {
        {1, 96, 0, 0, 0, 0, 0, 11, 1}, {0, 144, 0, 0, 0, 0, 0, 17, 1}, {1, 96, 1919, 1199, 255, 255, 255, 11, 1},
        {1, 144, 1919, 1199, 255, 255, 255, 17, 0}, {0, 96, 1919, 1199, 255, 255, 255, 10, 0},
        {0, 144, 1919, 1199, 255, 255, 255, 16, 0}, {0, 96, -32768, -32768, 255, 255, 255, 9, 0},
        {1, 144, -32768, -32768, 255, 255, 255, 16, 0}, {1, 96, -1280, 1079, 170, 170, 170, 11, 0},
        {0, 96, 600, 500, 255, 255, 255, 11, 0}};
    // clang-format on
    const char* const formaty[POCET_UDAJOV] = {"x=%d", "y=%d", "R=%d", "G=%d", "B=%d"};
    for (const auto& p : pripady) {
        char texty[POCET_UDAJOV][NAPIS_BUFFER];
        const char* zoznam[POCET_UDAJOV];
        for (int i = 0; i < POCET_UDAJOV; ++i) {
            FormatujNapis(texty[i], formaty[i], p[2 + i]);
            zoznam[i] = texty[i];
        }
        const int dpi = p[1];
        void* tvar = const_cast<int*>(kDejaVu[p[0]]);
        int x[POCET_UDAJOV];
        const int vyska = RozlozUdaj(zoznam, 0, 214, dpi, SirkaDejaVu, tvar, x);
        const std::string pripad =
            std::string(texty[0]) + " at " + std::to_string(dpi) + " face " + std::to_string(p[0]);
        EXPECT_EQ(vyska, p[7]) << pripad;
        const int medzera = Skaluj(MEDZERA_UDAJOV, dpi);
        EXPECT_EQ(x[0], Skaluj(10, dpi)) << pripad;
        for (int i = 1; i < POCET_UDAJOV; ++i)
            EXPECT_GE(x[i] - x[i - 1] - SirkaDejaVu(zoznam[i - 1], vyska, tvar), medzera)
                << pripad << " before " << zoznam[i];
        EXPECT_LE(x[4] + SirkaDejaVu(zoznam[4], vyska, tvar), Skaluj(214, dpi) - Skaluj(1, dpi))
            << pripad;
        const std::vector<int> miesta = {Skaluj(10, dpi), Skaluj(50, dpi), Skaluj(100, dpi),
                                         Skaluj(137, dpi), Skaluj(176, dpi)};
        if (p[8]) {
            EXPECT_EQ(std::vector<int>(x, x + POCET_UDAJOV), miesta) << pripad;
        }
    }
}
