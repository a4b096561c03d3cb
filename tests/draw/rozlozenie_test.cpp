// Row layout of the main window face and the grey strip's levels.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

namespace {

TEST(Rozlozenie, RowsForSixteenPixelLines) {
    const int y2 = DalsiRiadok(12, 16);
    const int y3 = DalsiRiadok(y2, 16);
    const int y4 = DalsiRiadok(y3, 16);
    EXPECT_EQ(y2, 37);
    EXPECT_EQ(y3, 62);
    EXPECT_EQ(y4, 87);
    const int y5 = RiadokVelkosti(y4, 16);
    EXPECT_EQ(y5, 102);
    EXPECT_EQ(StatusPoObjektoch(y5, 11), 116);
    EXPECT_EQ(StatusBezObjektov(y3, 16), 100);
}

TEST(Rozlozenie, PitchIsFormedInSinglePrecision) {
    // 5 * 1.6 is 8 exactly in decimal; the single-precision factor 1.60000002 keeps it at 8,
    // while a factor rounded below 1.6 would give 7.
    EXPECT_EQ(DalsiRiadok(0, 5), 8);
    EXPECT_EQ(DalsiRiadok(0, 10), 16);
    EXPECT_EQ(DalsiRiadok(3, 13), 23);
    // Negative positions truncate toward zero.
    EXPECT_EQ(DalsiRiadok(-30, 10), -14);
}

TEST(Rozlozenie, StatusBoxOffsetsTruncate) {
    EXPECT_EQ(StatusPoObjektoch(0, 10), 13);
    EXPECT_EQ(StatusPoObjektoch(100, 13), 116);
    EXPECT_EQ(StatusBezObjektov(0, 5), 12);
    EXPECT_EQ(StatusBezObjektov(62, 18), 105);
}

TEST(Rozlozenie, GreyStripCoversTheBand) {
    EXPECT_EQ(SivaPasika(0, 0), 0);
    EXPECT_EQ(SivaPasika(0, 31), 31);
    EXPECT_EQ(SivaPasika(7, 0), 224);
    EXPECT_EQ(SivaPasika(7, 31), 255);
    EXPECT_EQ(SivaPasika(3, 5), 101);
    // An out-of-range setting wraps to the low byte instead of overflowing.
    EXPECT_EQ(SivaPasika(8, 1), 1);
}

} // namespace
