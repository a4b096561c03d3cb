// The key table and the search bookkeeping of the main window, driven without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/klavesy.h"
#include "search/hladanie.h"
#include "stav_testov.h"

namespace {

class Klavesy : public ::testing::Test {
  protected:
    void SetUp() override { ObnovStav(); }

    // Presses RIGHT (or LEFT) n times on the selected row of a 1920-pixel desktop.
    static std::vector<DWORD> Vpravo(int n) {
        std::vector<DWORD> hodnoty;
        for (int i = 0; i < n; ++i) {
            KlavesVpravo(1920);
            hodnoty.push_back(VelkostObjektu);
        }
        return hodnoty;
    }
    static std::vector<DWORD> Vlavo(int n) {
        std::vector<DWORD> hodnoty;
        for (int i = 0; i < n; ++i) {
            KlavesVlavo();
            hodnoty.push_back(VelkostObjektu);
        }
        return hodnoty;
    }

    // Places n centres (10 * k, 20 * k) for objects k = 1..n and records a search finding them.
    static void Najdene(int n) {
        for (int k = 1; k <= n; ++k)
            centers[k - 1] = POINT{10 * k, 20 * k};
        VysledokHladania(n);
    }
};

TEST_F(Klavesy, SizeLadderFromTheDefault) {
    volba = 2;
    EXPECT_EQ(Vpravo(7), (std::vector<DWORD>{25, 30, 35, 40, 45, 50, 60}));
    VelkostObjektu = 20;
    EXPECT_EQ(Vlavo(12), (std::vector<DWORD>{15, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1}));
}

TEST_F(Klavesy, SizeLadderStepsPerDecade) {
    // The whole way up on a 1920-pixel desktop: the step of each stretch, and the last value
    // reached.
    volba = 2;
    VelkostObjektu = 1;
    std::vector<DWORD> cesta{1};
    for (int i = 0; i < 200; ++i) {
        KlavesVpravo(1920);
        cesta.push_back(VelkostObjektu);
    }
    EXPECT_EQ(cesta.back(), 1900u);
    for (size_t i = 1; i < cesta.size(); ++i) {
        const DWORD a = cesta[i - 1];
        const DWORD b = cesta[i];
        if (a == 1900) {
            EXPECT_EQ(b, 1900u);
            continue;
        }
        const DWORD krok = a < 10     ? 1
                           : a < 50   ? 5
                           : a < 200  ? 10
                           : a < 500  ? 20
                           : a < 1000 ? 50
                                      : 100;
        EXPECT_EQ(b - a, krok) << "from " << a;
    }
    // LEFT walks the same ladder down to 1.
    std::vector<DWORD> dole{VelkostObjektu};
    while (VelkostObjektu > 1) {
        KlavesVlavo();
        dole.push_back(VelkostObjektu);
    }
    std::vector<DWORD> hore(cesta.begin(), cesta.end());
    hore.erase(std::unique(hore.begin(), hore.end()), hore.end());
    EXPECT_EQ(std::vector<DWORD>(dole.rbegin(), dole.rend()), hore);
}

TEST_F(Klavesy, SizeLadderOffTheLadderAndAtTheEnds) {
    volba = 2;
    VelkostObjektu = 12;
    KlavesVlavo();
    EXPECT_EQ(VelkostObjektu, 7u);
    VelkostObjektu = 12;
    KlavesVpravo(1920);
    EXPECT_EQ(VelkostObjektu, 17u);
    VelkostObjektu = 11;
    KlavesVlavo();
    EXPECT_EQ(VelkostObjektu, 10u);
    VelkostObjektu = 1;
    KlavesVlavo();
    EXPECT_EQ(VelkostObjektu, 1u);
    VelkostObjektu = 0;
    KlavesVlavo();
    EXPECT_EQ(VelkostObjektu, 0u);
    KlavesVpravo(1920);
    EXPECT_EQ(VelkostObjektu, 0u);
}

TEST_F(Klavesy, SizeBoundIsTestedBeforeTheStep) {
    volba = 2;
    VelkostObjektu = 1819;
    KlavesVpravo(1920); // 1819 < 1820: one step, past the bound
    EXPECT_EQ(VelkostObjektu, 1919u);
    KlavesVpravo(1920);
    EXPECT_EQ(VelkostObjektu, 1919u);
    VelkostObjektu = 1820;
    KlavesVpravo(1920);
    EXPECT_EQ(VelkostObjektu, 1820u);
    VelkostObjektu = 500;
    KlavesVpravo(640); // bound 540
    EXPECT_EQ(VelkostObjektu, 550u);
    KlavesVpravo(640);
    EXPECT_EQ(VelkostObjektu, 550u);
}

TEST_F(Klavesy, FillAndGreyRowsStayInTheirRange) {
    volba = 3;
    for (int i = 0; i < 10; ++i)
        KlavesVpravo(1920);
    EXPECT_EQ(percento_vyplne, 100u);
    for (int i = 0; i < 30; ++i)
        KlavesVlavo();
    EXPECT_EQ(percento_vyplne, 5u);
    percento_vyplne = 97;
    KlavesVpravo(1920);
    EXPECT_EQ(percento_vyplne, 102u);
    KlavesVpravo(1920);
    EXPECT_EQ(percento_vyplne, 102u);

    volba = 1;
    for (int i = 0; i < 10; ++i)
        KlavesVpravo(1920);
    EXPECT_EQ(stupne_sedi, 7u);
    for (int i = 0; i < 10; ++i)
        KlavesVlavo();
    EXPECT_EQ(stupne_sedi, 0u);
    EXPECT_EQ(percento_vyplne, 102u); // the other rows are left alone
    EXPECT_EQ(VelkostObjektu, 20u);
}

TEST_F(Klavesy, UpAndDownWrapOverTheRowsOffered) {
    KlavesHore();
    EXPECT_EQ(volba, 3u);
    KlavesDole();
    EXPECT_EQ(volba, 1u);
    volba = 3;
    KlavesDole();
    EXPECT_EQ(volba, 1u);

    Najdene(2);
    volba = 3;
    KlavesDole();
    EXPECT_EQ(volba, 4u);
    KlavesDole();
    EXPECT_EQ(volba, 1u);
    KlavesHore();
    EXPECT_EQ(volba, 4u);

    volba = 9; // loaded out of range: DOWN brings it back to the first row
    KlavesDole();
    EXPECT_EQ(volba, 1u);
}

TEST_F(Klavesy, SearchResultBookkeeping) {
    ZaciatokHladania();
    EXPECT_EQ(status, 1);
    Najdene(4);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(PocetObjektov, 4);
    EXPECT_EQ(cislo_objektu, 1);
    EXPECT_EQ(vypinac_TAB, 1);

    cislo_objektu = 5;
    PocetObjektov = 6;
    Najdene(3); // a choice beyond the new count is cut to it
    EXPECT_EQ(cislo_objektu, 3);

    volba = 4;
    vypinac_TAB = 0;
    VysledokHladania(0);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(PocetObjektov, 0);
    EXPECT_EQ(cislo_objektu, 0);
    EXPECT_EQ(volba, 2u);
    EXPECT_EQ(vypinac_TAB, 1);

    KlikDoOkna();
    EXPECT_EQ(status, 0);
}

TEST_F(Klavesy, ObjectRowMovesWithinTheCount) {
    Najdene(3);
    volba = 4;
    KlavesVlavo();
    EXPECT_EQ(cislo_objektu, 1);
    KlavesVpravo(1920);
    KlavesVpravo(1920);
    KlavesVpravo(1920);
    EXPECT_EQ(cislo_objektu, 3);
    KlavesVlavo();
    EXPECT_EQ(cislo_objektu, 2);
}

TEST_F(Klavesy, TabDoesNothingWithoutResults) {
    POINT ciel = {-1, -1};
    EXPECT_EQ(SkokTAB(&ciel), 0);
    EXPECT_EQ(ciel.x, -1);
    EXPECT_EQ(vypinac_TAB, 1);
    VysledokHladania(0);
    EXPECT_EQ(SkokTAB(&ciel), 0);
    EXPECT_EQ(cislo_objektu, 0);
}

TEST_F(Klavesy, TabVisitsTheCentresInOrderAndWraps) {
    Najdene(3);
    std::vector<int> x;
    POINT ciel = {};
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(SkokTAB(&ciel), 1);
        EXPECT_EQ(ciel.y, 2 * ciel.x);
        x.push_back(ciel.x);
    }
    EXPECT_EQ(x, (std::vector<int>{10, 20, 30, 10, 20}));

    // A later search that keeps object 3 (of 4) goes there first, without advancing.
    cislo_objektu = 3;
    Najdene(4);
    ASSERT_EQ(SkokTAB(&ciel), 1);
    EXPECT_EQ(ciel.x, 30);
    ASSERT_EQ(SkokTAB(&ciel), 1);
    EXPECT_EQ(ciel.x, 40);
}

TEST_F(Klavesy, TabOnTheObjectRowGoesToTheChosenObject) {
    Najdene(3);
    volba = 4;
    KlavesVpravo(1920);
    POINT ciel = {};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(SkokTAB(&ciel), 1);
        EXPECT_EQ(ciel.x, 20);
    }
    KlavesVlavo();
    ASSERT_EQ(SkokTAB(&ciel), 1);
    EXPECT_EQ(ciel.x, 10);
}

TEST_F(Klavesy, SavedObjectRowBecomesSizeRowAtCreation) {
    volba = 4;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, 2u);
    volba = 3;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, 3u);
}

} // namespace
