// The plain point-list search, kept as the reference that the fast search must agree with.
#include "tests/oracle/hladanie_doslovne.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

struct Rozsah { // (-1, -1): the row holds no range
    int s, e;
};
enum Rezim { HLADANIE, RIADOK_SEMENA, RAST };
enum StavObjektu { ZIADNY, OTVORENY, UZAVRETY };
// What the forward pass leaves for the closing pass, and what that one gathers.
struct Objekt {
    StavObjektu stav;
    int hore, dole, preskok, uzavretie, lavy, pravy, pocet;
};

bool Prekryva(int s, int e, Rozsah r) {
    return s <= r.e && e >= r.s;
}

// Seed, growth row by row, the rows' ranges; a row ending without a joining run (after a gap of
// rows as well) sends the walk back to the rest of the seed's row.
Objekt DoprednyPrechod(const std::vector<POINT>& p, std::vector<Rozsah>& rozsahy, int sirka) {
    Objekt v = {ZIADNY, 0, 0, 0, 0, 0, 0, 0};
    Rezim rezim = HLADANIE;
    Rozsah ref = {0, 0}, semeno = {0, 0};
    bool pripojeny = false;
    int rmin = sirka, rmax = -1, dlzka = 0, semeno_y = 0, semeno_i = 0, semeno_n = 0;
    for (int i = 0, n = static_cast<int>(p.size()); i < n; ++i) {
        ++dlzka;
        if (i + 1 < n && p[i + 1].y == p[i].y && p[i + 1].x == p[i].x + 1)
            continue;
        const int s = p[i].x - dlzka + 1, e = p[i].x, y = p[i].y;
        const int d = i + 1 < n ? p[i + 1].y - y : 2; // the list's end: a gap of rows
        if (rezim == HLADANIE) {
            ref = semeno = {s, e};
            semeno_y = y;
            semeno_i = i;
            semeno_n = dlzka;
            rezim = RIADOK_SEMENA;
        }
        dlzka = 0;
        if (rezim == RIADOK_SEMENA && d > 1)
            rezim = HLADANIE;
        bool znova = false;
        if (rezim == RAST) {
            if (Prekryva(s, e, ref)) {
                pripojeny = true;
                rmin = std::min(rmin, s);
                if (e > rmax) {
                    rmax = e;
                    v.uzavretie = i;
                }
                rozsahy[semeno_y] = semeno;
                v.hore = semeno_y;
                v.dole = y;
                v.preskok = semeno_i - semeno_n + 1;
            }
            if (d >= 1 && pripojeny)
                ref = rozsahy[y] = {rmin, rmax};
            znova = d >= 1 && !pripojeny;
            rezim = d > 1 || znova ? HLADANIE : rezim;
        }
        rezim = d == 1 && rezim != HLADANIE ? RAST : rezim;
        if (d < 1)
            continue;
        v.stav = pripojeny ? OTVORENY : v.stav == OTVORENY ? UZAVRETY : v.stav;
        if (v.stav == UZAVRETY)
            break;
        pripojeny = false;
        rmin = sirka;
        rmax = -1;
        i = znova ? semeno_i : i;
    }
    return v;
}

// Backward from the closing position: every run overlapping the reference range joins and leaves
// the list. A row above the top holds no range: it takes the joining run's and becomes the top.
// Then the entries still in front of the seed leave.
void UzatvaraciPrechod(std::vector<POINT>& p, std::vector<Rozsah>& rozsahy, Objekt& o) {
    Rozsah ref = {0, 0};
    bool prvy = true, pripojeny = false;
    for (int i = o.uzavretie, n = 0; i >= 0; --i) {
        ++n; // entries of the run so far, from its end
        const POINT q = p[i];
        if (i > 0 && p[i - 1].y == q.y && p[i - 1].x == q.x - 1)
            continue;
        const int s = q.x, e = q.x + n - 1;
        Rozsah& r = rozsahy[q.y];
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
            o.preskok -= i < o.preskok ? n : 0;
            pripojeny = true;
            p.erase(p.begin() + i, p.begin() + i + n);
        }
        n = 0;
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
    p.erase(p.begin(), p.begin() + o.preskok);
}

// The shade's pixel test, channel by channel; a top byte is no colour.
bool VOdtieni(COLORREF c, Odtien o) {
    const int k = std::clamp(o.odchylka, 0, static_cast<int>(kNajvacsiaOdchylka)), r = c & 0xFF,
              g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
    if (c >> 24 != 0)
        return false;
    if (o.farba >> 24 == 0)
        return std::abs(r - static_cast<int>(o.farba & 0xFF)) <= k &&
               std::abs(g - static_cast<int>(o.farba >> 8 & 0xFF)) <= k &&
               std::abs(b - static_cast<int>(o.farba >> 16 & 0xFF)) <= k;
    const int uroven = (r + g + b) / 3, pasmo = static_cast<int>(o.stupen_sedi % 8); // rounded down
    return std::max({r, g, b}) - std::min({r, g, b}) <= k && uroven >= 32 * pasmo &&
           uroven <= 32 * pasmo + 31;
}

// The size and fill test in double precision; a kept object's centre and box are recorded.
int Zapis(const Objekt& o, int min_velkost, int percento_vyplne, POINT* stred, RECT* box) {
    const double w = o.pravy - o.lavy + 1.0, h = o.dole - o.hore + 1.0;
    if (w < min_velkost || h < min_velkost || o.pocet < percento_vyplne * w * h / 100.0)
        return 0;
    *stred = POINT{(o.lavy + o.pravy) / 2, (o.hore + o.dole) / 2};
    *box = RECT{o.lavy, o.hore, o.pravy, o.dole};
    return 1;
}

} // namespace

int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          Odtien odtien, int min_velkost, int percento_vyplne, int spajanie,
                          POINT* stredy, RECT* boxy, int kapacita) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    if (farby == nullptr || krok < sirka || (vyska + 5.0) * (sirka + 5.0) > INT_MAX)
        return -1;
    std::vector<POINT> p; // the points of the shade in scan order, the window's rectangle left out
    std::vector<char> sede(static_cast<size_t>(sirka) * vyska);
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            if (VOdtieni(farby[static_cast<size_t>(y) * krok + x], odtien) &&
                !(okno.left <= x && x <= okno.right && okno.top <= y && y <= okno.bottom)) {
                p.push_back(POINT{x, y});
                sede[y * sirka + x] = 1;
            }
    std::vector<Rozsah> rozsahy(static_cast<size_t>(vyska) + 5, Rozsah{-1, -1});
    int k = 0;
    // By rows: the forward and the closing pass per object.
    while (spajanie != 4 && spajanie != 8 && k < kapacita) {
        Objekt o = DoprednyPrechod(p, rozsahy, sirka);
        if (o.stav == ZIADNY)
            break;
        UzatvaraciPrechod(p, rozsahy, o);
        std::fill(rozsahy.begin() + o.hore, rozsahy.begin() + o.dole + 1, Rozsah{-1, -1});
        k += Zapis(o, min_velkost, percento_vyplne, stredy + k, boxy + k);
    }
    // Touching: a plain flood fill from each grey pixel not yet taken, in reading order, over the
    // side neighbours and, for 8, the corner ones.
    for (int i = 0; (spajanie == 4 || spajanie == 8) && i < sirka * vyska && k < kapacita; ++i) {
        Objekt o = {OTVORENY, i / sirka, i / sirka, 0, 0, i % sirka, i % sirka, 0};
        std::vector<int> zasobnik(sede[i], i);
        for (sede[i] = 0; !zasobnik.empty(); ++o.pocet) {
            const int x = zasobnik.back() % sirka, y = zasobnik.back() / sirka;
            zasobnik.pop_back();
            o.lavy = std::min(o.lavy, x);
            o.pravy = std::max(o.pravy, x);
            o.dole = std::max(o.dole, y);
            for (int d = 0; d < 9; ++d) {
                const int nx = x + d % 3 - 1, ny = y + d / 3 - 1, j = ny * sirka + nx;
                if ((d % 2 == 1 || spajanie == 8) && nx >= 0 && ny >= 0 && nx < sirka &&
                    ny < vyska && sede[j]) {
                    sede[j] = 0;
                    zasobnik.push_back(j);
                }
            }
        }
        k += o.pocet > 0 ? Zapis(o, min_velkost, percento_vyplne, stredy + k, boxy + k) : 0;
    }
    return k;
}
