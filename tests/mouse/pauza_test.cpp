// The mouse toolbox's pause counter: a running sum of steps against a target.
#include "base/stav.h"
#include "mouse/mys.h"

#include <gtest/gtest.h>

// Against a target of 0; a zero step meets it whatever the sum.
TEST(Pauza, TheSumOfTheStepsMeetsTheTarget) {
    g_timer_pocitadlo = 0;
    g_timer_pocet = 0;
    const int kroky[][3] = {
        {3, 0, 3}, {3, 0, 6}, {-6, 1, 0}, {4, 0, 4}, {0, 1, 4}}; // step, met, sum
    for (const auto& [krok, splnene, sucet] : kroky) {
        EXPECT_EQ(pauza(krok), splnene) << "a step of " << krok;
        EXPECT_EQ(g_timer_pocet, sucet) << "a step of " << krok;
    }
}

// The sum starts again; a target the sum passed stays.
TEST(Pauza, ResetKeepsOnlyATargetTheSumPassed) {
    const int pripady[][3] = {{10, 12, 10}, {10, 10, 0}}; // target, sum, target after
    for (const auto& [ciel, sucet, ciel_po] : pripady) {
        g_timer_pocitadlo = ciel;
        g_timer_pocet = sucet;
        pauza_reset();
        EXPECT_EQ(g_timer_pocitadlo, ciel_po) << "a sum of " << sucet;
        EXPECT_EQ(g_timer_pocet, 0) << "a sum of " << sucet;
    }
}
