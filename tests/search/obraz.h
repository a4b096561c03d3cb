// Test pixel tables, the search run on them, file reading.
#pragma once

#include "search/hladanie.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct Image {
    int w, h;
    std::vector<COLORREF> px;
};

constexpr RECT kNoWindow = {-1000, -1000, -900, -900};
using V = std::vector<std::array<int, 6>>; // centre x, y, then box left, top, right, bottom

// Boxes (left, top, right, bottom, colour: grey 64 if none) drawn in turn over a background.
inline Image Boxes(int w, int h, std::vector<std::vector<int>> boxes, COLORREF c = 0xFFFFFF) {
    Image im = {w, h, std::vector<COLORREF>(static_cast<size_t>(w) * h, c)};
    for (const auto& b : boxes)
        for (int y = b[1]; y <= b[3]; ++y)
            for (int x = b[0]; x <= b[2]; ++x)
                im.px[static_cast<size_t>(y) * w + x] = b.size() > 4 ? b[4] : 0x404040;
    return im;
}

// Rows split by '|': '#' is grey 64, anything else white.
inline Image Art(const std::string& art) {
    const int w = static_cast<int>(art.find('|') == std::string::npos ? art.size() : art.find('|'));
    Image im = Boxes(w, static_cast<int>(art.size() + 1) / (w + 1), {});
    for (size_t i = 0; i < art.size(); ++i)
        if (art[i] == '#')
            im.px[i / (w + 1) * w + i % (w + 1)] = 0x404040;
    return im;
}

inline V Search(const Image& im, unsigned band = 2, int min_size = 1, int fill = 0,
                RECT window = kNoWindow, int grouping = 0) {
    std::vector<POINT> c(1000);
    std::vector<RECT> b(c.size());
    V out(std::max(0, HladajObjekty(im.px.data(), im.w, im.w, im.h, window, band, min_size, fill,
                                    grouping, c.data(), b.data(), 1000)));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = {c[i].x, c[i].y, b[i].left, b[i].top, b[i].right, b[i].bottom};
    return out;
}

// The whole file, byte for byte; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
