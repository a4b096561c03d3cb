// Test pixel tables, the search run on them, file reading.
#pragma once

#include "search/hladanie.h"

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

inline Image Blank(int w, int h, COLORREF c = 0xFFFFFF) {
    return Image{w, h, std::vector<COLORREF>(static_cast<size_t>(w) * h, c)};
}

inline void Fill(Image& im, int l, int t, int r, int b, COLORREF c = 0x404040) {
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x)
            im.px[static_cast<size_t>(y) * im.w + x] = c;
}

// A w x h white table with boxes (left, top, right, bottom) of grey 64.
inline Image Boxes(int w, int h, std::vector<std::array<int, 4>> boxes) {
    Image im = Blank(w, h);
    for (const auto& b : boxes)
        Fill(im, b[0], b[1], b[2], b[3]);
    return im;
}

// Rows split by '|': '#' is grey 64, anything else white.
inline Image Art(const std::string& art) {
    const int w = static_cast<int>(art.find('|') == std::string::npos ? art.size() : art.find('|'));
    Image im = Blank(w, static_cast<int>(art.size() + 1) / (w + 1));
    for (size_t i = 0; i < art.size(); ++i)
        if (art[i] == '#')
            Fill(im, i % (w + 1), i / (w + 1), i % (w + 1), i / (w + 1));
    return im;
}

inline V Search(const Image& im, unsigned band = 2, int min_size = 1, int fill = 0,
                RECT window = kNoWindow) {
    std::vector<POINT> c(1000);
    std::vector<RECT> b(c.size());
    const int k = HladajObjekty(im.px.data(), im.w, im.w, im.h, window, band, min_size, fill,
                                c.data(), b.data(), 1000);
    V out;
    for (int i = 0; i < k; ++i)
        out.push_back({c[i].x, c[i].y, b[i].left, b[i].top, b[i].right, b[i].bottom});
    return out;
}

// The whole file, byte for byte; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
