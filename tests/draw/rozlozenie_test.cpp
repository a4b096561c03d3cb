// Row layout of the main window face and the grey strip's levels.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

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

TEST(Rozlozenie, NumberLabelOnTheOutlineAndOnTheScreen) {
    // A 20 x 10 label on a screen of two monitors, -1920..1919 by 0..1079: above the outline's
    // corner; below the box at the top; pulled in at the left, right and bottom edges.
    const RECT obrazovka = {-1920, 0, 1920, 1080};
    const std::pair<RECT, POINT> pripady[] = {{{100, 100, 139, 129}, {99, 89}},
                                              {{-1920, 5, -1900, 30}, {-1920, 32}},
                                              {{1910, 500, 1919, 509}, {1900, 489}},
                                              {{0, 0, 1919, 1079}, {-1, 1070}}};
    for (const auto& [box, p] : pripady) {
        const POINT q = PolohaCisla(box, SIZE{20, 10}, obrazovka);
        EXPECT_EQ((std::pair<int, int>{q.x, q.y}), (std::pair<int, int>{p.x, p.y})) << box.left;
    }
}

TEST(Rozlozenie, OutlineAreaSpansTheBoxesShownWithAMargin) {
    // Boxes 1..3 together, box 2 alone, box 4 in a corner (cut to the screen), none.
    const RECT boxy[] = {{100, 100, 139, 129},
                         {1500, 120, 1559, 179},
                         {300, 700, 319, 719},
                         {-1920, 1070, -1900, 1079}};
    const std::array<int, 6> pripady[] = {{1, 3, 36, 36, 1624, 784},
                                          {2, 2, 1436, 56, 1624, 244},
                                          {4, 4, -1920, 1006, -1835, 1080},
                                          {1, 0, -1920, 0, -1920, 0}};
    for (const auto& p : pripady) {
        const RECT r = OblastObrysov(boxy, p[0], p[1], 64, RECT{-1920, 0, 1920, 1080});
        EXPECT_EQ((std::array<int, 4>{r.left, r.top, r.right, r.bottom}),
                  (std::array<int, 4>{p[2], p[3], p[4], p[5]}))
            << p[0] << ".." << p[1];
    }
}

} // namespace
