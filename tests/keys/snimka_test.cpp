// What the window's search does before it copies the screen, so that no outline is in the copy.
#include "keys/klavesy.h"

#include <gtest/gtest.h>

// Outlines out of every capture stay; else shown ones are hidden, and on a composited desktop one
// composition is waited for.
TEST(Snimka, TheOutlinesLeaveTheCopyByAffinityOrByAHide) {
    // clang-format off
    const struct { int vylucene, kompozicia, na_obrazovke, kroky; } riadky[] = {
        {1, 1, 1, kHnedSnimka}, {1, 0, 1, kHnedSnimka}, {0, 1, 1, kSkrytObrysy | kPockatNaKompoziciu},
        {0, 0, 1, kSkrytObrysy}, {0, 1, 0, kHnedSnimka}};
    // clang-format on
    for (const auto& r : riadky)
        EXPECT_EQ(KrokyPredSnimkou(r.vylucene, r.kompozicia, r.na_obrazovke), r.kroky)
            << "excluded " << r.vylucene << ", composited " << r.kompozicia << ", on screen "
            << r.na_obrazovke;
}

// Asked for only where it leaves the window out rather than blacks it out.
TEST(Snimka, CapturesLeaveTheWindowOutFromBuild19041) {
    const std::pair<DWORD, int> zostavy[] = {{0, 0}, {7601, 0}, {19040, 0}, {19041, 1}, {22631, 1}};
    for (const auto& [zostava, mozne] : zostavy)
        EXPECT_EQ(VylucenieZoSnimokMozne(zostava), mozne) << "build " << zostava;
}
