// The plain point-list search, kept as the reference that the fast search must agree with.
#include "tests/oracle/hladanie_doslovne.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

struct Rozsah { // (-1, -1): the row holds no range
    int s, e;
};
struct Beh { // start and end column, row, list position of its last point, length
    int s, e, y, i, n;
};
enum Rezim { HLADANIE, RIADOK_SEMENA, RAST };
enum StavObjektu { ZIADNY, OTVORENY, UZAVRETY };
struct Dopredny { // what the forward pass leaves for the closing pass
    StavObjektu stav;
    int hore, dole, preskok, uzavretie;
};
struct Objekt {
    int lavy, pravy, hore, dole, pocet;
};
using Zoznam = std::vector<POINT>;

bool Prekryva(int s, int e, Rozsah r) {
    return s <= r.e && e >= r.s;
}

bool JeSedaVPasme(COLORREF farba, unsigned stupen_sedi) {
    for (unsigned j = 0; j < 32; ++j)
        if (farba == ((32u * stupen_sedi + j) % 256u) * 0x010101u)
            return true;
    return false;
}

// Seed, growth row by row, the rows' ranges; a row ending without a joining run (after a gap of
// rows as well) sends the walk back to the rest of the seed's row.
Dopredny DoprednyPrechod(const Zoznam& p, std::vector<Rozsah>& rozsahy, int sirka) {
    Dopredny v = {ZIADNY, 0, 0, 0, 0};
    Rezim rezim = HLADANIE;
    Rozsah ref = {0, 0};
    Beh semeno = {0, 0, 0, 0, 0};
    bool pripojeny = false;
    int rmin = sirka, rmax = -1, dlzka = 0;
    const int n = static_cast<int>(p.size());
    for (int i = 0; i < n; ++i) {
        ++dlzka;
        if (i + 1 < n && p[i + 1].y == p[i].y && p[i + 1].x == p[i].x + 1)
            continue;
        const Beh b = {p[i].x - dlzka + 1, p[i].x, p[i].y, i, dlzka};
        const int d = i + 1 < n ? p[i + 1].y - p[i].y : 2; // the list's end: a gap of rows
        dlzka = 0;
        bool znova = false;
        if (rezim == HLADANIE) {
            semeno = b;
            ref = {b.s, b.e};
            rezim = RIADOK_SEMENA;
        }
        if (rezim == RIADOK_SEMENA && d > 1)
            rezim = HLADANIE;
        if (rezim == RAST) {
            if (Prekryva(b.s, b.e, ref)) {
                pripojeny = true;
                rmin = std::min(rmin, b.s);
                if (b.e > rmax) {
                    rmax = b.e;
                    v.uzavretie = i;
                }
                rozsahy[semeno.y] = {semeno.s, semeno.e};
                v.hore = semeno.y;
                v.dole = b.y;
                v.preskok = semeno.i - semeno.n + 1;
            }
            if (d >= 1 && pripojeny)
                ref = rozsahy[b.y] = {rmin, rmax};
            if (d >= 1 && !pripojeny)
                znova = true;
            if (d > 1 || znova)
                rezim = HLADANIE;
        }
        if (d == 1 && (rezim == RIADOK_SEMENA || rezim == RAST))
            rezim = RAST;
        if (d < 1)
            continue;
        if (!pripojeny && v.stav == OTVORENY)
            v.stav = UZAVRETY;
        if (pripojeny)
            v.stav = OTVORENY;
        pripojeny = false;
        if (v.stav == UZAVRETY)
            break;
        rmin = sirka;
        rmax = -1;
        if (znova)
            i = semeno.i;
    }
    return v;
}

// Backward from the closing position: every run overlapping the reference range joins and leaves
// the list. A row above the top holds no range: it takes the joining run's and becomes the top.
// Then the entries still in front of the seed leave.
Objekt UzatvaraciPrechod(Zoznam& p, std::vector<Rozsah>& rozsahy, const Dopredny& v) {
    Objekt o = {0, 0, v.hore, v.dole, 0};
    int pred_semenom = v.preskok;
    Rozsah ref = {0, 0};
    bool prvy = true, pripojeny = false;
    int dlzka = 0;
    for (int i = v.uzavretie; i >= 0; --i) {
        ++dlzka;
        const POINT q = p[i];
        if (i > 0 && p[i - 1].y == q.y && p[i - 1].x == q.x - 1)
            continue;
        const int s = q.x, e = q.x + dlzka - 1, n = dlzka;
        Rozsah& r = rozsahy[q.y];
        dlzka = 0;
        if (prvy || Prekryva(s, e, ref)) {
            if (prvy) {
                ref = r;
                o.lavy = r.s;
                o.pravy = r.e;
                prvy = false;
            } else if (r.s == -1 && r.e == -1) {
                r = {s, e};
                o.hore = std::min(o.hore, static_cast<int>(q.y));
            } else {
                r = {std::min(r.s, s), std::max(r.e, e)};
            }
            o.pocet += n;
            p.erase(p.begin() + i, p.begin() + i + n);
            if (i < pred_semenom)
                pred_semenom -= n;
            pripojeny = true;
        }
        if (i > 0 && p[i - 1].y == q.y)
            continue; // not the first entry of its row
        if (pripojeny) {
            ref = r;
            o.lavy = std::min(o.lavy, r.s);
            o.pravy = std::max(o.pravy, r.e);
        }
        if (!pripojeny || i == 0 || p[i - 1].y < q.y - 1)
            break;
        pripojeny = false;
    }
    p.erase(p.begin(), p.begin() + pred_semenom);
    return o;
}

} // namespace

int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                          RECT* boxy, int kapacita) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    if (farby == nullptr || krok < sirka || (vyska + 5.0) * (sirka + 5.0) > INT_MAX)
        return -1;
    Zoznam p;
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            if (!(okno.left <= x && x <= okno.right && okno.top <= y && y <= okno.bottom) &&
                JeSedaVPasme(farby[static_cast<size_t>(y) * krok + x], stupen_sedi))
                p.push_back(POINT{x, y});
    std::vector<Rozsah> rozsahy(static_cast<size_t>(vyska) + 5, Rozsah{-1, -1});
    int k = 0;
    while (k < kapacita) {
        const Dopredny v = DoprednyPrechod(p, rozsahy, sirka);
        if (v.stav == ZIADNY)
            break;
        const Objekt o = UzatvaraciPrechod(p, rozsahy, v);
        std::fill(rozsahy.begin() + o.hore, rozsahy.begin() + o.dole + 1, Rozsah{-1, -1});
        const double w = o.pravy - o.lavy + 1.0, h = o.dole - o.hore + 1.0;
        if (w >= min_velkost && h >= min_velkost && o.pocet >= percento_vyplne * w * h / 100.0) {
            stredy[k] = POINT{(o.lavy + o.pravy) / 2, (o.hore + o.dole) / 2};
            boxy[k++] = RECT{o.lavy, o.hore, o.pravy, o.dole};
        }
    }
    return k;
}
