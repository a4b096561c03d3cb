// The desktop's monitors as last set: the numbers that the batch search gives them.
#include "search/desktop.h"

#include <gtest/gtest.h>

// The primary (at 0, 0) first, the others in their order; right and bottom inclusive.
TEST(Desktop, MonitorsByNumber) {
    const RECT plochy[] = {{-1280, 0, 0, 1024}, {1920, -200, 3200, 824}, {0, 0, 1920, 1080}};
    NastavMonitory(plochy, plochy, 3);
    // clang-format off
    const struct { int cislo; bool je; RECT oblast; } monitory[] = {
        {0, false, {}}, {1, true, {0, 0, 1919, 1079}}, {2, true, {-1280, 0, -1, 1023}},
        {3, true, {1920, -200, 3199, 823}}, {4, false, {}}};
    // clang-format on
    for (const auto& m : monitory) {
        SCOPED_TRACE(testing::Message() << "monitor " << m.cislo);
        RECT r = {};
        EXPECT_EQ(MonitorPodlaCisla(m.cislo, &r), m.je);
        if (!m.je)
            continue;
        EXPECT_EQ(r.left, m.oblast.left);
        EXPECT_EQ(r.top, m.oblast.top);
        EXPECT_EQ(r.right, m.oblast.right);
        EXPECT_EQ(r.bottom, m.oblast.bottom);
    }
    NastavMonitory(nullptr, nullptr, 0);
}
