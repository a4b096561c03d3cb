// Tests of the desktop-sized result arrays.
#include "search/hladanie.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Allocators, CountsFollowTheDesktopWithAMargin) {
    NastavVelkostDesktopu(640, 480);
    int n = 0;
    POINT* body = AlokaciaDsktPointPola(&n);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(n, 645 * 485);
    EXPECT_EQ(body[n - 1].x, 0);
    EXPECT_EQ(body[0].y, 0);
    std::free(body);

    NastavVelkostDesktopu(800, 600);
    int m = 0;
    RECT* boxy = AlokaciaDsktRectPola(&m);
    ASSERT_NE(boxy, nullptr);
    EXPECT_EQ(m, 805 * 605);
    EXPECT_EQ(boxy[m - 1].bottom, 0);
    std::free(boxy);

    int d = 0;
    double* cisla = AlokaciaDsktDoublePola(&d);
    ASSERT_NE(cisla, nullptr);
    EXPECT_EQ(d, 805 * 605);
    EXPECT_EQ(cisla[d - 1], 0.0);
    std::free(cisla);
}

} // namespace
