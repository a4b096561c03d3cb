// The main window's keys: the settings rows' steps, the row selection, the search bookkeeping, TAB.
#include "base/stav.h"
#include "keys/klavesy.h"
#include "search/hladanie.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The values of the four settings rows: grey, size, fill, object; and what they start with.
std::vector<long> Riadky() {
    return {stupne_sedi, VelkostObjektu, percento_vyplne, cislo_objektu};
}
const std::vector<long> kZaciatok = {0, 20, 70, 0};

void NastavRiadky(const std::vector<long>& h) {
    stupne_sedi = h[0];
    VelkostObjektu = h[1];
    percento_vyplne = h[2];
    cislo_objektu = h[3];
}

class Klavesy : public testing::Test {
  protected:
    void SetUp() override {
        NastavRiadky(kZaciatok);
        volba = kVolbaStupen;
        PocetObjektov = 0;
        status = kStatusNapoveda;
        vypinac_TAB = 1;
        ASSERT_EQ(RezervujVysledky(0), 1); // the results, as the search module makes them at start
    }
    // Places n centres (10 * k, 20 * k) for objects k = 1..n and records a search finding them.
    static void Najdene(int n) {
        for (int k = 1; k <= n; ++k)
            centers[k - 1] = POINT{10 * k, 20 * k};
        VysledokHladania(n);
    }
    // The x of the centres n presses of TAB (or SHIFT+TAB) jump to, up to the first that does not.
    static std::vector<int> Skoky(int n, int (*skok)(POINT*) = SkokTAB) {
        std::vector<int> x;
        POINT ciel = {};
        for (int i = 0; i < n && skok(&ciel) == 1; ++i) {
            EXPECT_EQ(ciel.y, 2 * ciel.x);
            x.push_back(ciel.x);
        }
        return x;
    }
};

const int kVlavo = 0;

// RIGHT (on a desktop this wide) or LEFT on one row with three objects found: the row's value
// before and after. The size ladder: 1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to 1000
// by 50, then by 100 while below the desktop's width less 100; off-ladder values move by the same
// thresholds.
// clang-format off
struct Kroky { DWORD riadok; int vpravo; std::vector<std::pair<long, long>> pred_po; };
const Kroky kKroky[] = {
    {kVolbaStupen, 1920, {{6, 7}, {7, 7}}},
    {kVolbaStupen, kVlavo, {{1, 0}, {0, 0}}},
    {kVolbaVelkost, 1920, {{9, 10}, {10, 15}, {45, 50}, {50, 60}, {190, 200}, {200, 220}, {480, 500}, {500, 550},
                           {950, 1000}, {1000, 1100}, {1819, 1919}, {1820, 1820}, {0, 0}, {12, 17}}},
    {kVolbaVelkost, kVlavo, {{10, 9}, {15, 10}, {12, 7}, {50, 45}, {60, 50}, {200, 190}, {220, 200}, {500, 480},
                             {550, 500}, {1000, 950}, {1100, 1000}, {1, 1}, {0, 0}, {55, 50}}},
    {kVolbaVelkost, 640, {{500, 550}, {550, 550}}},
    {kVolbaVypln, 1920, {{95, 100}, {100, 100}, {97, 102}, {102, 102}}},
    {kVolbaVypln, kVlavo, {{10, 5}, {5, 5}}},
    {kVolbaObjekt, 1920, {{1, 2}, {3, 3}}},
    {kVolbaObjekt, kVlavo, {{1, 1}, {2, 1}}},
};
// clang-format on

} // namespace

TEST_F(Klavesy, LeftAndRightStepTheSelectedRowOnly) {
    for (const Kroky& k : kKroky)
        for (const auto& [pred, po] : k.pred_po) {
            SCOPED_TRACE(testing::Message() << "row " << k.riadok << " from " << pred
                                            << (k.vpravo == kVlavo ? " LEFT" : " RIGHT"));
            PocetObjektov = 3;
            volba = k.riadok;
            std::vector<long> cakane = kZaciatok;
            cakane[k.riadok - 1] = pred;
            NastavRiadky(cakane);
            cakane[k.riadok - 1] = po;
            if (k.vpravo == kVlavo)
                KlavesVlavo();
            else
                KlavesVpravo(k.vpravo);
            EXPECT_EQ(Riadky(), cakane);
        }
}

// Three rows without results, four with; a row loaded out of range goes back to the first.
TEST_F(Klavesy, UpAndDownWrapOverTheRowsOffered) {
    // clang-format off
    const struct { int najdene; DWORD pred; void (*klaves)(); DWORD po; } kroky[] = {
        {0, 1, KlavesHore, 3}, {0, 3, KlavesDole, 1}, {2, 3, KlavesDole, 4},
        {2, 4, KlavesDole, 1}, {2, 1, KlavesHore, 4}, {0, 9, KlavesDole, 1}};
    // clang-format on
    for (const auto& k : kroky) {
        PocetObjektov = k.najdene;
        volba = k.pred;
        k.klaves();
        EXPECT_EQ(volba, k.po) << "row " << k.pred << (k.klaves == KlavesHore ? " UP" : " DOWN")
                               << " with " << k.najdene << " objects found";
    }
}

TEST_F(Klavesy, EnterShowsTheSearchAndAClickTheHint) {
    ZaciatokHladania();
    EXPECT_EQ(status, kStatusHladam);
    KlikDoOkna();
    EXPECT_EQ(status, kStatusNapoveda);
}

// After a search on the object row, TAB used: what it found (-1: no memory) and whether the
// centre file was written; then the status, the count, the object chosen, the row; TAB afresh.
TEST_F(Klavesy, TheSearchResultIsBookedAndTabStartsAfresh) {
    // clang-format off
    const struct { int najdene; bool zapisane; int cislo_pred, status, pocet, cislo; DWORD volba; } vysledky[] = {
        {4, true, 0, kStatusPocet, 4, 1, kVolbaObjekt},          // the first chosen
        {3, true, 4, kStatusPocet, 3, 3, kVolbaObjekt},          // cut to the last
        {0, true, 2, kStatusNic, 0, 0, kVolbaVelkost},           // the object row left
        {-1, true, 2, kStatusMaloPamate, 0, 0, kVolbaVelkost},   // as nothing found
        {3, false, 2, kStatusNezapisane, 3, 2, kVolbaObjekt},    // the results stand
        {-1, false, 2, kStatusMaloPamate, 0, 0, kVolbaVelkost}}; // memory says more than the file
    // clang-format on
    for (const auto& v : vysledky) {
        SCOPED_TRACE(testing::Message()
                     << v.najdene << (v.zapisane ? " found" : " found, unwritten"));
        volba = kVolbaObjekt;
        cislo_objektu = v.cislo_pred;
        vypinac_TAB = 0;
        Najdene(v.najdene);
        if (!v.zapisane)
            StredyNezapisane();
        EXPECT_EQ(status, v.status);
        EXPECT_EQ(PocetObjektov, v.pocet);
        EXPECT_EQ(cislo_objektu, v.cislo);
        EXPECT_EQ(volba, v.volba);
        EXPECT_EQ(vypinac_TAB, 1);
        POINT ciel;
        EXPECT_EQ(SkokTAB(&ciel), v.pocet > 0 ? 1 : 0) << "TAB jumps with results only";
    }
}

TEST_F(Klavesy, ASavedObjectRowIsLeftAtCreation) {
    volba = kVolbaObjekt;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, kVolbaVelkost);
    volba = kVolbaVypln;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, kVolbaVypln);
}

TEST_F(Klavesy, TabAndShiftTabDoNothingBeforeASearch) {
    EXPECT_EQ(Skoky(1), std::vector<int>{});
    EXPECT_EQ(Skoky(1, SkokSpat), std::vector<int>{});
    EXPECT_EQ(vypinac_TAB, 1);
}

// The current object first, then on with a wrap; one switch for both: after TAB, SHIFT+TAB steps
// at once.
TEST_F(Klavesy, TabAndShiftTabVisitTheCentresInTurnAndWrap) {
    Najdene(3);
    EXPECT_EQ(Skoky(5), (std::vector<int>{10, 20, 30, 10, 20}));
    EXPECT_EQ(Skoky(4, SkokSpat), (std::vector<int>{10, 30, 20, 10}));
}

TEST_F(Klavesy, ALaterSearchGoesFirstToTheObjectItKept) {
    Najdene(3);
    cislo_objektu = 3;
    Najdene(4);
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 40}));
}

TEST_F(Klavesy, OnTheObjectRowTabStaysOnTheChosenObject) {
    Najdene(4);
    EXPECT_EQ(Skoky(1), std::vector<int>{10});
    volba = kVolbaObjekt;
    cislo_objektu = 3;
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 30}));
    EXPECT_EQ(Skoky(2, SkokSpat), (std::vector<int>{30, 30}));
}
