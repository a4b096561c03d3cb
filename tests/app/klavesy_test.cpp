// The key table and the search bookkeeping of the main window, driven without a window; the mouse
// toolbox's pause counter.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/klavesy.h"
#include "mouse/mys.h"
#include "stav_testov.h"

namespace {

class Klavesy : public testing::Test {
  protected:
    void SetUp() override { ObnovStav(); }
    // Places n centres (10 * k, 20 * k) for objects k = 1..n and records a search finding them.
    static void Najdene(int n) {
        for (int k = 1; k <= n; ++k)
            centers[k - 1] = POINT{10 * k, 20 * k};
        VysledokHladania(n);
    }
    // The x of the centres n TABs (or SHIFT+TABs) jump to.
    static std::vector<int> Skoky(int n, int (*skok)(POINT*) = SkokTAB) {
        std::vector<int> x;
        for (POINT ciel; n-- > 0 && skok(&ciel) == 1; x.push_back(ciel.x))
            EXPECT_EQ(ciel.y, 2 * ciel.x);
        return x;
    }
};

// One key on one row (grey, size, fill, object) with three objects found: pairs of the row's
// value before and after, the other rows kept. RIGHT on a desktop this wide, or LEFT (0).
// The size ladder: 1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to 1000 by 50, then by 100
// while below the desktop's width less 100; off-ladder values move by the same thresholds.
const struct {
    DWORD riadok;
    int sirka;
    std::vector<long> od_po;
} kKroky[] = {
    // clang-format off
    {1, 1920, {6, 7, 7, 7}}, {1, 0, {1, 0, 0, 0}},
    {2, 1920, {9, 10, 10, 15, 45, 50, 50, 60, 190, 200, 200, 220, 480, 500, 500, 550, 950, 1000, 1000, 1100,
               1819, 1919, 1820, 1820, 0, 0, 12, 17}},
    {2, 640, {500, 550, 550, 550}},
    {2, 0, {10, 9, 15, 10, 12, 7, 50, 45, 60, 50, 200, 190, 220, 200, 500, 480, 550, 500, 1000, 950, 1100, 1000,
            1, 1, 0, 0, 55, 50}},
    {3, 1920, {95, 100, 100, 100, 97, 102, 102, 102}}, {3, 0, {10, 5, 5, 5}},
    {4, 1920, {1, 2, 3, 3}}, {4, 0, {1, 1, 2, 1}},
    // clang-format on
};

TEST_F(Klavesy, LeftAndRightOnEachRow) {
    for (const auto& k : kKroky)
        for (size_t i = 0; i < k.od_po.size(); i += 2) {
            ObnovStav();
            PocetObjektov = 3, volba = k.riadok;
            DWORD cislo = 0, *const hodnoty[] = {&stupne_sedi, &VelkostObjektu, &percento_vyplne,
                                                 &cislo};
            *hodnoty[k.riadok - 1] = static_cast<DWORD>(k.od_po[i]);
            cislo_objektu = static_cast<int>(cislo);
            std::array<long, 4> cakane = {stupne_sedi, VelkostObjektu, percento_vyplne,
                                          cislo_objektu};
            cakane[k.riadok - 1] = k.od_po[i + 1];
            k.sirka != 0 ? KlavesVpravo(k.sirka) : KlavesVlavo();
            EXPECT_EQ(
                (std::array<long, 4>{stupne_sedi, VelkostObjektu, percento_vyplne, cislo_objektu}),
                cakane)
                << "row " << k.riadok << " from " << k.od_po[i] << " " << k.sirka;
        }
}

// Three rows without results, four with; a row loaded out of range goes back to the first.
TEST_F(Klavesy, UpAndDownWrapOverTheRowsOffered) {
    // objects found, row before, UP (1) or DOWN (0), row after
    const int kroky[][4] = {{0, 1, 1, 3}, {0, 3, 0, 1}, {2, 3, 0, 4},
                            {2, 4, 0, 1}, {2, 1, 1, 4}, {0, 9, 0, 1}};
    for (const auto& k : kroky) {
        PocetObjektov = k[0], volba = k[1];
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
    cislo_objektu = 4, PocetObjektov = 6;
    Najdene(3); // a choice beyond the new count is cut to it
    EXPECT_EQ(cislo_objektu, 3);
    volba = 4, vypinac_TAB = 0;
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

// Nothing before a search; first to the current object, then on with a wrap; one switch for TAB
// and SHIFT+TAB; on the object row both stay on the chosen object.
TEST_F(Klavesy, TabAndShiftTabVisitTheCentresInOrderAndWrap) {
    EXPECT_EQ(Skoky(1).size() + Skoky(1, SkokSpat).size(), 0u);
    EXPECT_EQ(vypinac_TAB, 1);
    Najdene(3);
    EXPECT_EQ(Skoky(5), (std::vector<int>{10, 20, 30, 10, 20}));
    EXPECT_EQ(Skoky(4, SkokSpat), (std::vector<int>{10, 30, 20, 10}));
    // A later search that keeps object 3 (of 4) goes there first, without advancing.
    cislo_objektu = 3;
    Najdene(4);
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 40}));
    volba = 4;
    KlavesVlavo();
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 30}));
    EXPECT_EQ(Skoky(2, SkokSpat), (std::vector<int>{30, 30}));
}

// A running sum of steps against a target; a zero step is always true; reset clears the target
// only when the sum has not passed it.
TEST_F(Klavesy, PauseCounter) {
    std::vector<int> vysledky;
    for (int k : {3, 3, -6, 4, 0})
        vysledky.push_back(pauza(k) * 100 + g_timer_pocet);
    EXPECT_EQ(vysledky, (std::vector<int>{3, 6, 100, 4, 104}));
    g_timer_pocitadlo = 10, g_timer_pocet = 12;
    pauza_reset();
    EXPECT_EQ(pauza(10), 1);
    pauza_reset();
    EXPECT_EQ(g_timer_pocitadlo + g_timer_pocet, 0);
}

} // namespace
