// Test pixel tables and a run-level model of the search to compare the point-list form with.
#include "obraz.h"

#include <algorithm>
#include <climits>

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

Image FromArt(const std::vector<std::string>& rows) {
    Image im = Blank(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < im.h; ++y) {
        for (int x = 0; x < im.w; ++x) {
            if (rows[y][x] == '#') {
                im.px[static_cast<size_t>(y) * im.w + x] = kGrey64;
            }
        }
    }
    return im;
}

std::vector<Found> Search(const Image& im, unsigned band, int min_size, int fill, RECT window,
                          int kapacita) {
    std::vector<POINT> c(static_cast<size_t>(std::max(kapacita, 0)) + 1, POINT{-7, -7});
    std::vector<RECT> b(c.size(), RECT{-7, -7, -7, -7});
    int k = HladajObjekty(im.px.data(), im.w, im.w, im.h, window, band, min_size, fill, c.data(),
                          b.data(), kapacita);
    std::vector<Found> out;
    for (int i = 0; i < k; ++i) {
        out.push_back({c[i].x, c[i].y, b[i].left, b[i].top, b[i].right, b[i].bottom});
    }
    return out;
}

namespace {

struct Run {
    int y;
    int s;
    int e;
};

bool Overlaps(int s, int e, int rs, int re) {
    return s <= re && e >= rs;
}

std::vector<Run> GreyRuns(const Image& im, unsigned band, RECT win) {
    std::vector<Run> runs;
    for (int y = 0; y < im.h; ++y) {
        bool open = false;
        for (int x = 0; x < im.w; ++x) {
            COLORREF c = im.px[static_cast<size_t>(y) * im.w + x];
            bool inWin = win.left <= x && x <= win.right && win.top <= y && y <= win.bottom;
            unsigned g = c & 0xFF;
            bool grey = !inWin && c == g * 0x010101u && ((g - 32u * band) & 255u) < 32u;
            if (grey && open) {
                runs.back().e = x;
            } else if (grey) {
                runs.push_back({y, x, x});
            }
            open = grey;
        }
    }
    return runs;
}

// First run, in list order, with an overlapping run on the row directly below.
int FindSeed(const std::vector<Run>& runs) {
    for (size_t i = 0; i < runs.size(); ++i) {
        for (const Run& r : runs) {
            if (r.y == runs[i].y + 1 && Overlaps(r.s, r.e, runs[i].s, runs[i].e)) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

} // namespace

std::vector<Found> ModelSearch(const Image& im, unsigned band, int min_size, int fill,
                               RECT window) {
    std::vector<Run> runs = GreyRuns(im, band, window);
    std::vector<std::array<int, 2>> range(static_cast<size_t>(im.h), {-1, -1});
    std::vector<Found> out;
    for (;;) {
        const int si = FindSeed(runs);
        if (si < 0) {
            return out;
        }
        // Grow downward: each row's range spans the runs overlapping the range above.
        const Run seed = runs[si];
        range[seed.y] = {seed.s, seed.e};
        int top = seed.y;
        int bottom = seed.y;
        int last = -1;
        std::array<int, 2> ref = {seed.s, seed.e};
        for (int y = seed.y + 1; y < im.h; ++y) {
            int mn = INT_MAX;
            int mx = -1;
            int rightmost = -1;
            for (size_t j = 0; j < runs.size(); ++j) {
                if (runs[j].y == y && Overlaps(runs[j].s, runs[j].e, ref[0], ref[1])) {
                    mn = std::min(mn, runs[j].s);
                    mx = std::max(mx, runs[j].e);
                    rightmost = static_cast<int>(j);
                }
            }
            if (rightmost < 0) {
                break;
            }
            range[y] = {mn, mx};
            ref = range[y];
            bottom = y;
            last = rightmost;
        }
        // Close upward from the rightmost joining run of the bottom row.
        std::vector<bool> removed(runs.size(), false);
        ref = range[bottom];
        int left = ref[0];
        int right = ref[1];
        int count = 0;
        int y = bottom;
        int j = last;
        bool first = true;
        for (;;) {
            bool joined = false;
            for (; j >= 0 && runs[j].y == y; --j) {
                const Run& r = runs[j];
                if (!first && !Overlaps(r.s, r.e, ref[0], ref[1])) {
                    continue;
                }
                if (!first && range[y][0] == -1) {
                    range[y] = {r.s, r.e};
                    top = std::min(top, y);
                } else {
                    range[y] = {std::min(range[y][0], r.s), std::max(range[y][1], r.e)};
                }
                first = false;
                joined = true;
                removed[j] = true;
                count += r.e - r.s + 1;
            }
            if (joined) {
                ref = range[y];
                left = std::min(left, ref[0]);
                right = std::max(right, ref[1]);
            }
            if (!joined || j < 0 || runs[j].y < y - 1) {
                break;
            }
            --y;
        }
        std::vector<Run> rest;
        for (size_t i = static_cast<size_t>(si); i < runs.size(); ++i) {
            if (!removed[i]) {
                rest.push_back(runs[i]);
            }
        }
        runs = rest;
        for (int r = top; r <= bottom; ++r) {
            range[r] = {-1, -1};
        }
        const double w = right - left + 1.0;
        const double h = bottom - top + 1.0;
        if (w >= min_size && h >= min_size && count >= fill * (w * h) / 100.0) {
            out.push_back({(left + right) / 2, (top + bottom) / 2, left, top, right, bottom});
        }
    }
}
