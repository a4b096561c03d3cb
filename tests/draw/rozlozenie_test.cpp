// Row layout of the main window face and the grey strip's levels.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(Rozlozenie, RowsAndStatusBoxes) {
    // The rows and status boxes for 16- and 11-pixel lines.
    EXPECT_EQ(DalsiRiadok(12, 16), 37);
    EXPECT_EQ(DalsiRiadok(37, 16), 62);
    EXPECT_EQ(DalsiRiadok(62, 16), 87);
    EXPECT_EQ(RiadokVelkosti(87, 16), 102);
    EXPECT_EQ(StatusPoObjektoch(102, 11), 116);
    EXPECT_EQ(StatusBezObjektov(62, 16), 100);
    // The pitch factor is single precision: 5 * 1.60000002 stays 8 where a factor rounded below
    // 1.6 gives 7. A status offset that comes out whole stays whole.
    EXPECT_EQ(DalsiRiadok(0, 5), 8);
    EXPECT_EQ(StatusPoObjektoch(0, 10), 13);
    // Negative positions truncate toward zero.
    EXPECT_EQ(DalsiRiadok(-30, 10), -14);
}

TEST(Rozlozenie, GreyStripCoversTheBand) {
    EXPECT_EQ(SivaPasika(0, 0), 0);
    EXPECT_EQ(SivaPasika(3, 5), 101);
    EXPECT_EQ(SivaPasika(7, 31), 255);
    // An out-of-range setting wraps to the low byte instead of overflowing.
    EXPECT_EQ(SivaPasika(8, 1), 1);
}

TEST(Rozlozenie, OutlineAreaAndNumberLabels) {
    // Two monitors. The boxes' area grown by 64, cut to the screen; a 20 x 10 label above the
    // outline's corner, below the box at the screen's top, pulled in at the edges.
    const RECT obrazovka = {-1920, 0, 1920, 1080};
    const RECT b[] = {
        {100, 100, 139, 129}, {-1920, 5, -1900, 30}, {1910, 500, 1919, 509}, {0, 0, 1919, 1079}};
    const std::array<int, 6> oblasti[] = {
        {1, 3, -1920, 0, 1920, 574}, {4, 4, -64, 0, 1920, 1080}, {1, 0, -1920, 0, -1920, 0}};
    for (const auto& o : oblasti) {
        const RECT r = OblastObrysov(b, o[0], o[1], 64, obrazovka);
        EXPECT_EQ((std::array<int, 6>{o[0], o[1], r.left, r.top, r.right, r.bottom}), o);
    }
    const std::array<int, 2> stitky[] = {{99, 89}, {-1920, 32}, {1900, 489}, {-1, 1070}};
    for (int i = 0; i < 4; ++i) {
        const POINT p = PolohaCisla(b[i], SIZE{20, 10}, obrazovka);
        EXPECT_EQ((std::array<int, 2>{p.x, p.y}), stitky[i]) << i;
    }
}

} // namespace
