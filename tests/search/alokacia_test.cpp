// Tests of the desktop-sized result arrays.
#include "search/hladanie.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Allocators, ZeroFilledForTheCurrentDesktopWithAMargin) {
    int n[3] = {};
    NastavVelkostDesktopu(640, 480);
    POINT* body = AlokaciaDsktPointPola(&n[0]);
    NastavVelkostDesktopu(800, 600);
    RECT* boxy = AlokaciaDsktRectPola(&n[1]);
    double* cisla = AlokaciaDsktDoublePola(&n[2]);
    ASSERT_TRUE(body && boxy && cisla);
    EXPECT_EQ(n[0], 645 * 485);
    EXPECT_EQ(n[1], 805 * 605);
    EXPECT_EQ(n[2], 805 * 605);
    EXPECT_EQ(body[n[0] - 1].y, 0);
    EXPECT_EQ(boxy[n[1] - 1].bottom, 0);
    EXPECT_EQ(cisla[n[2] - 1], 0.0);
    std::free(body);
    std::free(boxy);
    std::free(cisla);
}

} // namespace
