// The results: grown to what is found, a screen area searched, the memory, the desktop arrays.
#include "base/stav.h"
#include "search/desktop.h"
#include "search/hladanie.h"
#include "tests/search/porovnanie.h"

#include <gtest/gtest.h>

// 1200 objects of 2 x 2: more than the results start with, far fewer than the screen's pixels.
TEST(Vysledky, ResultsGrowToHoldEveryObjectFound) {
    std::vector<std::vector<int>> objekty_2x2;
    for (int k = 0; k < 1200; k++) {
        const int x = 4 * (k % 300), y = 4 * (k / 300);
        objekty_2x2.push_back({x, y, x + 1, y + 1});
    }
    const Obrazovka im = Boxes(1200, 300, objekty_2x2);
    ASSERT_EQ(HladajDoVysledkov(im.farby.data(), 1200, 1200, 300, kNoWindow, {2}, 1, 0, 0), 1200);
    EXPECT_LE(poloziek_dskt_rect_pola, 8 * 1200);
    EXPECT_EQ(centers[1199].x, 1196);
    EXPECT_EQ(objekty[1199].bottom, 13);
}

namespace {
// A screen from (-100, -50) with a square at x -31..-22, y -5..4.
const Obrazovka kKopia = Boxes(200, 100, {{69, 45, 78, 54, 0x141414}});
const RECT kObrazovka = {-100, -50, 99, 49};
} // namespace

TEST(Vysledky, AnAreaOffTheScreenFindsNothing) {
    const RECT oblast = {-500, -9, -200, 9};
    EXPECT_EQ(HladajVOblasti(kKopia.farby.data(), kObrazovka, oblast, {}, {0}, 3, 70, 0), 0);
}

// Cut at x -27 by the area and by a window's column at x -26; the centre's halves truncated
// toward zero.
TEST(Vysledky, AnAreaIsSearchedInScreenCoordinates) {
    const RECT oblast = {-27, -9, 9, 9}, okno = {-26, -50, -26, 49};
    ASSERT_EQ(HladajVOblasti(kKopia.farby.data(), kObrazovka, oblast, okno, {0}, 3, 70, 0), 1);
    EXPECT_EQ(objekty[0].left, -25);
    EXPECT_EQ(objekty[0].top, -5);
    EXPECT_EQ(objekty[0].right, -22);
    EXPECT_EQ(objekty[0].bottom, 4);
    EXPECT_EQ(centers[0].x, -23);
    EXPECT_EQ(centers[0].y, 0);
}

// An 8K screen and three 4K monitors, the touching groupings' labels included; at most a screen of
// nothing but the smallest objects.
TEST(Vysledky, ThirtyTwoBitReservationsStayWellInside2GB) {
    for (auto [w, h] : {std::pair{7680, 4320}, std::pair{11520, 2160}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        long long vopred = 0, najviac = 0;
        PamatHladania(w, h, &vopred, &najviac);
        EXPECT_GE(vopred, 4LL * w * h) << "the screen's copy at least";
        EXPECT_LT(vopred, 640LL << 20);
        EXPECT_LT(najviac, 1LL << 30);
    }
}

TEST(Vysledky, DesktopArraysAreZeroFilledForTheDesktopWithAMargin) {
    int body = 0, boxy = 0, cisla = 0;
    NastavVelkostDesktopu(640, 480);
    const POINT* b = AlokaciaDsktPointPola(&body);
    NastavVelkostDesktopu(800, 600);
    const RECT* r = AlokaciaDsktRectPola(&boxy);
    const double* c = AlokaciaDsktDoublePola(&cisla);
    EXPECT_EQ(body, 645 * 485);
    EXPECT_EQ(boxy, 805 * 605);
    EXPECT_EQ(cisla, 805 * 605);
    EXPECT_EQ(b[body - 1].y, 0);
    EXPECT_EQ(r[boxy - 1].bottom, 0);
    EXPECT_EQ(c[cisla - 1], 0.0);
}
