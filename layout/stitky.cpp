// Where the outlines' number labels go: each where it touches no other label, near its own box.
#include "layout/rozlozenie.h"

#include <algorithm>
#include <vector>

namespace {

const int kBunka = 64; // side of the cells that the placed labels are filed under, pixels
// Candidates beside the box's corners and inside it, each as the label's top-left corner, given as
// the box's left, right, or middle (0, 1, 2) and top, bottom or middle, and where the label
// stands from there: above or left of that (-1), below or right of it (1), centred on it (0).
struct Miesto {
    int kde_x, kam_x, kde_y, kam_y;
};
const Miesto kMiesta[] = {
    // Above the corners, then below them, then beside them on the left and right.
    {0, 1, 0, -1}, {1, -1, 0, -1}, {0, 1, 1, 1},   {1, -1, 1, 1},
    {0, -1, 0, 1}, {1, 1, 0, 1},   {0, -1, 1, -1}, {1, 1, 1, -1}};
const Miesto kVnutri[] = {{0, 1, 0, 1}, {1, -1, 0, 1}, {0, 1, 1, -1}, {1, -1, 1, -1}, {2, 0, 2, 0}};

// The label's place along one axis: from the outline's outer ring (one pixel out of the box) when
// outside, from within the box's edge pixels when inside.
LONG Os(LONG od, LONG po, LONG dlzka, int kde, int kam, int vnutri) {
    if (kde == 2)
        return (od + po + 1) / 2 - dlzka / 2;
    const LONG hrana = kde == 0 ? (vnutri ? od + 1 : od - 1) : (vnutri ? po : po + 2);
    return kam > 0 ? hrana : hrana - dlzka;
}

// The labels placed so far, filed by the cells of the area that each (grown by the gap) covers.
struct Polozene {
    RECT oblast;
    int stlpcov;
    int riadkov;
    std::vector<std::vector<int>> bunky;
    const RECT* stitky;
};

void Bunky(const Polozene& p, RECT r, int* x0, int* y0, int* x1, int* y1) {
    *x0 = std::clamp<int>((r.left - p.oblast.left) / kBunka, 0, p.stlpcov - 1);
    *y0 = std::clamp<int>((r.top - p.oblast.top) / kBunka, 0, p.riadkov - 1);
    *x1 = std::clamp<int>((r.right - 1 - p.oblast.left) / kBunka, 0, p.stlpcov - 1);
    *y1 = std::clamp<int>((r.bottom - 1 - p.oblast.top) / kBunka, 0, p.riadkov - 1);
}

bool Prekryva(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Volne(const Polozene& p, const RECT& r) {
    int x0, y0, x1, y1;
    Bunky(p, r, &x0, &y0, &x1, &y1);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            for (int i : p.bunky[y * p.stlpcov + x])
                if (StitkyDotyka(p.stitky[i], r))
                    return false;
    return true;
}

void Poloz(Polozene* p, int i) {
    const RECT& s = p->stitky[i];
    int x0, y0, x1, y1;
    Bunky(*p,
          RECT{s.left - kMedzeraStitkov, s.top - kMedzeraStitkov, s.right + kMedzeraStitkov,
               s.bottom + kMedzeraStitkov},
          &x0, &y0, &x1, &y1);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            p->bunky[y * p->stlpcov + x].push_back(i);
}

// The label of that size with its top-left corner at (x, y), pulled whole into the area.
RECT Stitok(LONG x, LONG y, SIZE s, const RECT& oblast) {
    x = std::max(std::min(x, oblast.right - s.cx), oblast.left);
    y = std::max(std::min(y, oblast.bottom - s.cy), oblast.top);
    return RECT{x, y, x + s.cx, y + s.cy};
}

RECT Kandidat(const RECT& b, SIZE s, const Miesto& m, int vnutri, const RECT& oblast) {
    return Stitok(Os(b.left, b.right, s.cx, m.kde_x, m.kam_x, vnutri),
                  Os(b.top, b.bottom, s.cy, m.kde_y, m.kam_y, vnutri), s, oblast);
}

// The nearest free place around the first candidate, ring by ring up to kDosah label heights: every
// half height near it, every height further out (a crowded screen would take long otherwise).
const int kDosah = 8;
bool Okolie(const Polozene& p, RECT prvy, SIZE s, RECT* stitok) {
    const LONG jemne = std::max<LONG>(2, s.cy / 2);
    for (LONG r = jemne; r <= kDosah * s.cy; r += r < kDosah / 2 * s.cy ? jemne : 2 * jemne) {
        const LONG krok = r < kDosah / 2 * s.cy ? jemne : 2 * jemne;
        for (LONG dy = -r; dy <= r; dy += krok)
            for (LONG dx = -r; dx <= r; dx += (dy == -r || dy + krok > r) ? krok : 2 * r) {
                *stitok = Stitok(prvy.left + dx, prvy.top + dy, s, p.oblast);
                if (Volne(p, *stitok))
                    return true;
            }
    }
    return false;
}

bool NajdiMiesto(const Polozene& p, const RECT& b, SIZE s, RECT* stitok) {
    // Pulled in at the area's edge, a place beside the box may come to lie on its outline.
    const RECT obrys = {b.left - 1, b.top - 1, b.right + 2, b.bottom + 2};
    for (const Miesto& m : kMiesta) {
        *stitok = Kandidat(b, s, m, 0, p.oblast);
        if (!Prekryva(*stitok, obrys) && Volne(p, *stitok))
            return true;
    }
    const bool vojde = s.cx <= b.right - b.left - 1 && s.cy <= b.bottom - b.top - 1;
    for (const Miesto& m : kVnutri)
        if (vojde && Volne(p, *stitok = Kandidat(b, s, m, 1, p.oblast)))
            return true;
    return Okolie(p, Kandidat(b, s, kMiesta[0], 0, p.oblast), s, stitok);
}

} // namespace

bool StitkyDotyka(const RECT& a, const RECT& b) {
    return a.left < b.right + kMedzeraStitkov && b.left < a.right + kMedzeraStitkov &&
           a.top < b.bottom + kMedzeraStitkov && b.top < a.bottom + kMedzeraStitkov;
}

void RozmiestniCisla(const RECT* boxy, const SIZE* velkosti, int pocet, RECT oblast, RECT* stitky) {
    Polozene p;
    p.oblast = oblast;
    p.stlpcov = std::max<int>(1, (oblast.right - oblast.left + kBunka - 1) / kBunka);
    p.riadkov = std::max<int>(1, (oblast.bottom - oblast.top + kBunka - 1) / kBunka);
    p.bunky.resize(static_cast<size_t>(p.stlpcov) * p.riadkov);
    p.stitky = stitky;
    for (int i = 0; i < pocet; i++) {
        if (!NajdiMiesto(p, boxy[i], velkosti[i], &stitky[i])) {
            stitky[i] = RECT{oblast.left, oblast.top, oblast.left, oblast.top};
            continue;
        }
        Poloz(&p, i);
    }
}
