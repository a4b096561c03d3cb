// The object search over a pixel table: grey point list, forward and closing passes, size and fill
// test.
#include "search/hladanie.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Row range table entry; (-1, -1) means the row holds no range.
struct Rozsah {
    int zaciatok;
    int koniec;
};

enum Rezim { HLADANIE, RIADOK_SEMENA, RAST };
enum StavObjektu { ZIADNY, OTVORENY, UZAVRETY };

// What the forward pass leaves for the closing pass.
struct DoprednyVysledok {
    StavObjektu stav;
    int horny_riadok;
    int dolny_riadok;
    int preskok; // list position of the seed's first point
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

// One forward pass: finds the seed, grows the object row by row and stores the rows' ranges.
// The closing position is kept by the caller from cycle to cycle.
DoprednyVysledok DoprednyPrechod(const POINT* polohy, int n, int sirka, Rozsah* rozsahy,
                                 int* uzatvaracia_poloha) {
    DoprednyVysledok v = {ZIADNY, 0, 0, 0};
    Rezim rezim = HLADANIE;
    int ref_z = 0;
    int ref_k = 0;
    bool riadok_pripojeny = false;
    int rmin = sirka;
    int rmax = -1;
    int semeno_z = 0, semeno_k = 0, semeno_riadok = 0, semeno_poloha = 0, semeno_dlzka = 0;
    int dlzka = 0;
    for (int i = 0; i < n; ++i) {
        ++dlzka;
        if (PokracujeBeh(polohy, n, i)) {
            continue;
        }
        const int y = polohy[i].y;
        const int e = polohy[i].x;
        const int s = e - dlzka + 1;
        const int d = KrokRiadku(polohy, n, i);
        const int dlzka_behu = dlzka;
        dlzka = 0;
        bool znova_od_semena = false;

        if (rezim == HLADANIE) {
            semeno_z = s;
            semeno_k = e;
            semeno_riadok = y;
            semeno_poloha = i;
            semeno_dlzka = dlzka_behu;
            ref_z = s;
            ref_k = e;
            rezim = RIADOK_SEMENA;
        }
        if (rezim == RIADOK_SEMENA && d > 1) {
            rezim = HLADANIE;
        }
        if (rezim == RAST) {
            if (SaPrekryva(s, e, ref_z, ref_k)) {
                riadok_pripojeny = true;
                if (s < rmin) {
                    rmin = s;
                }
                if (e > rmax) {
                    rmax = e;
                    *uzatvaracia_poloha = i;
                }
                rozsahy[semeno_riadok].zaciatok = semeno_z;
                rozsahy[semeno_riadok].koniec = semeno_k;
                v.horny_riadok = semeno_riadok;
                v.dolny_riadok = y;
                v.preskok = semeno_poloha - semeno_dlzka + 1;
            }
            if (d >= 1 && riadok_pripojeny) {
                rozsahy[y].zaciatok = rmin;
                rozsahy[y].koniec = rmax;
                ref_z = rmin;
                ref_k = rmax;
            }
            // A row that ends without joining sends the walk back to the rest of the seed's row,
            // whether the next row follows directly or after a gap.
            if (d >= 1 && !riadok_pripojeny) {
                rezim = HLADANIE;
                znova_od_semena = true;
            } else if (d > 1) {
                rezim = HLADANIE;
            }
        }
        if (d == 1 && (rezim == RIADOK_SEMENA || rezim == RAST)) {
            rezim = RAST;
        }

        if (d >= 1) {
            if (!riadok_pripojeny && v.stav == OTVORENY) {
                v.stav = UZAVRETY;
            }
            if (riadok_pripojeny) {
                v.stav = OTVORENY;
            }
            riadok_pripojeny = false;
            if (v.stav == UZAVRETY) {
                break;
            }
            rmin = sirka;
            rmax = -1;
            if (znova_od_semena) {
                i = semeno_poloha;
            }
        }
    }
    return v;
}

// The closing pass: walks back from the closing position, removes every run that joins, widens
// the rows' ranges and gathers the box's left and right and the pixel count. Rows above the top
// row that join get a range of their own and move the top up. Afterwards it removes the entries
// that still stand in front of the seed.
Objekt UzatvaraciPrechod(POINT* polohy, int* n, Rozsah* rozsahy, int uzatvaracia_poloha,
                         const DoprednyVysledok& v) {
    Objekt o = {0, 0, v.horny_riadok, v.dolny_riadok, 0};
    int pred_semenom = v.preskok;
    int ref_z = 0;
    int ref_k = 0;
    bool prvy_beh = true;
    bool riadok_pripojeny = false;
    int dlzka = 0;
    for (int i = uzatvaracia_poloha; i >= 0; --i) {
        ++dlzka;
        const POINT p = polohy[i];
        const bool zaciatok_behu =
            i == 0 || !(polohy[i - 1].y == p.y && polohy[i - 1].x == p.x - 1);
        if (!zaciatok_behu) {
            continue;
        }
        const int y = p.y;
        const int s = p.x;
        const int e = p.x + dlzka - 1;
        const int dlzka_behu = dlzka;
        dlzka = 0;

        bool pripoj = false;
        if (prvy_beh) {
            ref_z = rozsahy[y].zaciatok;
            ref_k = rozsahy[y].koniec;
            o.lavy = ref_z;
            o.pravy = ref_k;
            prvy_beh = false;
            pripoj = true;
        } else if (SaPrekryva(s, e, ref_z, ref_k)) {
            Rozsah& r = rozsahy[y];
            if (r.zaciatok == -1 && r.koniec == -1) {
                r.zaciatok = s;
                r.koniec = e;
                if (y < o.horny) {
                    o.horny = y;
                }
            } else {
                if (s < r.zaciatok) {
                    r.zaciatok = s;
                }
                if (e > r.koniec) {
                    r.koniec = e;
                }
            }
            pripoj = true;
        }
        if (pripoj) {
            o.pocet_bodov += dlzka_behu;
            OdstranBody(polohy, n, i, dlzka_behu);
            if (i < pred_semenom) {
                pred_semenom -= dlzka_behu;
            }
            riadok_pripojeny = true;
        }

        const bool prvy_v_riadku = i == 0 || polohy[i - 1].y < y;
        if (prvy_v_riadku) {
            if (riadok_pripojeny) {
                ref_z = rozsahy[y].zaciatok;
                ref_k = rozsahy[y].koniec;
                if (ref_z < o.lavy) {
                    o.lavy = ref_z;
                }
                if (ref_k > o.pravy) {
                    o.pravy = ref_k;
                }
            }
            if (!riadok_pripojeny || i == 0 || polohy[i - 1].y < y - 1) {
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

} // namespace

int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                  unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                  RECT* boxy, int kapacita) {
    static POINT* polohy = nullptr;
    static Rozsah* rozsahy = nullptr;
    static int uzatvaracia_poloha = 0;
    if (sirka <= 0 || vyska <= 0) {
        return 0;
    }
    if (farby == nullptr || krok < sirka) {
        return -1;
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
