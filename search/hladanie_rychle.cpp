// The object search over a pixel table, worked on a list of runs instead of a list of points.
//
// The grey points of a row fall into runs that never merge, and every removal takes whole runs, so
// the search keeps the runs in scan order with a "next live run" link per run (path-compressed), a
// live count per row and the row's stored range. The forward pass, the closing pass and the removal
// of the entries in front of the seed then become queries on single rows, and the scan only moves
// forward: what lies in front of the seed is gone after each cycle.
#include "search/hladanie_rychle.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Work tables, sized for one screen size and reused while it stays.
struct Tabulky {
    int sirka;
    int vyska;
    int32_t* zac;    // run start x
    int32_t* kon;    // run end x
    int32_t* dalsi;  // 0: the run is live; else a later run to look at (the end marker is live)
    int32_t* riadok; // first run of each row; riadok[vyska] = run count
    int32_t* zivych; // live runs per row, one spare row below the last
    int32_t* rz;     // stored range of each row, (-1, -1) when none
    int32_t* rk;
};

// Bounds of the state of one object being built.
struct Objekt {
    int semeno;
    int hore;
    int dole;
    int lavy;
    int pravy;
    int uzaver;
    long long pocet;
};

int32_t* NovaTabulka(size_t pocet) {
    return static_cast<int32_t*>(std::malloc(pocet * sizeof(int32_t)));
}

void UvolniTabulky(Tabulky& t) {
    std::free(t.zac);
    std::free(t.kon);
    std::free(t.dalsi);
    std::free(t.riadok);
    std::free(t.zivych);
    std::free(t.rz);
    std::free(t.rk);
}

// Every row holds at most ceil(sirka / 2) runs; the pages of the run tables that a screen never
// reaches are never touched.
Tabulky& PripravTabulky(int sirka, int vyska) {
    static Tabulky t = {};
    if (t.zac != nullptr && t.sirka == sirka && t.vyska == vyska)
        return t;
    UvolniTabulky(t);
    size_t behov = static_cast<size_t>(vyska) * ((static_cast<size_t>(sirka) + 1) / 2) + 1;
    size_t riadkov = static_cast<size_t>(vyska) + 2;
    t.sirka = sirka;
    t.vyska = vyska;
    t.zac = NovaTabulka(behov);
    t.kon = NovaTabulka(behov);
    t.dalsi = NovaTabulka(behov);
    t.riadok = NovaTabulka(riadkov);
    t.zivych = NovaTabulka(riadkov);
    t.rz = NovaTabulka(riadkov);
    t.rk = NovaTabulka(riadkov);
    for (size_t y = 0; y < riadkov; y++)
        t.rz[y] = t.rk[y] = -1;
    return t;
}

// A colour is in the band when it is g * 0x010101 (top byte 0, the three channels equal) and
// g / 32 is the band: (c >> 8) == (c & 0xFFFF) holds exactly for such c.
inline unsigned JeSeda(uint32_t c, uint32_t zaklad) {
    return (((c >> 8) ^ (c & 0xFFFFu)) | ((c ^ zaklad) & 0xE0u)) == 0;
}

// Bit i set when pixel i of the pocet (1 to 64) pixels is in the band.
uint64_t SedeBity(const COLORREF* p, int pocet, uint32_t zaklad) {
    uint64_t m = 0;
    int i = 0;
#if defined(__SSE2__)
    const __m128i nizke = _mm_set1_epi32(0xFFFF);
    const __m128i pasmo = _mm_set1_epi32(0xE0);
    const __m128i z = _mm_set1_epi32(static_cast<int>(zaklad));
    const __m128i nula = _mm_setzero_si128();
    for (; i + 16 <= pocet; i += 16) {
        __m128i r[4];
        for (int k = 0; k < 4; k++) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 4 * k));
            __m128i rozdiel = _mm_xor_si128(_mm_srli_epi32(v, 8), _mm_and_si128(v, nizke));
            __m128i mimo = _mm_and_si128(_mm_xor_si128(v, z), pasmo);
            r[k] = _mm_cmpeq_epi32(_mm_or_si128(rozdiel, mimo), nula);
        }
        __m128i a = _mm_packs_epi32(r[0], r[1]);
        __m128i b = _mm_packs_epi32(r[2], r[3]);
        uint32_t bity = static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(a, b)));
        m |= static_cast<uint64_t>(bity) << i;
    }
#endif
    for (; i < pocet; i++)
        m |= static_cast<uint64_t>(JeSeda(p[i], zaklad)) << i;
    return m;
}

inline int NajnizsiBit(uint64_t m) {
    return __builtin_ctzll(m);
}

// Appends the runs of grey pixels among columns x0 .. x1 - 1 of one row.
int ZapisBehy(const COLORREF* riadok, int x0, int x1, uint32_t zaklad, Tabulky& t, int n) {
    bool vBehu = false;
    int zaciatok = 0;
    for (int x = x0; x < x1; x += 64) {
        int pocet = x1 - x < 64 ? x1 - x : 64;
        uint64_t m = SedeBity(riadok + x, pocet, zaklad);
        uint64_t zmeny = m ^ ((m << 1) | (vBehu ? 1u : 0u));
        while (zmeny != 0) {
            int b = NajnizsiBit(zmeny);
            zmeny &= zmeny - 1;
            if (!vBehu) {
                zaciatok = x + b;
            } else {
                t.zac[n] = zaciatok;
                t.kon[n] = x + b - 1;
                t.dalsi[n] = 0;
                n++;
            }
            vBehu = !vBehu;
        }
    }
    if (vBehu) {
        t.zac[n] = zaciatok;
        t.kon[n] = x1 - 1;
        t.dalsi[n] = 0;
        n++;
    }
    return n;
}

// Builds the runs of every row, leaving out the window's columns on its rows.
int VytvorBehy(const COLORREF* farby, int krok, RECT okno, uint32_t zaklad, Tabulky& t) {
    long long vl = okno.left < 0 ? 0 : okno.left;
    long long vp = okno.right >= t.sirka ? t.sirka - 1 : okno.right;
    int n = 0;
    for (int y = 0; y < t.vyska; y++) {
        const COLORREF* riadok = farby + static_cast<size_t>(y) * static_cast<size_t>(krok);
        t.riadok[y] = n;
        if (y >= okno.top && y <= okno.bottom && vl <= vp) {
            n = ZapisBehy(riadok, 0, static_cast<int>(vl), zaklad, t, n);
            n = ZapisBehy(riadok, static_cast<int>(vp) + 1, t.sirka, zaklad, t, n);
        } else {
            n = ZapisBehy(riadok, 0, t.sirka, zaklad, t, n);
        }
    }
    t.riadok[t.vyska] = n;
    t.dalsi[n] = 0;
    for (int y = 0; y < t.vyska; y++)
        t.zivych[y] = t.riadok[y + 1] - t.riadok[y];
    t.zivych[t.vyska] = 0;
    return n;
}

// The first live run at or after i (the end marker n counts as live).
inline int Zivy(Tabulky& t, int i) {
    int r = i;
    while (t.dalsi[r] != 0)
        r = t.dalsi[r];
    while (t.dalsi[i] != 0) {
        int d = t.dalsi[i];
        t.dalsi[i] = r;
        i = d;
    }
    return r;
}

inline void Odstran(Tabulky& t, int i, int y) {
    t.dalsi[i] = i + 1;
    t.zivych[y]--;
}

// The first run of row y (live or not) that ends at or after column x.
int PrvyKonciaciOd(const Tabulky& t, int y, int x) {
    int a = t.riadok[y];
    int b = t.riadok[y + 1];
    while (a < b) {
        int s = a + (b - a) / 2;
        if (t.kon[s] < x)
            a = s + 1;
        else
            b = s;
    }
    return a;
}

// The first live run of row y that overlaps [s, e], or -1.
inline int PrvyPrekryvajuci(Tabulky& t, int y, int s, int e) {
    int j = Zivy(t, PrvyKonciaciOd(t, y, s));
    return j < t.riadok[y + 1] && t.zac[j] <= e ? j : -1;
}

// The first live run from the scan start with a live run directly below that overlaps it, or -1.
// y is a row at or above the start's row on entry and the seed's row on return.
int NajdiSemeno(Tabulky& t, int start, int& y) {
    int n = t.riadok[t.vyska];
    for (int i = Zivy(t, start); i < n;) {
        while (i >= t.riadok[y + 1])
            y++;
        int koniecRiadku = t.riadok[y + 1];
        if (t.zivych[y + 1] > 0) {
            int koniecDalsieho = t.riadok[y + 2];
            int j = Zivy(t, PrvyKonciaciOd(t, y + 1, t.zac[i]));
            for (; i < koniecRiadku; i = Zivy(t, i + 1)) {
                while (j < koniecDalsieho && t.kon[j] < t.zac[i])
                    j = Zivy(t, j + 1);
                if (j >= koniecDalsieho)
                    break;
                if (t.zac[j] <= t.kon[i])
                    return i;
            }
        }
        i = Zivy(t, koniecRiadku);
    }
    return -1;
}

// The forward pass from the seed: each following row joins with the span of its live runs that
// overlap the range of the row above; growth stops at the first row without one.
void RastDole(Tabulky& t, Objekt& o) {
    int s = t.zac[o.semeno];
    int e = t.kon[o.semeno];
    t.rz[o.hore] = s;
    t.rk[o.hore] = e;
    for (int y = o.hore + 1; y < t.vyska && t.zivych[y] > 0; y++) {
        int j = PrvyPrekryvajuci(t, y, s, e);
        if (j < 0)
            break;
        int koniec = t.riadok[y + 1];
        int posledny = j;
        for (int k = Zivy(t, j + 1); k < koniec && t.zac[k] <= e; k = Zivy(t, k + 1))
            posledny = k;
        s = t.zac[j];
        e = t.kon[posledny];
        t.rz[y] = s;
        t.rk[y] = e;
        o.dole = y;
        o.uzaver = posledny;
    }
}

// Joins every live run of row y that overlaps [s, e]: the row's stored range widens to it (a row
// without one takes the span of the joined runs and becomes the top). Returns whether any joined.
bool PripojRiadok(Tabulky& t, Objekt& o, int y, int s, int e) {
    int j = PrvyPrekryvajuci(t, y, s, e);
    if (j < 0)
        return false;
    int koniec = t.riadok[y + 1];
    int posledny = j;
    for (int k = j; k < koniec && t.zac[k] <= e; k = Zivy(t, k + 1)) {
        o.pocet += t.kon[k] - t.zac[k] + 1;
        Odstran(t, k, y);
        posledny = k;
    }
    if (t.rz[y] == -1 && t.rk[y] == -1) {
        t.rz[y] = t.zac[j];
        t.rk[y] = t.kon[posledny];
        if (y < o.hore)
            o.hore = y;
    } else {
        if (t.zac[j] < t.rz[y])
            t.rz[y] = t.zac[j];
        if (t.kon[posledny] > t.rk[y])
            t.rk[y] = t.kon[posledny];
    }
    return true;
}

// The closing pass: from the bottom row upward, every row directly above joins its live runs that
// overlap the stored range of the row below; the box spans the stored ranges of the joined rows.
void Uzavri(Tabulky& t, Objekt& o) {
    int y = o.dole;
    o.lavy = t.rz[y];
    o.pravy = t.rk[y];
    o.pocet = 0;
    PripojRiadok(t, o, y, t.rz[y], t.rk[y]);
    for (;;) {
        if (t.rz[y] < o.lavy)
            o.lavy = t.rz[y];
        if (t.rk[y] > o.pravy)
            o.pravy = t.rk[y];
        if (y == 0 || t.zivych[y - 1] == 0)
            break;
        if (!PripojRiadok(t, o, y - 1, t.rz[y], t.rk[y]))
            break;
        y--;
    }
}

// Removes every live run in front of the seed.
void OdstranPred(Tabulky& t, int start, int semeno, int& y) {
    for (int i = Zivy(t, start); i < semeno; i = Zivy(t, i + 1)) {
        while (i >= t.riadok[y + 1])
            y++;
        Odstran(t, i, y);
    }
}

} // namespace

int HladajObjektyRychlo(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                        unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                        RECT* boxy, int kapacita) {
    if (sirka <= 0 || vyska <= 0 || kapacita <= 0)
        return 0;
    Tabulky& t = PripravTabulky(sirka, vyska);
    uint32_t zaklad = 32u * (stupen_sedi % 8u);
    VytvorBehy(farby, krok, okno, zaklad, t);
    int k = 0;
    int start = 0;
    int riadokStartu = 0;
    while (k < kapacita) {
        int riadokSemena = riadokStartu;
        Objekt o = {};
        o.semeno = NajdiSemeno(t, start, riadokSemena);
        if (o.semeno < 0)
            break;
        o.hore = o.dole = riadokSemena;
        RastDole(t, o);
        Uzavri(t, o);
        OdstranPred(t, start, o.semeno, riadokStartu);
        start = o.semeno;
        riadokStartu = riadokSemena;
        for (int y = o.hore; y <= o.dole; y++)
            t.rz[y] = t.rk[y] = -1;
        double w = o.pravy - o.lavy + 1;
        double h = o.dole - o.hore + 1;
        double a = w * h;
        if (w >= min_velkost && h >= min_velkost && o.pocet >= percento_vyplne * a / 100) {
            stredy[k].x = (o.lavy + o.pravy) / 2;
            stredy[k].y = (o.hore + o.dole) / 2;
            boxy[k].left = o.lavy;
            boxy[k].top = o.hore;
            boxy[k].right = o.pravy;
            boxy[k].bottom = o.dole;
            k++;
        }
    }
    return k;
}
