// The outlines' number labels: each whole in its area, near its box, apart from every other label.
#include "layout/rozlozenie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Background pixels between two labels (negative: they overlap).
int Medzera(const RECT& a, const RECT& b) {
    return std::max({b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom});
}

} // namespace

// A lone 20 x 10 label on two monitors: below the box at the screen's top, pulled in at the edge,
// inside a box that fills both.
TEST(Stitky, ALoneLabelStaysOnTheScreen) {
    const RECT obrazovka = {-1920, 0, 1920, 1080};
    // clang-format off
    const struct { RECT box; POINT stitok; } riadky[] = {
        {{-1920, 5, -1900, 30}, {-1920, 32}}, {{1910, 500, 1919, 509}, {1900, 489}}, {{-1920, 0, 1919, 1079}, {-1919, 1}}};
    // clang-format on
    for (const auto& r : riadky) {
        SCOPED_TRACE(testing::Message() << "box at " << r.box.left << "," << r.box.top);
        const SIZE velkost = {20, 10};
        RECT s;
        RozmiestniCisla(&r.box, &velkost, 1, obrazovka, &s);
        EXPECT_EQ(s.left, r.stitok.x);
        EXPECT_EQ(s.top, r.stitok.y);
        EXPECT_EQ(s.right - s.left, 20);
        EXPECT_EQ(s.bottom - s.top, 10);
    }
}

// Ten 20 x 10 labels of one 60 x 40 box: above its corners, below them, inside its corners and
// middle (the places beside the corners touch those above and below), then anywhere free.
TEST(Stitky, LabelsOfOneBoxTakeThePlacesInTurn) {
    const std::vector<RECT> box(10, RECT{100, 100, 159, 139});
    const std::vector<SIZE> velkosti(10, SIZE{20, 10});
    std::vector<RECT> s(10);
    RozmiestniCisla(box.data(), velkosti.data(), 10, RECT{0, 0, 1920, 1080}, s.data());
    const POINT miesta[9] = {{99, 89},   {141, 89},  {99, 141},  {141, 141}, {101, 101},
                             {139, 101}, {101, 129}, {139, 129}, {120, 115}};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(s[i].left, miesta[i].x) << "label " << i;
        EXPECT_EQ(s[i].top, miesta[i].y) << "label " << i;
        EXPECT_GE(Medzera(s[9], s[i]), 2) << "the last label and label " << i;
    }
}

// Where nothing is free, a label is left out: an empty rectangle at the area's corner.
TEST(Stitky, ALabelWithNoFreePlaceIsLeftOut) {
    const RECT box[2] = {{100, 100, 159, 139}, {100, 100, 159, 139}};
    const SIZE velkosti[2] = {{20, 10}, {20, 10}};
    RECT s[2];
    RozmiestniCisla(box, velkosti, 2, RECT{90, 80, 130, 100}, s);
    EXPECT_EQ(s[0].left, 99);
    EXPECT_EQ(s[0].top, 89);
    EXPECT_EQ(s[1].left, 90);
    EXPECT_EQ(s[1].right, 90);
}

// A dense grid of 16 x 16 squares 2 apart, labels wider than the squares at 96 and 144 DPI: every
// label placed at its size, whole in the outlines' area, 2 pixels from every other.
TEST(Stitky, ADenseGridHasEveryLabelApart) {
    for (int dpi : {96, 144}) {
        std::vector<RECT> boxy;
        std::vector<SIZE> velkosti;
        for (int i = 0; i < 96; ++i) {
            const LONG x = 500 + 18 * (i % 12), y = 300 + 18 * (i / 12);
            boxy.push_back(RECT{x, y, x + 15, y + 15});
            velkosti.push_back(SIZE{Skaluj(i < 9 ? 13 : 20, dpi), Skaluj(17, dpi)});
        }
        const RECT oblast =
            OblastObrysov(boxy.data(), 1, 96, Skaluj(96, dpi), RECT{0, 0, 1920, 1080});
        std::vector<RECT> stitky(96);
        RozmiestniCisla(boxy.data(), velkosti.data(), 96, oblast, stitky.data());
        for (int i = 0; i < 96; ++i) {
            SCOPED_TRACE(testing::Message() << "label " << i << " at " << dpi << " dpi");
            const RECT& s = stitky[i];
            EXPECT_EQ(s.right - s.left, velkosti[i].cx);
            EXPECT_EQ(s.bottom - s.top, velkosti[i].cy);
            EXPECT_GE(s.left, oblast.left);
            EXPECT_GE(s.top, oblast.top);
            EXPECT_LE(s.right, oblast.right);
            EXPECT_LE(s.bottom, oblast.bottom);
            for (int j = 0; j < i; ++j)
                EXPECT_GE(Medzera(s, stitky[j]), 2) << "and label " << j;
        }
    }
}
