// Row layout of the main window face, the grey strip's levels and the face's scaling.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

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

TEST(Rozlozenie, ScalingRoundsHalvesAwayFromZero) {
    // value, dpi, scaled, and the scaled value back at the same dpi
    const int tabulka[][4] = {
        {214, 96, 214, 214}, {214, 120, 268, 214}, {214, 144, 321, 214},       {194, 192, 388, 194},
        {1, 144, 2, 1},      {1, 120, 1, 1},       {-9, 144, -14, -9},         {-13, 120, -16, -13},
        {0, 144, 0, 0},      {7, 0, 7, 7},         {30000, 480, 150000, 30000}};
    for (const auto& r : tabulka) {
        EXPECT_EQ(Skaluj(r[0], r[1]), r[2]) << r[0] << " at " << r[1];
        EXPECT_EQ(Odskaluj(r[2], r[1]), r[3]) << r[2] << " at " << r[1];
    }
}

} // namespace
