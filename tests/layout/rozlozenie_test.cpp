// The face's platform-free parts: arrow vertices, row layout, text formatting, code page 1250.
#include "layout/rozlozenie.h"

#include <gtest/gtest.h>

#include <iconv.h>

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

// Two monitors. The boxes' area grown by 64, cut to the screen; a 20 x 10 label above the
// outline's corner, below the box at the screen's top, pulled in at the edges.
TEST(Kreslenie, OutlineAreaAndNumberLabels) {
    const RECT obrazovka = {-1920, 0, 1920, 1080};
    const RECT b[] = {
        {100, 100, 139, 129}, {-1920, 5, -1900, 30}, {1910, 500, 1919, 509}, {0, 0, 1919, 1079}};
    const std::vector<int> oblasti[] = {
        {1, 3, -1920, 0, 1920, 574}, {4, 4, -64, 0, 1920, 1080}, {1, 0, -1920, 0, -1920, 0}};
    for (const auto& o : oblasti) {
        const RECT r = OblastObrysov(b, o[0], o[1], 64, obrazovka);
        EXPECT_EQ((std::vector<int>{o[0], o[1], r.left, r.top, r.right, r.bottom}), o);
    }
    const int stitky[][2] = {{99, 89}, {-1920, 32}, {1900, 489}, {-1, 1070}};
    for (int i = 0; i < 4; ++i) {
        const POINT p = PolohaCisla(b[i], SIZE{20, 10}, obrazovka);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(stitky[i][0], stitky[i][1])) << i;
    }
}
