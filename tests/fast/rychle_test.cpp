// The fast search against the plain one on seeded random screens of every kind.
#include "search/hladanie.h"
#include "tests/oracle/hladanie_doslovne.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

struct Obrazovka {
    int sirka, vyska, krok;
    std::vector<COLORREF> farby;
};
struct Nastavenie {
    RECT okno;
    unsigned pasmo;
    int minVelkost, percento, kapacita;
};

std::mt19937 g;

int N(int od, int po) {
    return std::uniform_int_distribution<int>(od, po)(g);
}

COLORREF Seda(unsigned pasmo) {
    return (32u * (pasmo % 8u) + static_cast<unsigned>(N(0, 31))) * 0x010101u;
}

// A shape's colour: mostly a grey of the band, else one that must not count.
COLORREF Farba(unsigned pasmo) {
    const COLORREF seda = Seda(pasmo);
    switch (N(0, 9)) {
    case 6:
        return Seda(pasmo + static_cast<unsigned>(N(1, 7)));
    case 7:
        return seda ^ (1u << N(0, 23));
    case 8:
        return seda | static_cast<COLORREF>(N(1, 255)) << 24;
    case 9:
        return static_cast<COLORREF>(g());
    default:
        return seda;
    }
}

// Shapes in a w x h box with stroke a: pixel (i, j) of the box is drawn when true. Boxes, frames,
// ellipses, triangles, U and n, combs, diagonals, rows with gaps, noise patches, scattered points.
using Tvar = bool (*)(int i, int j, int w, int h, int a);
const Tvar kTvary[] = {
    [](int, int, int, int, int) { return true; },
    [](int i, int j, int w, int h, int a) { return i < a || j < a || i >= w - a || j >= h - a; },
    [](int i, int j, int w, int h, int) {
        return (2 * i - w + 1) * (2 * i - w + 1) * h * h +
                   (2 * j - h + 1) * (2 * j - h + 1) * w * w <=
               w * w * h * h;
    },
    [](int i, int j, int, int, int) { return i <= j; },
    [](int i, int j, int w, int h, int a) { return i < a || i >= w - a || j >= h - a; },
    [](int i, int j, int w, int, int a) { return i < a || i >= w - a || j < a; },
    [](int i, int j, int, int, int a) { return j == 0 || i % (a + 2) < a; },
    [](int i, int j, int, int h, int a) { return j == h - 1 || i % (a + 2) < a; },
    [](int i, int j, int, int, int) { return i == j || i == j + 1; },
    [](int, int j, int, int, int a) { return j % (a + 2) != 0 && N(0, 6) != 0; },
    [](int, int, int, int, int a) { return N(0, 3) < a; },
    [](int, int, int, int, int) { return N(0, 40) == 0; },
};

// Noise of density sum tenths over white and black, or shapes over a background. The stride's
// spare columns are band grey, so a search reading past the width shows.
Obrazovka NahodnaObrazovka(int sirka, int vyska, unsigned pasmo, int sum) {
    const COLORREF pozadia[] = {0xFFFFFF, 0xF0F0F0, 0, 0x336699, 0xFFFFFFFF, Seda(pasmo)};
    Obrazovka o = {sirka, vyska, sirka + (N(0, 1) ? N(1, 5) : 0), {}};
    o.farby.assign(static_cast<size_t>(o.krok) * vyska, pozadia[N(0, 5)]);
    for (int y = 0; y < vyska; y++)
        for (int x = 0; x < o.krok; x++)
            if (x >= sirka || sum > 0)
                o.farby[y * o.krok + x] =
                    x >= sirka || N(1, 10) <= sum ? Seda(pasmo) : N(0, 1) * 0xFFFFFFu;
    for (int t = sum > 0 ? 0 : N(0, 2 + sirka * vyska / 120); t > 0; t--) {
        const int x0 = N(-8, sirka + 2), y0 = N(-8, vyska + 2), w = N(1, 24), h = N(1, 24);
        const int a = N(1, 3);
        const Tvar tvar = kTvary[N(0, 11)];
        const COLORREF farba = Farba(pasmo);
        const bool pestra = N(0, 6) == 0; // each pixel its own grey of the band
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++)
                if (x0 + i >= 0 && x0 + i < sirka && y0 + j >= 0 && y0 + j < vyska &&
                    tvar(i, j, w, h, a))
                    o.farby[(y0 + j) * o.krok + x0 + i] = pestra ? Seda(pasmo) : farba;
    }
    return o;
}

// Far away, inside, over everything, empty (left > right) or out to the extremes; at the word
// boundaries its columns lie around multiples of 64.
RECT NahodneOkno(const Obrazovka& o, bool slova) {
    const int hrany[] = {-1, 0, 62, 63, 64, 65, 127, 128};
    const int x = slova ? hrany[N(0, 7)] : N(-5, o.sirka + 5), y = N(-5, o.vyska + 5);
    switch (slova ? 2 : N(0, 6)) {
    case 0:
    case 1:
        return {-1000, -1000, -900, -900};
    case 2:
        return {x, y, slova ? hrany[N(0, 7)] : x + N(0, o.sirka), y + N(0, o.vyska)};
    case 3:
        return {-3, -3, o.sirka + 3, o.vyska + 3};
    case 4:
        return {x, y, x - N(1, 5), y + N(0, o.vyska)};
    case 5:
        return {INT_MIN, y, x, INT_MAX};
    default:
        return {x, INT_MIN, INT_MAX, y};
    }
}

unsigned NahodnePasmo() {
    const int druh = N(0, 9);
    return druh < 8 ? druh : druh == 8 ? N(8, 40) : 0xFFFFFFF8u + N(0, 7);
}

// Both searches give the same count and entries, and neither writes past the capacity.
void Porovnaj(const Obrazovka& o, const Nastavenie& n, unsigned semeno) {
    std::vector<POINT> s[2];
    std::vector<RECT> b[2];
    int pocet[2];
    for (int k = 0; k < 2; k++) {
        s[k].assign(n.kapacita + 3, POINT{0x5A5A5A5A, -7});
        b[k].assign(n.kapacita + 3, RECT{-3, 3, -3, 3});
        pocet[k] = (k ? HladajObjekty : HladajObjektyDoslovne)(
            o.farby.data(), o.krok, o.sirka, o.vyska, n.okno, n.pasmo, n.minVelkost, n.percento,
            s[k].data(), b[k].data(), n.kapacita);
    }
    SCOPED_TRACE(testing::Message()
                 << "seed " << semeno << ", " << o.sirka << "x" << o.vyska << " stride " << o.krok
                 << " window " << n.okno.left << "," << n.okno.top << "," << n.okno.right << ","
                 << n.okno.bottom << " band " << n.pasmo << " size " << n.minVelkost << " fill "
                 << n.percento << " capacity " << n.kapacita);
    ASSERT_EQ(pocet[0], pocet[1]);
    for (size_t i = 0; i < s[0].size(); i++) {
        ASSERT_TRUE(!memcmp(&s[0][i], &s[1][i], sizeof(POINT))) << "centre " << i;
        ASSERT_TRUE(!memcmp(&b[0][i], &b[1][i], sizeof(RECT))) << "box " << i;
    }
    ASSERT_EQ(s[1][n.kapacita].x, 0x5A5A5A5A) << "written past the capacity";
}

// Screens of each kind: seeds, sizes, noise density in tenths (0: shapes), windows about the
// 64-pixel words of the rows' masks (widths too: 63, 64, 65, 127, 128, 129, 192).
struct Druh {
    unsigned semeno, pocet;
    int sirka, vyska, najmenej, sumOd, sumDo;
    bool slova;
};
const Druh kDruhy[] = {
    {0, 3000, 48, 48, 1, 0, 0, false},
    {100000, 100, 260, 200, 60, 0, 0, false},
    {200000, 100, 100, 80, 1, 1, 9, false},
    {300000, 300, 0, 12, 12, 0, 9, true},
};

TEST(RychleHladanie, AgreesWithThePlainSearchOnEveryKindOfScreen) {
    const int sirky[] = {63, 64, 65, 127, 128, 129, 192};
    for (const Druh& d : kDruhy)
        for (unsigned semeno = d.semeno; semeno < d.semeno + d.pocet; semeno++) {
            g.seed(semeno);
            const int sirka = d.slova ? sirky[N(0, 6)] : N(d.najmenej, d.sirka);
            const Nastavenie n = {{},
                                  NahodnePasmo(),
                                  N(0, d.sumDo ? 4 : 15),
                                  N(0, 100),
                                  N(0, 5) == 0 ? N(0, 3) : 1000};
            const Obrazovka o =
                NahodnaObrazovka(sirka, N(d.najmenej, d.vyska), n.pasmo, N(d.sumOd, d.sumDo));
            // Twice on each screen: the tables are reused at the same size.
            for (int okno = 0; okno < 2; okno++)
                ASSERT_NO_FATAL_FAILURE(Porovnaj(
                    o, {NahodneOkno(o, d.slova), n.pasmo, n.minVelkost, n.percento, n.kapacita},
                    semeno));
        }
}

} // namespace
