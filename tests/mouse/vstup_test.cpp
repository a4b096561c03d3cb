// Synthetic mouse input: a screen pixel as the absolute coordinate that the system maps back.
#include "mouse/mys.h"

#include <gtest/gtest.h>

// Virtual screens of three widths starting at -1280: every third pixel maps back to itself whether
// the system truncates (n * w / 65536) or rounds ((n * w + 32767) / 65535).
TEST(Vstup, AnAbsoluteCoordinateMapsBackToItsPixel) {
    for (int sirka : {640, 1920, 7680})
        for (int x = -1280; x < sirka - 1280; x += 3) {
            const long long n = AbsolutnaSuradnica(x, -1280, sirka);
            EXPECT_EQ(n * sirka / 65536 - 1280, x) << "truncated, " << sirka << " wide";
            EXPECT_EQ((n * sirka + 32767) / 65535 - 1280, x) << "rounded, " << sirka << " wide";
        }
}
