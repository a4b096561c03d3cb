// Test pixel tables, a call of the search that collects its records, file reading.
#include "obraz.h"

#include <fstream>
#include <iterator>

Image Blank(int w, int h, COLORREF c) {
    return Image{w, h, std::vector<COLORREF>(static_cast<size_t>(w) * h, c)};
}

void Fill(Image& im, int l, int t, int r, int b, COLORREF c) {
    for (int y = t; y <= b; ++y) {
        for (int x = l; x <= r; ++x) {
            im.px[static_cast<size_t>(y) * im.w + x] = c;
        }
    }
}

Image Boxes(int w, int h, std::initializer_list<std::array<int, 4>> boxes) {
    Image im = Blank(w, h);
    for (const auto& b : boxes) {
        Fill(im, b[0], b[1], b[2], b[3]);
    }
    return im;
}

Image FromArt(const std::vector<std::string>& rows) {
    Image im = Blank(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < im.h; ++y) {
        for (int x = 0; x < im.w; ++x) {
            if (rows[y][x] == '#') {
                Fill(im, x, y, x, y);
            }
        }
    }
    return im;
}

V Search(const Image& im, unsigned band, int min_size, int fill, RECT window, int kapacita) {
    std::vector<POINT> c(static_cast<size_t>(kapacita) + 1);
    std::vector<RECT> b(c.size());
    const int k = HladajObjekty(im.px.data(), im.w, im.w, im.h, window, band, min_size, fill, 0,
                                c.data(), b.data(), kapacita);
    V out;
    for (int i = 0; i < k; ++i) {
        out.push_back({c[i].x, c[i].y, b[i].left, b[i].top, b[i].right, b[i].bottom});
    }
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
