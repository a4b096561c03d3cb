// The pause counter of the mouse toolbox.
#include <gtest/gtest.h>

#include "mouse/mys.h"
#include "stav_testov.h"

namespace {

class Pauza : public ::testing::Test {
  protected:
    void SetUp() override { ObnovStav(); }
};

TEST_F(Pauza, SumReachesTheTarget) {
    pauza_reset();
    EXPECT_EQ(pauza(3), 0);
    EXPECT_EQ(pauza(3), 0);
    EXPECT_EQ(g_timer_pocet, 6);
    EXPECT_EQ(pauza(-6), 1);
    EXPECT_EQ(g_timer_pocet, 0);
}

TEST_F(Pauza, ZeroStepIsAlwaysTrueAndKeepsTheSum) {
    pauza(4);
    EXPECT_EQ(pauza(0), 1);
    EXPECT_EQ(g_timer_pocet, 4);
}

TEST_F(Pauza, ResetClearsTheTargetOnlyWhenNotPassed) {
    g_timer_pocitadlo = 10;
    g_timer_pocet = 12;
    pauza_reset();
    EXPECT_EQ(g_timer_pocet, 0);
    EXPECT_EQ(g_timer_pocitadlo, 10);
    EXPECT_EQ(pauza(10), 1);

    g_timer_pocet = 10;
    pauza_reset();
    EXPECT_EQ(g_timer_pocet, 0);
    EXPECT_EQ(g_timer_pocitadlo, 0);
}

} // namespace
