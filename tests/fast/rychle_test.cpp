// The fast search against the plain one on seeded random screens, and a few hand-checked screens.
#include "search/hladanie.h"
#include "tests/fast/nahodna_obrazovka.h"
#include "tests/oracle/hladanie_doslovne.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

typedef int (*Hladanie)(const COLORREF*, int, int, int, RECT, unsigned, int, int, int, POINT*,
                        RECT*, int);

struct Nastavenie {
    RECT okno;
    unsigned pasmo;
    int minVelkost;
    int percento;
    int kapacita;
};

struct Vysledok {
    int pocet;
    std::vector<POINT> stredy;
    std::vector<RECT> boxy;
};

const int kRezerva = 3;
const POINT kPrazdnyStred = {0x5A5A5A5A, -0x5A5A5A5A};
const RECT kPrazdnyBox = {-0x3C3C3C3C, 0x3C3C3C3C, -0x3C3C3C3C, 0x3C3C3C3C};
const RECT kDaleko = {-1000, -1000, -900, -900};

// Runs a search with room for kapacita results and a few guard entries behind them.
Vysledok Spusti(Hladanie h, const Obrazovka& o, const Nastavenie& n, int spajanie = 0) {
    Vysledok v;
    v.stredy.assign(static_cast<size_t>(n.kapacita) + kRezerva, kPrazdnyStred);
    v.boxy.assign(static_cast<size_t>(n.kapacita) + kRezerva, kPrazdnyBox);
    v.pocet = h(o.farby.data(), o.krok, o.sirka, o.vyska, n.okno, n.pasmo, n.minVelkost, n.percento,
                spajanie, v.stredy.data(), v.boxy.data(), n.kapacita);
    return v;
}

bool RovnakeBody(const POINT& a, const POINT& b) {
    return a.x == b.x && a.y == b.y;
}

bool RovnakeBoxy(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Popis(const Obrazovka& o, const Nastavenie& n, int spajanie) {
    std::ostringstream s;
    s << "spajanie " << spajanie << " " << o.sirka << "x" << o.vyska << " krok " << o.krok
      << " okno " << n.okno.left << "," << n.okno.top << "," << n.okno.right << "," << n.okno.bottom
      << " pasmo " << n.pasmo << " min " << n.minVelkost << " vypln " << n.percento << " kapacita "
      << n.kapacita;
    return s.str();
}

// In every grouping both searches give the same count and the same entries, and neither touches
// the guard entries.
::testing::AssertionResult Zhoda(const Obrazovka& o, const Nastavenie& n, int spajanie);

::testing::AssertionResult Zhoda(const Obrazovka& o, const Nastavenie& n) {
    for (int spajanie : {0, 4, 8})
        if (::testing::AssertionResult a = Zhoda(o, n, spajanie); !a)
            return a;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Zhoda(const Obrazovka& o, const Nastavenie& n, int spajanie) {
    Vysledok d = Spusti(HladajObjektyDoslovne, o, n, spajanie);
    Vysledok r = Spusti(HladajObjekty, o, n, spajanie);
    if (d.pocet != r.pocet)
        return ::testing::AssertionFailure()
               << Popis(o, n, spajanie) << ": plain found " << d.pocet << ", fast " << r.pocet;
    for (size_t i = 0; i < d.stredy.size(); i++) {
        if (!RovnakeBody(d.stredy[i], r.stredy[i]) || !RovnakeBoxy(d.boxy[i], r.boxy[i]))
            return ::testing::AssertionFailure()
                   << Popis(o, n, spajanie) << ": entry " << i << " plain (" << d.stredy[i].x << ","
                   << d.stredy[i].y << ") " << d.boxy[i].left << "," << d.boxy[i].top << ","
                   << d.boxy[i].right << "," << d.boxy[i].bottom << " fast (" << r.stredy[i].x
                   << "," << r.stredy[i].y << ") " << r.boxy[i].left << "," << r.boxy[i].top << ","
                   << r.boxy[i].right << "," << r.boxy[i].bottom;
        bool zaKapacitou = static_cast<int>(i) >= n.kapacita;
        if (zaKapacitou &&
            (!RovnakeBody(r.stredy[i], kPrazdnyStred) || !RovnakeBoxy(r.boxy[i], kPrazdnyBox)))
            return ::testing::AssertionFailure()
                   << Popis(o, n, spajanie) << ": wrote past the capacity";
    }
    return ::testing::AssertionSuccess();
}

int Nahodne(std::mt19937& g, int od, int po) {
    return std::uniform_int_distribution<int>(od, po)(g);
}

// Inside, across an edge, covering everything, outside, empty (left > right), or extreme.
RECT NahodneOkno(std::mt19937& g, int sirka, int vyska) {
    int x = Nahodne(g, -5, sirka + 5);
    int y = Nahodne(g, -5, vyska + 5);
    switch (Nahodne(g, 0, 6)) {
    case 0:
    case 1:
        return kDaleko;
    case 2:
        return RECT{x, y, x + Nahodne(g, 0, sirka), y + Nahodne(g, 0, vyska)};
    case 3:
        return RECT{-3, -3, sirka + 3, vyska + 3};
    case 4:
        return RECT{x, y, x - Nahodne(g, 1, 5), y + Nahodne(g, 0, vyska)};
    case 5:
        return RECT{INT_MIN, y, x, INT_MAX};
    default:
        return RECT{x, INT_MIN, INT_MAX, y};
    }
}

unsigned NahodnePasmo(std::mt19937& g) {
    int druh = Nahodne(g, 0, 9);
    if (druh < 8)
        return static_cast<unsigned>(druh);
    if (druh == 8)
        return static_cast<unsigned>(Nahodne(g, 8, 40));
    return 0xFFFFFFF8u + static_cast<unsigned>(Nahodne(g, 0, 7));
}

Nastavenie NahodneNastavenie(std::mt19937& g, int sirka, int vyska) {
    Nastavenie n;
    n.okno = NahodneOkno(g, sirka, vyska);
    n.pasmo = NahodnePasmo(g);
    n.minVelkost = Nahodne(g, 0, 15);
    n.percento = Nahodne(g, 0, 100);
    n.kapacita = Nahodne(g, 0, 5) == 0 ? Nahodne(g, 0, 3) : 1000;
    return n;
}

// Compares the two searches on pocet seeded random screens of sizes within the bounds.
void PorovnajNahodne(unsigned prveSemeno, unsigned pocet, int sirkaDo, int vyskaDo, int najmenej) {
    for (unsigned semeno = prveSemeno; semeno < prveSemeno + pocet; semeno++) {
        std::mt19937 g(semeno);
        int sirka = Nahodne(g, najmenej, sirkaDo);
        int vyska = Nahodne(g, najmenej, vyskaDo);
        Nastavenie n = NahodneNastavenie(g, sirka, vyska);
        Obrazovka o = NahodnaObrazovka(g, sirka, vyska, n.pasmo);
        ASSERT_TRUE(Zhoda(o, n)) << "seed " << semeno;
    }
}

TEST(RychleHladanie, AgreesOnSmallRandomScreens) {
    PorovnajNahodne(0, 4000, 48, 48, 1);
}

TEST(RychleHladanie, AgreesOnLargerRandomScreens) {
    PorovnajNahodne(100000, 150, 260, 200, 60);
}

TEST(RychleHladanie, AgreesOnNoiseOfEveryDensityAndBand) {
    for (unsigned semeno = 0; semeno < 160; semeno++) {
        std::mt19937 g(200000 + semeno);
        unsigned pasmo = semeno % 8;
        double hustota = 0.1 + 0.8 * ((semeno / 8) % 10) / 9.0;
        int sirka = Nahodne(g, 1, 120);
        int vyska = Nahodne(g, 1, 90);
        Obrazovka o = SumovaObrazovka(g, sirka, vyska, pasmo, hustota);
        Nastavenie n = {kDaleko, pasmo, Nahodne(g, 0, 4), Nahodne(g, 0, 100), 100000};
        ASSERT_TRUE(Zhoda(o, n)) << "seed " << semeno;
        n.okno = NahodneOkno(g, sirka, vyska);
        ASSERT_TRUE(Zhoda(o, n)) << "seed " << semeno;
    }
}

TEST(RychleHladanie, AgreesOnOneScreenUnderEveryWindowPlacement) {
    std::mt19937 g(7);
    Obrazovka o = NahodnaObrazovka(g, 40, 30, 2);
    for (int x = -3; x <= 42; x += 3)
        for (int y = -3; y <= 32; y += 5)
            for (int w = 0; w <= 45; w += 9) {
                Nastavenie n = {RECT{x, y, x + w, y + w / 2}, 2, 2, 30, 1000};
                ASSERT_TRUE(Zhoda(o, n));
            }
}

// Rows are masked 64 pixels at a time: widths and window edges on both sides of a word boundary.
TEST(RychleHladanie, AgreesAroundWordBoundaries) {
    const int sirky[] = {63, 64, 65, 127, 128, 129, 192};
    const int hrany[] = {-1, 0, 62, 63, 64, 65, 127, 128};
    std::mt19937 g(5);
    for (int sirka : sirky)
        for (int l : hrany)
            for (int r : hrany) {
                Obrazovka o = Nahodne(g, 0, 1) == 0 ? NahodnaObrazovka(g, sirka, 12, 3)
                                                    : SumovaObrazovka(g, sirka, 12, 3, 0.6);
                Nastavenie n = {RECT{l, 2, r, 9}, 3, 1, 20, 1000};
                ASSERT_TRUE(Zhoda(o, n)) << l << ".." << r;
            }
}

TEST(RychleHladanie, AgreesAcrossSearchesOfChangingSize) {
    const int velkosti[][2] = {{30, 20}, {200, 150}, {30, 20}, {31, 20},   {30, 21},
                               {1, 1},   {300, 2},   {2, 300}, {200, 150}, {17, 64}};
    std::mt19937 g(11);
    for (int kolo = 0; kolo < 3; kolo++)
        for (const auto& v : velkosti) {
            Nastavenie n = NahodneNastavenie(g, v[0], v[1]);
            Obrazovka o = NahodnaObrazovka(g, v[0], v[1], n.pasmo);
            ASSERT_TRUE(Zhoda(o, n)) << v[0] << "x" << v[1];
        }
}

TEST(RychleHladanie, StopsAtTheCapacity) {
    Obrazovka o = ObrazovkaZTextu({"##.##.##.##.##", "##.##.##.##.##"});
    for (int kapacita = 0; kapacita <= 4; kapacita++) {
        Nastavenie n = {kDaleko, 2, 0, 0, kapacita};
        Vysledok r = Spusti(HladajObjekty, o, n);
        EXPECT_EQ(r.pocet, kapacita);
        ASSERT_TRUE(Zhoda(o, n));
    }
}

// Eight squares, one per band; each band setting finds exactly its own square, also for settings
// above 7 (taken modulo 8) and for colours that differ only in the top byte.
TEST(RychleHladanie, FindsOnlyTheGreysOfTheBand) {
    Obrazovka o = {80, 10, 80, std::vector<COLORREF>(800, 0x123456)};
    for (int b = 0; b < 8; b++)
        for (int y = 2; y < 6; y++)
            for (int x = b * 10; x < b * 10 + 4; x++)
                o.farby[y * 80 + x] = (32u * b + 31u - 3u * b) * 0x010101u;
    o.farby[3 * 80 + 1] |= 0x01000000u;
    const unsigned nastavenia[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 0xFFFFFFFFu};
    for (unsigned s : nastavenia) {
        Nastavenie n = {kDaleko, s, 1, 90, 10};
        Vysledok r = Spusti(HladajObjekty, o, n);
        ASSERT_EQ(r.pocet, 1) << s;
        int b = static_cast<int>(s % 8);
        EXPECT_EQ(r.boxy[0].left, b * 10) << s;
        EXPECT_EQ(r.stredy[0].y, 3) << s;
        ASSERT_TRUE(Zhoda(o, n));
    }
    Nastavenie plne = {kDaleko, 0, 1, 100, 10};
    EXPECT_EQ(Spusti(HladajObjekty, o, plne).pocet, 0);
}

// A missing table or a stride shorter than the width fails with -1, an empty screen finds nothing.
TEST(RychleHladanie, RejectsBadTablesAsThePlainSearchDoes) {
    std::vector<COLORREF> f(100, 64u * 0x010101u);
    POINT s[4];
    RECT b[4];
    for (int sp : {0, 4, 8}) {
        EXPECT_EQ(HladajObjekty(nullptr, 10, 10, 10, kDaleko, 2, 0, 0, sp, s, b, 4), -1);
        EXPECT_EQ(HladajObjekty(f.data(), 9, 10, 10, kDaleko, 2, 0, 0, sp, s, b, 4), -1);
        EXPECT_EQ(HladajObjekty(f.data(), 10, 0, 10, kDaleko, 2, 0, 0, sp, s, b, 4), 0);
        EXPECT_EQ(HladajObjekty(f.data(), 10, 10, -1, kDaleko, 2, 0, 0, sp, s, b, 4), 0);
        EXPECT_EQ(HladajObjekty(f.data(), 10, 10, 10, kDaleko, 2, 0, 0, sp, s, b, 4), 1);
    }
    const int zle[][3] = {{10, 10, 10}, {9, 10, 10}, {10, 0, 10}, {10, 10, 0}, {0, 0, 0}};
    for (const auto& z : zle) {
        const COLORREF* farby = z[0] == 0 ? nullptr : f.data();
        EXPECT_EQ(HladajObjekty(farby, z[0], z[1], z[2], kDaleko, 2, 0, 0, 0, s, b, 4),
                  HladajObjektyDoslovne(farby, z[0], z[1], z[2], kDaleko, 2, 0, 0, 0, s, b, 4));
    }
}

TEST(RychleHladanie, UShapeOfTheWorkedExample) {
    Obrazovka o = ObrazovkaZTextu({"##..##", "##..##", "##..##", "######"});
    Nastavenie n = {kDaleko, 2, 0, 75, 10};
    Vysledok r = Spusti(HladajObjekty, o, n);
    ASSERT_EQ(r.pocet, 1);
    EXPECT_TRUE(RovnakeBody(r.stredy[0], POINT{2, 1}));
    EXPECT_TRUE(RovnakeBoxy(r.boxy[0], RECT{0, 0, 5, 3}));
    n.percento = 76;
    EXPECT_EQ(Spusti(HladajObjekty, o, n).pocet, 0);
}

// The lone point above joins late through the gap of the seed's row and moves the top up; the
// points removed in front of the seed are not taken again from the vertical line below.
TEST(RychleHladanie, RowAboveTheTopJoinsAndNothingElseIsDropped) {
    Obrazovka o =
        ObrazovkaZTextu({".....#", "##.......##", "###########", "", "", "#", "#", "#", "#"});
    Nastavenie n = {kDaleko, 2, 1, 45, 10};
    Vysledok r = Spusti(HladajObjekty, o, n);
    ASSERT_EQ(r.pocet, 2);
    EXPECT_TRUE(RovnakeBoxy(r.boxy[0], RECT{0, 0, 10, 2}));
    EXPECT_TRUE(RovnakeBody(r.stredy[0], POINT{5, 1}));
    EXPECT_TRUE(RovnakeBoxy(r.boxy[1], RECT{0, 5, 0, 8}));
    EXPECT_TRUE(RovnakeBody(r.stredy[1], POINT{0, 6}));
    EXPECT_TRUE(Zhoda(o, n));
}

// The lone point is tried as a seed first; the block beside it is still found.
TEST(RychleHladanie, SeedRowIsRetriedAfterAFailedSeed) {
    Obrazovka o = ObrazovkaZTextu({"#....##", ".....##"});
    Nastavenie n = {kDaleko, 2, 2, 100, 10};
    Vysledok r = Spusti(HladajObjekty, o, n);
    ASSERT_EQ(r.pocet, 1);
    EXPECT_TRUE(RovnakeBoxy(r.boxy[0], RECT{5, 0, 6, 1}));
    EXPECT_TRUE(Zhoda(o, n));
}

// Row 1's left run joins going down but not going back up (row 2 only reaches the right run):
// the box keeps row 1's stored range while the count leaves the run out (13 of 30 pixels).
TEST(RychleHladanie, CountLeavesOutRunsTheClosingPassDoesNotReach) {
    Obrazovka o = ObrazovkaZTextu({"##########", "##......##", "........#."});
    Nastavenie n = {kDaleko, 2, 1, 43, 10};
    Vysledok r = Spusti(HladajObjekty, o, n);
    ASSERT_EQ(r.pocet, 1);
    EXPECT_TRUE(RovnakeBoxy(r.boxy[0], RECT{0, 0, 9, 2}));
    EXPECT_TRUE(RovnakeBody(r.stredy[0], POINT{4, 1}));
    n.percento = 44;
    EXPECT_EQ(Spusti(HladajObjekty, o, n).pocet, 0);
    EXPECT_TRUE(Zhoda(o, n));
}

// The closing pass stops at row 1 (its runs miss row 2's range), so the first object is the single
// pixel of row 2 with the box down from the seed's row; the rest of the blob is found again from
// the same seed as a second object.
TEST(RychleHladanie, BlobCutShortIsFoundTwice) {
    Obrazovka o = ObrazovkaZTextu({"##########", "#........#", ".....#...."});
    Nastavenie n = {kDaleko, 2, 0, 0, 10};
    Vysledok r = Spusti(HladajObjekty, o, n);
    ASSERT_EQ(r.pocet, 2);
    EXPECT_TRUE(RovnakeBoxy(r.boxy[0], RECT{5, 0, 5, 2}));
    EXPECT_TRUE(RovnakeBoxy(r.boxy[1], RECT{0, 0, 9, 1}));
    EXPECT_TRUE(RovnakeBody(r.stredy[1], POINT{4, 0}));
    EXPECT_TRUE(Zhoda(o, n));
}

// Screens that tell the groupings apart: a diagonal chain, squares meeting at a corner, buttons
// with a 1-px border in a panel of their grey, a hollow frame around a block, a shape whose first
// pixel lies a row above the other's. Per grouping (rows, 4, 8) the boxes found, in order.
TEST(RychleHladanie, GroupingsTellObjectsApart) {
    struct Pripad {
        int minVelkost;
        int percento;
        std::string obraz;   // rows separated by '|'
        const char* boxy[3]; // by rows, 4, 8
    };
    const Pripad pripady[] = {
        {1, 0, "#....|.#...|..#..|...#.|....#", "", "0,0,0,0 1,1,1,1 2,2,2,2 3,3,3,3 4,4,4,4",
         "0,0,4,4"},
        {2, 50, "##..|##..|..##|..##", "0,0,1,1 2,2,3,3", "0,0,1,1 2,2,3,3", "0,0,3,3"},
        {3, 50,
         "#############|#.....#.....#|#.###.#.###.#|#.###.#.###.#|#.###.#.###.#|#.....#.....#|"
         "#############",
         "0,0,12,6", "2,2,4,4 8,2,10,4", "2,2,4,4 8,2,10,4"},
        {2, 60, "########|#......#|#.####.#|#.####.#|#......#|########", "0,0,7,5", "2,2,5,3",
         "2,2,5,3"},
        {2, 0, ".....##|##...##|##.###.|..##...", "2,0,6,3 0,1,1,2", "2,0,6,3 0,1,1,2", "0,0,6,3"},
    };
    for (const Pripad& p : pripady) {
        std::vector<std::string> riadky(1);
        for (char z : p.obraz)
            if (z == '|')
                riadky.emplace_back();
            else
                riadky.back().push_back(z);
        std::vector<const char*> text;
        for (const std::string& r : riadky)
            text.push_back(r.c_str());
        Obrazovka o = ObrazovkaZTextu(text);
        Nastavenie n = {kDaleko, 2, p.minVelkost, p.percento, 100};
        for (int i = 0; i < 3; i++) {
            Vysledok r = Spusti(HladajObjekty, o, n, i * 4);
            std::ostringstream boxy;
            for (int j = 0; j < r.pocet; j++)
                boxy << (j ? " " : "") << r.boxy[j].left << "," << r.boxy[j].top << ","
                     << r.boxy[j].right << "," << r.boxy[j].bottom;
            EXPECT_EQ(boxy.str(), p.boxy[i]) << p.obraz << " " << i * 4;
        }
        EXPECT_TRUE(Zhoda(o, n));
    }
}

} // namespace
