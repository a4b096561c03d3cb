// Pixel tables and file reading for the tests; random screens the fast and plain search agree on.
#pragma once

#include "search/hladanie.h"
#include "tests/oracle/hladanie_doslovne.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

struct Obrazovka {
    int sirka, vyska, krok;
    std::vector<COLORREF> farby;
};

constexpr RECT kNoWindow = {-1000, -1000, -900, -900};
using V = std::vector<std::array<int, 6>>; // centre x, y, then box left, top, right, bottom

// Boxes (left, top, right, bottom, colour: grey 64 if none) drawn in turn over a background.
inline Obrazovka Boxes(int w, int h, std::vector<std::vector<int>> boxes, COLORREF c = 0xFFFFFF) {
    Obrazovka im = {w, h, w, std::vector<COLORREF>(static_cast<size_t>(w) * h, c)};
    for (const auto& b : boxes)
        for (int y = b[1]; y <= b[3]; ++y)
            for (int x = b[0]; x <= b[2]; ++x)
                im.farby[static_cast<size_t>(y) * w + x] = b.size() > 4 ? b[4] : 0x404040;
    return im;
}

// Rows split by '|': '#' is grey 64, anything else white.
inline Obrazovka Art(const std::string& art) {
    const int w = static_cast<int>(art.find('|') == std::string::npos ? art.size() : art.find('|'));
    Obrazovka im = Boxes(w, static_cast<int>(art.size() + 1) / (w + 1), {});
    for (size_t i = 0; i < art.size(); ++i)
        if (art[i] == '#')
            im.farby[i / (w + 1) * w + i % (w + 1)] = 0x404040;
    return im;
}

inline V Search(const Obrazovka& im, Odtien shade = {2}, int min_size = 1, int fill = 0,
                RECT window = kNoWindow) {
    std::vector<POINT> c(1000);
    std::vector<RECT> b(c.size());
    V out(std::max(0, HladajObjekty(im.farby.data(), im.krok, im.sirka, im.vyska, window, shade,
                                    min_size, fill, 0, c.data(), b.data(), 1000)));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = {c[i].x, c[i].y, b[i].left, b[i].top, b[i].right, b[i].bottom};
    return out;
}

// The whole file, byte for byte; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Everything random comes from the seeded generator, or from the fuzzer's bytes while there are
// any (then 0, so every draw ends at its smallest value).
inline std::mt19937 g;
inline const uint8_t* g_bajty = nullptr;
inline size_t g_precitane = 0, g_bajtov = 0;

// A number from od to po: a byte for every 8 bits of the range, or from the generator.
inline int N(int od, int po) {
    if (g_bajty == nullptr)
        return std::uniform_int_distribution<int>(od, po)(g);
    unsigned v = 0;
    for (unsigned rozsah = static_cast<unsigned>(po - od); rozsah > 0; rozsah >>= 8)
        v = v << 8 | (g_precitane < g_bajtov ? g_bajty[g_precitane++] : 0);
    return od + static_cast<int>(v % (static_cast<unsigned>(po - od) + 1));
}

inline COLORREF Seda(unsigned pasmo) {
    return (32u * (pasmo % 8u) + static_cast<unsigned>(N(0, 31))) * 0x010101u;
}

// A band setting: mostly 0 to 7, sometimes above (taken modulo 8).
inline unsigned NahodnePasmo() {
    return N(0, 9) < 8 ? N(0, 7) : N(0, 1) ? N(8, 40) : 0xFFFFFFF8u + N(0, 7);
}

// A shade: mostly the band's exact greys, else near greys or colours near a target, of a tolerance
// up to 64 (at times outside 0..64), the grey band at times named by a top byte other than
// kBezFarby.
inline Odtien NahodnyOdtien() {
    const unsigned pasmo = NahodnePasmo();
    const int odchylky[] = {0, 0, 0, 0, N(1, 12), N(1, 12), N(13, 64), 64, N(-3, -1), N(65, 300)};
    const COLORREF farba = static_cast<COLORREF>(N(0, 0xFFFFFF)),
                   ina = static_cast<COLORREF>(N(1, 255)) << 24 | farba;
    const int druh = N(0, 7); // greys 0 to 4, named by another top byte 5; a colour 6 and 7
    return Odtien{pasmo, odchylky[N(0, 9)], druh < 5 ? kBezFarby : druh == 5 ? ina : farba};
}

// The shade's centre, a grey of the band or the target, each channel moved by its distance in d.
inline COLORREF Posun(const Odtien& o, const int* d) {
    const COLORREF stred = o.farba >> 24 ? Seda(o.stupen_sedi) : o.farba;
    COLORREF farba = 0;
    for (int i = 0; i < 3; i++)
        farba |= static_cast<COLORREF>(std::clamp<int>((stred >> 8 * i & 0xFF) + d[i], 0, 255))
                 << 8 * i;
    return farba;
}

// Mostly of the shade (a near grey's channels within K / 2 of a grey of the band, a colour's within
// K of the target), at times one channel just K or K + 1 away.
inline COLORREF Blizka(const Odtien& o) {
    const int k = std::clamp(o.odchylka, 0, 64), p = o.farba >> 24 ? k / 2 : k;
    const int d[] = {N(-p, p), N(-p, p), N(-p, p)}, i = N(0, 2),
              hrana = (N(0, 1) ? 1 : -1) * (k + N(0, 1));
    const int h[] = {i == 0 ? hrana : 0, i == 1 ? hrana : 0, i == 2 ? hrana : 0};
    return Posun(o, N(0, 5) ? d : h);
}

// A shape's colour: mostly of the shade, else another band's grey, one bit off, one with a top
// byte, any.
inline COLORREF Farba(const Odtien& o) {
    const COLORREF blizka = Blizka(o),
                   ine[] = {Seda(o.stupen_sedi + static_cast<unsigned>(N(1, 7))),
                            blizka ^ (1u << N(0, 23)),
                            blizka | static_cast<COLORREF>(N(1, 255)) << 24,
                            static_cast<COLORREF>(N(0, INT_MAX))};
    return N(0, 9) < 6 ? blizka : ine[N(0, 3)];
}

// In a w x h box, stroke a: box, frame, ellipse, triangle, U, n, combs, diagonal, gaps, noise,
// dots.
// clang-format off
inline bool Tvar(int t, int i, int j, int w, int h, int a) {
    const int x = 2 * i - w + 1, y = 2 * j - h + 1;
    const bool tvary[] = {true, i < a || j < a || i >= w - a || j >= h - a,
                          x * x * h * h + y * y * w * w <= w * w * h * h, i <= j,
                          i < a || i >= w - a || j >= h - a, i < a || i >= w - a || j < a,
                          j == 0 || i % (a + 2) < a, j == h - 1 || i % (a + 2) < a, i == j || i == j + 1};
    return t < 9 ? tvary[t] : t == 9 ? j % (a + 2) != 0 && N(0, 6) != 0 : t == 10 ? N(0, 3) < a
                                                                                  : N(0, 40) == 0;
}
// clang-format on

// Noise of sum tenths over white and black, or shapes on a background; the shade past the width.
inline Obrazovka NahodnaObrazovka(int sirka, int vyska, const Odtien& odtien, int sum) {
    const COLORREF pozadia[] = {0xFFFFFF, 0xF0F0F0, 0, 0x336699, 0xFFFFFFFF, Blizka(odtien)};
    Obrazovka o = {sirka, vyska, sirka + (N(0, 1) ? N(1, 5) : 0), {}};
    o.farby.assign(static_cast<size_t>(o.krok) * vyska, pozadia[N(0, 5)]);
    for (int y = 0; y < vyska; y++)
        for (int x = 0; x < o.krok; x++)
            if (x >= sirka || sum > 0)
                o.farby[y * o.krok + x] =
                    x >= sirka || N(1, 10) <= sum ? Blizka(odtien) : N(0, 1) * 0xFFFFFFu;
    for (int t = sum > 0 ? 0 : N(0, 2 + sirka * vyska / 120); t > 0; t--) {
        const int x0 = N(-8, sirka + 2), y0 = N(-8, vyska + 2), w = N(1, 24), h = N(1, 24),
                  a = N(1, 3), tvar = N(0, 11);
        const COLORREF farba = Farba(odtien);
        const bool pestra = N(0, 6) == 0; // each pixel its own colour of the shade
        for (int j = std::max(0, -y0); j < h && y0 + j < vyska; j++)
            for (int i = std::max(0, -x0); i < w && x0 + i < sirka; i++)
                if (Tvar(tvar, i, j, w, h, a))
                    o.farby[(y0 + j) * o.krok + x0 + i] = pestra ? Blizka(odtien) : farba;
    }
    return o;
}

// Far away, inside, over all, empty (left > right), to the extremes; at word edges: around 64s.
inline RECT NahodneOkno(const Obrazovka& o, bool slova) {
    const int hrany[] = {-1, 0, 62, 63, 64, 65, 127, 128};
    const int x = slova ? hrany[N(0, 7)] : N(-5, o.sirka + 5), y = N(-5, o.vyska + 5);
    const RECT okna[] = {{-1000, -1000, -900, -900},
                         {x, y, slova ? hrany[N(0, 7)] : x + N(0, o.sirka), y + N(0, o.vyska)},
                         {-3, -3, o.sirka + 3, o.vyska + 3},
                         {x, y, x - N(1, 5), y + N(0, o.vyska)},
                         {INT_MIN, y, x, INT_MAX},
                         {x, INT_MIN, INT_MAX, y}};
    return okna[slova ? 1 : std::max(0, N(-1, 5))];
}

// One search's count, then its entries up to the last it wrote, those past the count included.
inline std::vector<std::string> Stopa(decltype(&HladajObjekty) hladaj, const Obrazovka& o,
                                      RECT okno, Odtien odtien, int velkost, int percento,
                                      int kapacita, int spajanie) {
    const POINT s0 = {0x5A5A5A5A, -7}; // what no search writes
    const RECT b0 = {-3, 3, -3, 3};
    std::vector<POINT> s(kapacita + 3, s0);
    std::vector<RECT> b(kapacita + 3, b0);
    std::vector<std::string> t = {
        std::to_string(hladaj(o.farby.data(), o.krok, o.sirka, o.vyska, okno, odtien, velkost,
                              percento, spajanie, s.data(), b.data(), kapacita))};
    size_t n = s.size();
    while (n > 0 && !std::memcmp(&s[n - 1], &s0, sizeof s0) &&
           !std::memcmp(&b[n - 1], &b0, sizeof b0))
        n--;
    for (size_t i = 0; i < n; i++) {
        std::ostringstream z;
        z << s[i].x << "," << s[i].y << " " << b[i].left << "," << b[i].top << "," << b[i].right
          << "," << b[i].bottom;
        t.push_back(z.str());
    }
    return t;
}

// Where the fast and the plain search first differ in the groupings given (by rows, and by pixels
// touching along a side or also at a corner): the count, or an entry, those past the count
// included. Empty when they agree.
inline std::string Nezhoda(const Obrazovka& o, RECT okno, Odtien odtien, int velkost, int percento,
                           int kapacita, std::vector<int> spajania = {0, 4, 8}) {
    for (int sp : spajania) {
        const auto r = Stopa(HladajObjekty, o, okno, odtien, velkost, percento, kapacita, sp);
        const auto d =
            Stopa(HladajObjektyDoslovne, o, okno, odtien, velkost, percento, kapacita, sp);
        const auto [x, y] = std::mismatch(r.begin(), r.end(), d.begin(), d.end());
        if (x != r.end() || y != d.end())
            return "grouping " + std::to_string(sp) + ", " +
                   (x == r.begin() ? "count" : "entry " + std::to_string(x - r.begin() - 1)) +
                   ": the fast search " + (x != r.end() ? *x : "none") + ", the plain " +
                   (y != d.end() ? *y : "none");
    }
    return "";
}

// Screens of each kind (seeds, how many, the largest width and height, the smallest side, noise
// density in tenths, 0: shapes; widths and windows about the 64-pixel words of the rows' masks),
// each with its settings, searched under two windows (the tables reused at the same size).
inline const int kDruhy[][8] = {{0, 3000, 48, 48, 1, 0, 0, 0},
                                {100000, 100, 260, 200, 60, 0, 0, 0},
                                {200000, 100, 100, 80, 1, 1, 9, 0},
                                {300000, 300, 0, 12, 12, 0, 9, 1}};
inline std::string NezhodaNaNahodnej(const int* d) {
    const int sirky[] = {63, 64, 65, 127, 128, 129, 192};
    const int sirka = d[7] ? sirky[N(0, 6)] : N(d[4], d[2]);
    const Odtien odtien = NahodnyOdtien();
    const int velkost = N(0, d[6] ? 4 : 15), percento = N(0, 100),
              kapacita = N(0, 5) ? 1000 : N(0, 3);
    const Obrazovka o = NahodnaObrazovka(sirka, N(d[4], d[3]), odtien, N(d[5], d[6]));
    const std::string prva = Nezhoda(o, NahodneOkno(o, d[7]), odtien, velkost, percento, kapacita);
    if (!prva.empty())
        return prva;
    return Nezhoda(o, NahodneOkno(o, d[7]), odtien, velkost, percento, kapacita);
}
