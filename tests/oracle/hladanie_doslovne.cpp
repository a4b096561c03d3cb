// The plain point-list search, kept as the reference that the fast search must agree with.
#include "tests/oracle/hladanie_doslovne.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Row range table entry; (-1, -1) means the row holds no range.
struct Rozsah {
    int zaciatok;
    int koniec;
};

enum Rezim { HLADANIE, RIADOK_SEMENA, RAST };
enum StavObjektu { ZIADNY, OTVORENY, UZAVRETY };

// A run of the list: start and end column, row, position of its last point, length.
struct Beh {
    int zaciatok;
    int koniec;
    int riadok;
    int poloha;
    int dlzka;
};

// What the forward pass leaves for the closing pass.
struct DoprednyVysledok {
    StavObjektu stav;
    int horny_riadok;
    int dolny_riadok;
    int preskok; // list position of the seed's first point
};

// The forward pass's walk state.
struct Prechod {
    Rezim rezim;
    Rozsah ref;
    bool riadok_pripojeny;
    int rmin;
    int rmax;
    Beh semeno;
    DoprednyVysledok v;
};

// What the closing pass gathered of the object.
struct Objekt {
    int lavy;
    int pravy;
    int horny;
    int dolny;
    int pocet_bodov;
};

bool SaPrekryva(int s, int e, int rs, int re) {
    return s <= re && e >= rs;
}

// The entry after position i continues its run: same row, x one greater.
bool PokracujeBeh(const POINT* polohy, int n, int i) {
    return i + 1 < n && polohy[i + 1].y == polohy[i].y && polohy[i + 1].x == polohy[i].x + 1;
}

// Row step of the point at i; the list's last point counts as followed by a gap of rows.
int KrokRiadku(const POINT* polohy, int n, int i) {
    if (i + 1 >= n) {
        return 2;
    }
    return polohy[i + 1].y - polohy[i].y;
}

// Removes pocet entries from position od on; the later entries move forward in order.
void OdstranBody(POINT* polohy, int* n, int od, int pocet) {
    std::memmove(polohy + od, polohy + od + pocet,
                 static_cast<size_t>(*n - od - pocet) * sizeof(POINT));
    *n -= pocet;
}

bool JeVOkne(int x, int y, const RECT& okno) {
    return okno.left <= x && x <= okno.right && okno.top <= y && y <= okno.bottom;
}

// Grey of band position j: (32 * setting + j) mod 256 on every channel.
COLORREF SedaFarba(unsigned stupen_sedi, unsigned j) {
    return ((32u * stupen_sedi + j) % 256u) * 0x010101u;
}

bool JeSedaVPasme(COLORREF farba, unsigned stupen_sedi) {
    for (unsigned j = 0; j < 32; ++j) {
        if (farba == SedaFarba(stupen_sedi, j)) {
            return true;
        }
    }
    return false;
}

// Fills the point list in scan order with the band's grey pixels outside the window; returns n.
int ZostavZoznam(const COLORREF* farby, int krok, int sirka, int vyska, const RECT& okno,
                 unsigned stupen_sedi, POINT* polohy) {
    int n = 0;
    for (int y = 0; y < vyska; ++y) {
        const COLORREF* riadok = farby + static_cast<size_t>(y) * static_cast<size_t>(krok);
        for (int x = 0; x < sirka; ++x) {
            if (!JeVOkne(x, y, okno) && JeSedaVPasme(riadok[x], stupen_sedi)) {
                polohy[n].x = x;
                polohy[n].y = y;
                ++n;
            }
        }
    }
    return n;
}

// A growing row's run: joins when it overlaps the range of the row above; at the row's end the
// joined runs' span becomes the row's range. Returns true when the walk must go back to the rest
// of the seed's row.
bool RastRiadku(Prechod* p, const Beh& b, int d, Rozsah* rozsahy, int* uzatvaracia_poloha) {
    if (SaPrekryva(b.zaciatok, b.koniec, p->ref.zaciatok, p->ref.koniec)) {
        p->riadok_pripojeny = true;
        if (b.zaciatok < p->rmin) {
            p->rmin = b.zaciatok;
        }
        if (b.koniec > p->rmax) {
            p->rmax = b.koniec;
            *uzatvaracia_poloha = b.poloha;
        }
        rozsahy[p->semeno.riadok] = Rozsah{p->semeno.zaciatok, p->semeno.koniec};
        p->v.horny_riadok = p->semeno.riadok;
        p->v.dolny_riadok = b.riadok;
        p->v.preskok = p->semeno.poloha - p->semeno.dlzka + 1;
    }
    if (d >= 1 && p->riadok_pripojeny) {
        rozsahy[b.riadok] = Rozsah{p->rmin, p->rmax};
        p->ref = rozsahy[b.riadok];
    }
    // A row that ends without joining sends the walk back to the rest of the seed's row, whether
    // the next row follows directly or after a gap.
    if (d >= 1 && !p->riadok_pripojeny) {
        p->rezim = HLADANIE;
        return true;
    }
    if (d > 1) {
        p->rezim = HLADANIE;
    }
    return false;
}

// The steps at a run's last point apply one after another to the same run.
bool KoniecBehu(Prechod* p, const Beh& b, int d, Rozsah* rozsahy, int* uzatvaracia_poloha) {
    bool znova_od_semena = false;
    if (p->rezim == HLADANIE) {
        p->semeno = b;
        p->ref = Rozsah{b.zaciatok, b.koniec};
        p->rezim = RIADOK_SEMENA;
    }
    if (p->rezim == RIADOK_SEMENA && d > 1) {
        p->rezim = HLADANIE;
    }
    if (p->rezim == RAST) {
        znova_od_semena = RastRiadku(p, b, d, rozsahy, uzatvaracia_poloha);
    }
    if (d == 1 && (p->rezim == RIADOK_SEMENA || p->rezim == RAST)) {
        p->rezim = RAST;
    }
    return znova_od_semena;
}

// At a row's end: a row without a joining run completes an open object. Returns true when the
// pass ends here.
bool KoniecRiadku(Prechod* p, int sirka) {
    if (!p->riadok_pripojeny && p->v.stav == OTVORENY) {
        p->v.stav = UZAVRETY;
    }
    if (p->riadok_pripojeny) {
        p->v.stav = OTVORENY;
    }
    p->riadok_pripojeny = false;
    if (p->v.stav == UZAVRETY) {
        return true;
    }
    p->rmin = sirka;
    p->rmax = -1;
    return false;
}

// One forward pass: finds the seed, grows the object row by row and stores the rows' ranges.
// The closing position is kept by the caller from cycle to cycle.
DoprednyVysledok DoprednyPrechod(const POINT* polohy, int n, int sirka, Rozsah* rozsahy,
                                 int* uzatvaracia_poloha) {
    Prechod p = {HLADANIE, {0, 0}, false, sirka, -1, {0, 0, 0, 0, 0}, {ZIADNY, 0, 0, 0}};
    int dlzka = 0;
    for (int i = 0; i < n; ++i) {
        ++dlzka;
        if (PokracujeBeh(polohy, n, i)) {
            continue;
        }
        const Beh b = {polohy[i].x - dlzka + 1, polohy[i].x, polohy[i].y, i, dlzka};
        const int d = KrokRiadku(polohy, n, i);
        dlzka = 0;
        const bool znova_od_semena = KoniecBehu(&p, b, d, rozsahy, uzatvaracia_poloha);
        if (d >= 1) {
            if (KoniecRiadku(&p, sirka)) {
                break;
            }
            if (znova_od_semena) {
                i = p.semeno.poloha;
            }
        }
    }
    return p.v;
}

// A run joined by the closing pass widens its row's range. A row above the object's top holds no
// range yet: it takes the run's own and the top moves up to it, so the box covers every pixel
// counted.
void RozsirRozsah(Rozsah* r, const Beh& b, Objekt* o) {
    if (r->zaciatok == -1 && r->koniec == -1) {
        *r = Rozsah{b.zaciatok, b.koniec};
        if (b.riadok < o->horny) {
            o->horny = b.riadok;
        }
        return;
    }
    if (b.zaciatok < r->zaciatok) {
        r->zaciatok = b.zaciatok;
    }
    if (b.koniec > r->koniec) {
        r->koniec = b.koniec;
    }
}

// The closing pass: walks back from the closing position, removes every run that joins, widens
// the rows' ranges and gathers the box's left and right and the pixel count. Afterwards it removes
// the entries that still stand in front of the seed: the seed's first position less the entries
// the pass itself took from in front of it.
Objekt UzatvaraciPrechod(POINT* polohy, int* n, Rozsah* rozsahy, int uzatvaracia_poloha,
                         const DoprednyVysledok& v) {
    Objekt o = {0, 0, v.horny_riadok, v.dolny_riadok, 0};
    int pred_semenom = v.preskok;
    Rozsah ref = {0, 0};
    bool prvy_beh = true;
    bool riadok_pripojeny = false;
    int dlzka = 0;
    for (int i = uzatvaracia_poloha; i >= 0; --i) {
        ++dlzka;
        // Before position 0 stands, in effect, the point directly above.
        const POINT p = polohy[i];
        if (i > 0 && polohy[i - 1].y == p.y && polohy[i - 1].x == p.x - 1) {
            continue;
        }
        const Beh b = {p.x, p.x + dlzka - 1, p.y, i, dlzka};
        dlzka = 0;

        if (prvy_beh || SaPrekryva(b.zaciatok, b.koniec, ref.zaciatok, ref.koniec)) {
            if (prvy_beh) {
                ref = rozsahy[b.riadok];
                o.lavy = ref.zaciatok;
                o.pravy = ref.koniec;
                prvy_beh = false;
            } else {
                RozsirRozsah(&rozsahy[b.riadok], b, &o);
            }
            o.pocet_bodov += b.dlzka;
            OdstranBody(polohy, n, i, b.dlzka);
            if (i < pred_semenom) {
                pred_semenom -= b.dlzka;
            }
            riadok_pripojeny = true;
        }

        if (i == 0 || polohy[i - 1].y < b.riadok) { // first entry of its row
            if (riadok_pripojeny) {
                ref = rozsahy[b.riadok];
                if (ref.zaciatok < o.lavy) {
                    o.lavy = ref.zaciatok;
                }
                if (ref.koniec > o.pravy) {
                    o.pravy = ref.koniec;
                }
            }
            if (!riadok_pripojeny || i == 0 || polohy[i - 1].y < b.riadok - 1) {
                break;
            }
            riadok_pripojeny = false;
        }
    }
    OdstranBody(polohy, n, 0, pred_semenom);
    return o;
}

void VycistiRozsahy(Rozsah* rozsahy, int od, int po) {
    for (int y = od; y <= po; ++y) {
        rozsahy[y].zaciatok = -1;
        rozsahy[y].koniec = -1;
    }
}

// Size and fill test, in double precision.
bool Vyhovuje(const Objekt& o, int min_velkost, int percento_vyplne) {
    const double w = static_cast<double>(o.pravy) - o.lavy + 1.0;
    const double h = static_cast<double>(o.dolny) - o.horny + 1.0;
    const double plocha = w * h;
    return w >= min_velkost && h >= min_velkost &&
           o.pocet_bodov >= static_cast<double>(percento_vyplne) * plocha / 100.0;
}

void Zapis(const Objekt& o, POINT* stred, RECT* box) {
    stred->x = (o.lavy + o.pravy) / 2;
    stred->y = (o.horny + o.dolny) / 2;
    box->left = o.lavy;
    box->top = o.horny;
    box->right = o.pravy;
    box->bottom = o.dolny;
}

// Remakes the point list and the row table when the size differs from the one they were made for.
bool PripravTabulky(int sirka, int vyska, POINT** polohy, Rozsah** rozsahy) {
    static int tab_sirka = -1;
    static int tab_vyska = -1;
    if (sirka == tab_sirka && vyska == tab_vyska) {
        return true;
    }
    std::free(*polohy);
    std::free(*rozsahy);
    const double body = (static_cast<double>(vyska) + 5.0) * (static_cast<double>(sirka) + 5.0);
    // Fresh pages are not touched until the list reaches them.
    *polohy = body <= INT_MAX
                  ? static_cast<POINT*>(std::calloc(static_cast<size_t>(body), sizeof(POINT)))
                  : nullptr;
    *rozsahy = static_cast<Rozsah*>(std::calloc(static_cast<size_t>(vyska) + 5, sizeof(Rozsah)));
    if (*polohy == nullptr || *rozsahy == nullptr) {
        std::free(*polohy);
        std::free(*rozsahy);
        *polohy = nullptr;
        *rozsahy = nullptr;
        tab_sirka = -1;
        tab_vyska = -1;
        return false;
    }
    tab_sirka = sirka;
    tab_vyska = vyska;
    return true;
}

// The touching modes' reference: a plain flood fill from each grey pixel not yet taken, in reading
// order, over the side neighbours and, for 8, the corner ones.
int HladajZaplavenim(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                     unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie,
                     POINT* stredy, RECT* boxy, int kapacita) {
    std::vector<char> sede(static_cast<size_t>(sirka) * vyska);
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            sede[y * sirka + x] =
                !JeVOkne(x, y, okno) &&
                JeSedaVPasme(farby[static_cast<size_t>(y) * krok + x], stupen_sedi);
    std::vector<POINT> zasobnik;
    int k = 0;
    for (int i = 0; i < sirka * vyska && k < kapacita; ++i) {
        if (!sede[i])
            continue;
        Objekt o = {i % sirka, i % sirka, i / sirka, i / sirka, 0};
        sede[i] = 0;
        zasobnik.push_back(POINT{i % sirka, i / sirka});
        while (!zasobnik.empty()) {
            const POINT p = zasobnik.back();
            zasobnik.pop_back();
            ++o.pocet_bodov;
            o.lavy = p.x < o.lavy ? p.x : o.lavy;
            o.pravy = p.x > o.pravy ? p.x : o.pravy;
            o.dolny = p.y > o.dolny ? p.y : o.dolny;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = p.x + dx;
                    const int y = p.y + dy;
                    if ((dx != 0 && dy != 0 && spajanie != 8) || x < 0 || y < 0 || x >= sirka ||
                        y >= vyska || !sede[y * sirka + x])
                        continue;
                    sede[y * sirka + x] = 0;
                    zasobnik.push_back(POINT{x, y});
                }
        }
        if (Vyhovuje(o, min_velkost, percento_vyplne)) {
            Zapis(o, &stredy[k], &boxy[k]);
            ++k;
        }
    }
    return k;
}

} // namespace

int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie,
                          POINT* stredy, RECT* boxy, int kapacita) {
    static POINT* polohy = nullptr;
    static Rozsah* rozsahy = nullptr;
    static int uzatvaracia_poloha = 0;
    if (sirka <= 0 || vyska <= 0) {
        return 0;
    }
    if (farby == nullptr || krok < sirka) {
        return -1;
    }
    if (spajanie == 4 || spajanie == 8) {
        return HladajZaplavenim(farby, krok, sirka, vyska, okno, stupen_sedi, min_velkost,
                                percento_vyplne, spajanie, stredy, boxy, kapacita);
    }
    if (!PripravTabulky(sirka, vyska, &polohy, &rozsahy)) {
        return -1;
    }
    VycistiRozsahy(rozsahy, 0, vyska + 4);
    int n = ZostavZoznam(farby, krok, sirka, vyska, okno, stupen_sedi, polohy);

    int k = 0;
    while (k < kapacita) {
        const DoprednyVysledok v = DoprednyPrechod(polohy, n, sirka, rozsahy, &uzatvaracia_poloha);
        if (v.stav == ZIADNY) {
            break;
        }
        const Objekt o = UzatvaraciPrechod(polohy, &n, rozsahy, uzatvaracia_poloha, v);
        VycistiRozsahy(rozsahy, o.horny, o.dolny);
        if (Vyhovuje(o, min_velkost, percento_vyplne)) {
            Zapis(o, &stredy[k], &boxy[k]);
            ++k;
        }
    }
    return k;
}
