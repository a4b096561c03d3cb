// Test pixel tables: drawing helpers, a call of the search that collects its records, file reading.
#pragma once

#include "search/hladanie.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

struct Image {
    int w;
    int h;
    std::vector<COLORREF> px;
};

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey64 = 0x404040;
constexpr RECT kNoWindow = {-1000, -1000, -900, -900};

// Centre x, y, then box left, top, right, bottom.
using Found = std::array<int, 6>;
using V = std::vector<Found>;

Image Blank(int w, int h, COLORREF c = kWhite);
void Fill(Image& im, int l, int t, int r, int b, COLORREF c = kGrey64);
// A w x h white table with boxes (left, top, right, bottom) of grey 64.
Image Boxes(int w, int h, std::initializer_list<std::array<int, 4>> boxes);
// '#' is grey 64, anything else white.
Image FromArt(const std::vector<std::string>& rows);

// The whole file, byte for byte; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// Runs the search with room for kapacita records and returns what it recorded.
V Search(const Image& im, unsigned band = 2, int min_size = 1, int fill = 0,
         RECT window = kNoWindow, int kapacita = 1000);
