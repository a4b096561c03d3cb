// The key table and the search bookkeeping of the main window, driven without a window; the mouse
// toolbox's pause counter.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/klavesy.h"
#include "mouse/mys.h"
#include "stav_testov.h"

namespace {

// The values LEFT and RIGHT change on rows 1 to 4: grey, size, fill, object.
std::array<long, 4> Riadky() {
    return {stupne_sedi, VelkostObjektu, percento_vyplne, cislo_objektu};
}

class Klavesy : public testing::Test {
  protected:
    void SetUp() override { ObnovStav(); }

    // Places n centres (10 * k, 20 * k) for objects k = 1..n and records a search finding them.
    static void Najdene(int n) {
        for (int k = 1; k <= n; ++k)
            centers[k - 1] = POINT{10 * k, 20 * k};
        VysledokHladania(n);
    }

    // The x of the centres n TABs jump to.
    static std::vector<int> Skoky(int n) {
        std::vector<int> x;
        for (POINT ciel; n-- > 0 && SkokTAB(&ciel) == 1; x.push_back(ciel.x))
            EXPECT_EQ(ciel.y, 2 * ciel.x);
        return x;
    }
};

// One key on one row, with three objects found: the row's value before and after, the others kept.
struct Krok {
    DWORD riadok;
    long od;
    int sirka; // 0: LEFT; else RIGHT on a desktop this wide
    long po;
};
// clang-format off
const Krok kKroky[] = {
    {1, 6, 1920, 7}, {1, 7, 1920, 7}, {1, 1, 0, 0}, {1, 0, 0, 0}, // grey 0..7
    // The size ladder: 1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to 1000 by 50, then by
    // 100 while below the desktop's width less 100; off-ladder values move by the same thresholds.
    {2, 9, 1920, 10}, {2, 10, 1920, 15}, {2, 45, 1920, 50}, {2, 50, 1920, 60}, {2, 190, 1920, 200},
    {2, 200, 1920, 220}, {2, 480, 1920, 500}, {2, 500, 1920, 550}, {2, 950, 1920, 1000},
    {2, 1000, 1920, 1100}, {2, 1819, 1920, 1919}, {2, 1820, 1920, 1820}, {2, 500, 640, 550},
    {2, 550, 640, 550}, {2, 0, 1920, 0}, {2, 12, 1920, 17},
    {2, 10, 0, 9}, {2, 15, 0, 10}, {2, 12, 0, 7}, {2, 50, 0, 45}, {2, 60, 0, 50}, {2, 200, 0, 190},
    {2, 220, 0, 200}, {2, 500, 0, 480}, {2, 550, 0, 500}, {2, 1000, 0, 950}, {2, 1100, 0, 1000},
    {2, 1, 0, 1}, {2, 0, 0, 0}, {2, 55, 0, 50},
    {3, 95, 1920, 100}, {3, 100, 1920, 100}, {3, 97, 1920, 102}, {3, 102, 1920, 102}, // fill 5..100
    {3, 10, 0, 5}, {3, 5, 0, 5},
    {4, 1, 0, 1}, {4, 1, 1920, 2}, {4, 3, 1920, 3}, {4, 2, 0, 1}, // object 1..3 of 3
};
// clang-format on

TEST_F(Klavesy, LeftAndRightOnEachRow) {
    for (const Krok& k : kKroky) {
        ObnovStav();
        PocetObjektov = 3;
        volba = k.riadok;
        DWORD cislo = 0;
        DWORD* const hodnoty[] = {&stupne_sedi, &VelkostObjektu, &percento_vyplne, &cislo};
        *hodnoty[k.riadok - 1] = static_cast<DWORD>(k.od);
        cislo_objektu = static_cast<int>(cislo);
        std::array<long, 4> cakane = Riadky();
        cakane[k.riadok - 1] = k.po;
        k.sirka != 0 ? KlavesVpravo(k.sirka) : KlavesVlavo();
        EXPECT_EQ(Riadky(), cakane) << "row " << k.riadok << " from " << k.od << " " << k.sirka;
    }
}

// Three rows without results, four with; a row loaded out of range goes back to the first.
TEST_F(Klavesy, UpAndDownWrapOverTheRowsOffered) {
    // objects found, row before, UP (1) or DOWN (0), row after
    const int kroky[][4] = {{0, 1, 1, 3}, {0, 3, 0, 1}, {2, 3, 0, 4},
                            {2, 4, 0, 1}, {2, 1, 1, 4}, {0, 9, 0, 1}};
    for (const auto& k : kroky) {
        PocetObjektov = k[0];
        volba = k[1];
        k[2] ? KlavesHore() : KlavesDole();
        EXPECT_EQ(volba, DWORD(k[3])) << k[1] << (k[2] ? " up" : " down") << " with " << k[0];
    }
}

TEST_F(Klavesy, SearchResultBookkeeping) {
    const auto stav = [] {
        return std::array<long, 5>{status, PocetObjektov, cislo_objektu, volba, vypinac_TAB};
    };
    ZaciatokHladania();
    EXPECT_EQ(status, 1);
    Najdene(4);
    EXPECT_EQ(stav(), (std::array<long, 5>{2, 4, 1, 1, 1}));
    cislo_objektu = 4;
    PocetObjektov = 6;
    Najdene(3); // a choice beyond the new count is cut to it
    EXPECT_EQ(cislo_objektu, 3);
    volba = 4;
    vypinac_TAB = 0;
    VysledokHladania(0);
    EXPECT_EQ(stav(), (std::array<long, 5>{3, 0, 0, 2, 1}));
    KlikDoOkna();
    EXPECT_EQ(status, 0);
    // A saved row 4 has no results to select at creation.
    for (DWORD v : {4u, 3u}) {
        volba = v;
        VolbaPoVytvoreni();
        EXPECT_EQ(volba, v == 4 ? 2u : v);
    }
}

TEST_F(Klavesy, TabVisitsTheCentresInOrderAndWraps) {
    EXPECT_EQ(Skoky(1), std::vector<int>{}); // nothing found yet
    EXPECT_EQ(vypinac_TAB, 1);
    Najdene(3);
    EXPECT_EQ(Skoky(5), (std::vector<int>{10, 20, 30, 10, 20}));
    // A later search that keeps object 3 (of 4) goes there first, without advancing.
    cislo_objektu = 3;
    Najdene(4);
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 40}));
    // On the object row TAB goes to the chosen object.
    volba = 4;
    KlavesVlavo();
    EXPECT_EQ(Skoky(3), (std::vector<int>{30, 30, 30}));
}

// A running sum of steps against a target; a zero step is always true; reset clears the target
// only when the sum has not passed it.
TEST_F(Klavesy, PauseCounter) {
    const int kroky[] = {3, 3, -6, 4, 0};
    std::vector<int> vysledky;
    for (int k : kroky)
        vysledky.push_back(pauza(k) * 100 + g_timer_pocet);
    EXPECT_EQ(vysledky, (std::vector<int>{3, 6, 100, 4, 104}));
    g_timer_pocitadlo = 10;
    g_timer_pocet = 12;
    pauza_reset();
    EXPECT_EQ(pauza(10), 1);
    pauza_reset();
    EXPECT_EQ(g_timer_pocitadlo + g_timer_pocet, 0);
}

} // namespace
