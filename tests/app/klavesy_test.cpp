// The key table and the search bookkeeping of the main window, driven without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/klavesy.h"
#include "stav_testov.h"

namespace {

// The values LEFT and RIGHT change on rows 1 to 4: grey, size, fill, object.
std::array<long, 4> Riadky() {
    return {stupne_sedi, VelkostObjektu, percento_vyplne, cislo_objektu};
}

void NastavRiadok(DWORD riadok, long hodnota) {
    DWORD* const hodnoty[] = {&stupne_sedi, &VelkostObjektu, &percento_vyplne};
    if (riadok == 4)
        cislo_objektu = static_cast<int>(hodnota);
    else
        *hodnoty[riadok - 1] = static_cast<DWORD>(hodnota);
}

class Klavesy : public ::testing::Test {
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

TEST_F(Klavesy, SizeLadderUpAndDown) {
    // 1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to 1000 by 50, then by 100 while below
    // the 1920-pixel desktop less 100; one more RIGHT stays at the top.
    std::vector<DWORD> rebrik;
    for (DWORD v = 1; v <= 1900; v += v < 10     ? 1
                                      : v < 50   ? 5
                                      : v < 200  ? 10
                                      : v < 500  ? 20
                                      : v < 1000 ? 50
                                                 : 100)
        rebrik.push_back(v);
    volba = 2;
    VelkostObjektu = 1;
    for (size_t i = 1; i <= rebrik.size(); ++i) {
        KlavesVpravo(1920);
        ASSERT_EQ(VelkostObjektu, rebrik[std::min(i, rebrik.size() - 1)]) << "RIGHT " << i;
    }
    for (size_t i = rebrik.size() - 1; i-- > 0;) {
        KlavesVlavo();
        ASSERT_EQ(VelkostObjektu, rebrik[i]) << "LEFT to " << i;
    }
}

TEST_F(Klavesy, LeftAndRightOnEachRow) {
    struct Krok {
        DWORD riadok;
        long od;
        int sirka; // 0: LEFT; else RIGHT on a desktop this wide
        long po;
    };
    const Krok kroky[] = {
        {1, 6, 1920, 7},       {1, 7, 1920, 7},    {1, 1, 0, 0},          {1, 0, 0, 0},
        {2, 12, 0, 7},         {2, 12, 1920, 17},  {2, 11, 0, 10},        {2, 1, 0, 1},
        {2, 0, 0, 0},          {2, 0, 1920, 0},    {2, 1819, 1920, 1919}, {2, 1919, 1920, 1919},
        {2, 1820, 1920, 1820}, {2, 500, 640, 550}, {2, 550, 640, 550},    {3, 95, 1920, 100},
        {3, 100, 1920, 100},   {3, 97, 1920, 102}, {3, 102, 1920, 102},   {3, 10, 0, 5},
        {3, 5, 0, 5},          {4, 1, 0, 1},       {4, 1, 1920, 2},       {4, 3, 1920, 3},
        {4, 2, 0, 1},
    };
    for (const Krok& k : kroky) {
        ObnovStav();
        PocetObjektov = 3;
        volba = k.riadok;
        NastavRiadok(k.riadok, k.od);
        std::array<long, 4> cakane = Riadky();
        cakane[k.riadok - 1] = k.po; // the other rows are left alone
        k.sirka != 0 ? KlavesVpravo(k.sirka) : KlavesVlavo();
        EXPECT_EQ(Riadky(), cakane) << "row " << k.riadok << " from " << k.od << " " << k.sirka;
    }
}

TEST_F(Klavesy, UpAndDownWrapOverTheRowsOffered) {
    // Three rows without results, four with; a row loaded out of range goes back to the first.
    const struct {
        int objekty;
        DWORD od;
        bool hore;
        DWORD po;
    } kroky[] = {{0, 1, true, 3},  {0, 3, false, 1}, {2, 3, false, 4},
                 {2, 4, false, 1}, {2, 1, true, 4},  {0, 9, false, 1}};
    for (const auto& k : kroky) {
        PocetObjektov = k.objekty;
        volba = k.od;
        k.hore ? KlavesHore() : KlavesDole();
        EXPECT_EQ(volba, k.po) << k.od << (k.hore ? " up" : " down") << " with " << k.objekty;
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
    cislo_objektu = 5;
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
    volba = 4;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, 2u);
    volba = 3;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, 3u);
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
}

TEST_F(Klavesy, ShiftTabGoesBackAndWrapsByTheSameRules) {
    // Nothing before a search; first to the current object, then back with a wrap; one switch for
    // TAB and SHIFT+TAB; row 4 stays on the chosen object.
    EXPECT_EQ(Skoky(1, SkokSpat), std::vector<int>{});
    Najdene(3);
    EXPECT_EQ(Skoky(4, SkokSpat), (std::vector<int>{10, 30, 20, 10}));
    EXPECT_EQ(Skoky(1), std::vector<int>{20});
    EXPECT_EQ(Skoky(1, SkokSpat), std::vector<int>{10});
    volba = 4;
    EXPECT_EQ(Skoky(2, SkokSpat), (std::vector<int>{10, 10}));
}

TEST_F(Klavesy, TabOnTheObjectRowGoesToTheChosenObject) {
    Najdene(3);
    volba = 4;
    KlavesVpravo(1920);
    EXPECT_EQ(Skoky(3), (std::vector<int>{20, 20, 20}));
    KlavesVlavo();
    EXPECT_EQ(Skoky(1), std::vector<int>{10});
}

} // namespace
