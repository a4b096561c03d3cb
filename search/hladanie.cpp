// The object search over a pixel table, worked on a list of runs instead of a list of points.
//
// The grey points of a row fall into runs that never merge, and every removal takes whole runs, so
// the search keeps the runs in scan order with one "still in the list" bit per run, a live count
// per row and the row's stored range. Each row's grey mask, kept in 64-pixel words, tells which run
// holds or follows a column. The forward pass, the closing pass and the removal of the entries in
// front of the seed then become queries on single rows, and the scan only moves forward: what lies
// in front of the seed is gone after each cycle.
#include "search/hladanie.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// SSE2 is part of every x86-64 processor and of 32-bit builds told to use it; other 32-bit x86
// builds of GCC and Clang carry an SSE2 mask as well and pick it when the processor has SSE2.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ZORNAVIT_SSE2 1
#define ZORNAVIT_CIEL_SSE2
#include <emmintrin.h>
#elif (defined(__GNUC__) || defined(__clang__)) && defined(__i386__)
#define ZORNAVIT_SSE2 1
#define ZORNAVIT_SSE2_PODLA_PROCESORA 1
#define ZORNAVIT_CIEL_SSE2 __attribute__((target("sse2")))
#include <emmintrin.h>
#endif
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif

namespace {

// A run of grey pixels on one row: its first and last column.
struct Beh {
    int32_t zac;
    int32_t kon;
};

// Work tables, sized for one screen size and reused while it stays.
struct Tabulky {
    int sirka;
    int vyska;
    Beh* behy;       // every run, in scan order
    uint64_t* zive;  // bit i: run i is still in the list; the end marker's bit is always set
    int32_t* riadok; // first run of each row; riadok[vyska] = run count
    int32_t* zivych; // live runs per row, one spare row below the last
    int32_t* rz;     // stored range of each row, (-1, -1) when none
    int32_t* rk;
    int slov;           // 64-pixel words per row
    uint64_t* bity;     // grey mask of each row, bit x % 64 of word x / 64
    int32_t* behPred;   // index of the first run starting in each word or later
    int32_t* bodovPred; // points in all runs before each run
};

// What the passes gather about one object.
struct Objekt {
    int semeno;
    int prvyDole; // the first joined run of the bottom row
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
    std::free(t.behy);
    std::free(t.zive);
    std::free(t.riadok);
    std::free(t.zivych);
    std::free(t.rz);
    std::free(t.rk);
    std::free(t.bity);
    std::free(t.behPred);
    std::free(t.bodovPred);
}

// Every row holds at most ceil(sirka / 2) runs; the pages of the run tables that a screen never
// reaches are never touched. Null when the tables cannot be had.
Tabulky* PripravTabulky(int sirka, int vyska) {
    static Tabulky t = {};
    if (t.behy != nullptr && t.sirka == sirka && t.vyska == vyska)
        return &t;
    UvolniTabulky(t);
    t = Tabulky{};
    double najviac = static_cast<double>(vyska) * ((sirka + 1) / 2) + 1.0;
    if (najviac * sizeof(Beh) > static_cast<double>(SIZE_MAX))
        return nullptr;
    size_t behov = static_cast<size_t>(najviac);
    size_t riadkov = static_cast<size_t>(vyska) + 2;
    t.slov = (sirka + 63) / 64;
    size_t slov = static_cast<size_t>(t.slov) * static_cast<size_t>(vyska);
    t.sirka = sirka;
    t.vyska = vyska;
    t.behy = static_cast<Beh*>(std::malloc(behov * sizeof(Beh)));
    t.zive = static_cast<uint64_t*>(std::malloc((behov / 64 + 2) * sizeof(uint64_t)));
    t.riadok = NovaTabulka(riadkov);
    t.zivych = NovaTabulka(riadkov);
    t.rz = NovaTabulka(riadkov);
    t.rk = NovaTabulka(riadkov);
    t.bity = static_cast<uint64_t*>(std::malloc(slov * sizeof(uint64_t)));
    t.behPred = NovaTabulka(slov);
    t.bodovPred = NovaTabulka(behov + 1);
    if (t.behy == nullptr || t.zive == nullptr || t.riadok == nullptr || t.zivych == nullptr ||
        t.rz == nullptr || t.rk == nullptr || t.bity == nullptr || t.behPred == nullptr ||
        t.bodovPred == nullptr) {
        UvolniTabulky(t);
        t = Tabulky{};
        return nullptr;
    }
    return &t;
}

// A colour c is in the band when it is g * 0x010101 (top byte 0, the three channels equal) with
// g / 32 the band. In u = c ^ (c >> 8) the bytes are b0 ^ b1, b1 ^ b2, b2 ^ b3 and b3, so exactly
// those c give u & 0xFFE0FFFF == (32 * band) << 16.
const uint32_t kMaskaSedej = 0xFFE0FFFFu;

inline unsigned JeSeda(uint32_t c, uint32_t vzor) {
    return ((c ^ (c >> 8)) & kMaskaSedej) == vzor;
}

// Bit i set when pixel i of the pocet (1 to 64) pixels is in the band; vzor = (32 * band) << 16.
uint64_t SedeBity(const COLORREF* p, int pocet, uint32_t vzor) {
    uint64_t bity = 0;
    for (int i = 0; i < pocet; i++)
        bity |= static_cast<uint64_t>(JeSeda(p[i], vzor)) << i;
    return bity;
}

#if !defined(ZORNAVIT_SSE2) || defined(ZORNAVIT_SSE2_PODLA_PROCESORA)
// The grey mask of one row into its words, sixty-four pixels each.
void MaskaRiadku(const COLORREF* riadok, int sirka, uint32_t vzor, uint64_t* bity) {
    for (int x = 0; x < sirka; x += 64)
        bity[x / 64] = SedeBity(riadok + x, sirka - x < 64 ? sirka - x : 64, vzor);
}
#endif

#if defined(ZORNAVIT_SSE2)
// 16 bits for 16 pixels, bit i for pixel i.
ZORNAVIT_CIEL_SSE2 inline uint64_t SedeBity16(const COLORREF* p, __m128i maska, __m128i vzor) {
    __m128i c0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i c1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4));
    __m128i c2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
    __m128i c3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12));
    c0 = _mm_cmpeq_epi32(_mm_and_si128(_mm_xor_si128(c0, _mm_srli_epi32(c0, 8)), maska), vzor);
    c1 = _mm_cmpeq_epi32(_mm_and_si128(_mm_xor_si128(c1, _mm_srli_epi32(c1, 8)), maska), vzor);
    c2 = _mm_cmpeq_epi32(_mm_and_si128(_mm_xor_si128(c2, _mm_srli_epi32(c2, 8)), maska), vzor);
    c3 = _mm_cmpeq_epi32(_mm_and_si128(_mm_xor_si128(c3, _mm_srli_epi32(c3, 8)), maska), vzor);
    __m128i b = _mm_packs_epi16(_mm_packs_epi32(c0, c1), _mm_packs_epi32(c2, c3));
    return static_cast<uint32_t>(_mm_movemask_epi8(b));
}

// The same mask, four pixels per instruction.
ZORNAVIT_CIEL_SSE2 void MaskaRiadkuSse2(const COLORREF* riadok, int sirka, uint32_t vzor,
                                        uint64_t* bity) {
    const __m128i m = _mm_set1_epi32(static_cast<int>(kMaskaSedej));
    const __m128i v = _mm_set1_epi32(static_cast<int>(vzor));
    int x = 0;
    for (; x + 64 <= sirka; x += 64) {
        const COLORREF* p = riadok + x;
        bity[x / 64] = SedeBity16(p, m, v) | SedeBity16(p + 16, m, v) << 16 |
                       SedeBity16(p + 32, m, v) << 32 | SedeBity16(p + 48, m, v) << 48;
    }
    if (x < sirka)
        bity[x / 64] = SedeBity(riadok + x, sirka - x, vzor);
}
#endif

typedef void (*MaskaRiadkuFn)(const COLORREF*, int, uint32_t, uint64_t*);

MaskaRiadkuFn VyberMaskuRiadku() {
#if defined(ZORNAVIT_SSE2_PODLA_PROCESORA)
    return __builtin_cpu_supports("sse2") ? MaskaRiadkuSse2 : MaskaRiadku;
#elif defined(ZORNAVIT_SSE2)
    return MaskaRiadkuSse2;
#else
    return MaskaRiadku;
#endif
}

// Lowest and highest set bit of a non-zero word.
inline int NajnizsiBit(uint64_t m) {
#if defined(__GNUC__) || defined(__clang__)
    return __builtin_ctzll(m);
#else
    unsigned long i = 0;
    if (_BitScanForward(&i, static_cast<unsigned long>(m)))
        return static_cast<int>(i);
    _BitScanForward(&i, static_cast<unsigned long>(m >> 32));
    return static_cast<int>(i) + 32;
#endif
}

inline int NajvyssiBit(uint64_t m) {
#if defined(__GNUC__) || defined(__clang__)
    return 63 - __builtin_clzll(m);
#else
    unsigned long i = 0;
    if (_BitScanReverse(&i, static_cast<unsigned long>(m >> 32)))
        return static_cast<int>(i) + 32;
    _BitScanReverse(&i, static_cast<unsigned long>(m));
    return static_cast<int>(i);
#endif
}

// Bits of the columns x0 .. x1 that fall into the word starting at column x.
uint64_t StlpceVSlove(long long x0, long long x1, int x) {
    long long od = x0 > x ? x0 - x : 0;
    long long po = x1 < x + 63 ? x1 - x : 63;
    if (od > po)
        return 0;
    return ((2ull << po) - 1) & ~((1ull << od) - 1);
}

inline void PridajBeh(Tabulky& t, int& n, int zaciatok, int koniec) {
    t.behy[n].zac = zaciatok;
    t.behy[n].kon = koniec;
    t.bodovPred[n + 1] = t.bodovPred[n] + koniec - zaciatok + 1;
    n++;
}

// Masks one row (leaving out the columns vl .. vp when vylucit) and appends its runs.
void VytvorRiadok(const COLORREF* riadok, int y, bool vylucit, long long vl, long long vp,
                  uint32_t zaklad, Tabulky& t, int& n) {
    uint64_t* bity = t.bity + static_cast<size_t>(y) * static_cast<size_t>(t.slov);
    int32_t* pred = t.behPred + static_cast<size_t>(y) * static_cast<size_t>(t.slov);
    static const MaskaRiadkuFn maskaRiadku = VyberMaskuRiadku();
    maskaRiadku(riadok, t.sirka, zaklad, bity);
    uint64_t vBehu = 0;
    int zaciatok = 0;
    for (int w = 0; w < t.slov; w++) {
        int x = w * 64;
        uint64_t m = bity[w];
        if (vylucit)
            m &= ~StlpceVSlove(vl, vp, x);
        bity[w] = m;
        pred[w] = n + static_cast<int>(vBehu);
        uint64_t zmeny = m ^ ((m << 1) | vBehu);
        while (zmeny != 0) {
            int b = NajnizsiBit(zmeny);
            zmeny &= zmeny - 1;
            if (vBehu == 0)
                zaciatok = x + b;
            else
                PridajBeh(t, n, zaciatok, x + b - 1);
            vBehu ^= 1;
        }
    }
    if (vBehu != 0)
        PridajBeh(t, n, zaciatok, t.sirka - 1);
}

// Builds the runs of every row, leaving out the window's columns on its rows.
int VytvorBehy(const COLORREF* farby, int krok, RECT okno, uint32_t zaklad, Tabulky& t) {
    long long vl = okno.left;
    long long vp = okno.right;
    int n = 0;
    t.bodovPred[0] = 0;
    for (int y = 0; y < t.vyska; y++) {
        const COLORREF* riadok = farby + static_cast<size_t>(y) * static_cast<size_t>(krok);
        t.riadok[y] = n;
        bool vylucit = y >= okno.top && y <= okno.bottom && vl <= vp;
        VytvorRiadok(riadok, y, vylucit, vl, vp, zaklad, t, n);
    }
    t.riadok[t.vyska] = n;
    size_t slovo = static_cast<size_t>(n) / 64;
    for (size_t w = 0; w < slovo; w++)
        t.zive[w] = ~0ull;
    t.zive[slovo] = (2ull << (n % 64)) - 1;
    for (int y = 0; y < t.vyska; y++)
        t.zivych[y] = t.riadok[y + 1] - t.riadok[y];
    t.zivych[t.vyska] = 0;
    return n;
}

inline uint64_t BityOd(int b) {
    return ~0ull << b;
}

inline uint64_t BityDo(int b) {
    return (2ull << b) - 1;
}

// The first live run at or after i; the end marker stops the scan.
inline int Zivy(const Tabulky& t, int i) {
    size_t w = static_cast<size_t>(i) >> 6;
    uint64_t m = t.zive[w] & BityOd(i & 63);
    while (m == 0)
        m = t.zive[++w];
    return static_cast<int>(w * 64) + NajnizsiBit(m);
}

// The first live run at or after i and before hranica, or hranica.
inline int ZivyPred(const Tabulky& t, int i, int hranica) {
    if (i >= hranica)
        return hranica;
    size_t w = static_cast<size_t>(i) >> 6;
    size_t posledne = static_cast<size_t>(hranica - 1) >> 6;
    uint64_t m = t.zive[w] & BityOd(i & 63);
    while (m == 0) {
        if (w >= posledne)
            return hranica;
        m = t.zive[++w];
    }
    int k = static_cast<int>(w * 64) + NajnizsiBit(m);
    return k < hranica ? k : hranica;
}

// The last live run at or before i; there must be one.
inline int ZivyNaposledy(const Tabulky& t, int i) {
    size_t w = static_cast<size_t>(i) >> 6;
    uint64_t m = t.zive[w] & BityDo(i & 63);
    while (m == 0)
        m = t.zive[--w];
    return static_cast<int>(w * 64) + NajvyssiBit(m);
}

inline int PocetBitov(uint64_t m) {
    m = m - ((m >> 1) & 0x5555555555555555ull);
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((m * 0x0101010101010101ull) >> 56);
}

// Removes the live runs among a .. b (inclusive) and returns how many there were; their
// points are added to body.
int OdstranRozsah(Tabulky& t, int a, int b, long long& body) {
    int odstranenych = 0;
    for (int w = a >> 6; w <= b >> 6; w++) {
        uint64_t maska = ~0ull;
        if (w == a >> 6)
            maska &= BityOd(a & 63);
        if (w == b >> 6)
            maska &= BityDo(b & 63);
        uint64_t m = t.zive[w] & maska;
        t.zive[w] &= ~maska;
        odstranenych += PocetBitov(m);
        if (m == maska) {
            // All of them live: the points between the first and the last.
            int od = w * 64 + NajnizsiBit(maska);
            int po = w * 64 + NajvyssiBit(maska);
            body += t.bodovPred[po + 1] - t.bodovPred[od];
            continue;
        }
        for (; m != 0; m &= m - 1) {
            const Beh& beh = t.behy[w * 64 + NajnizsiBit(m)];
            body += beh.kon - beh.zac + 1;
        }
    }
    return odstranenych;
}

// Index of the first run of row y (live or not) that starts after column x; kolumna gets bit
// x of the row's mask.
inline int ZacinajuceDo(const Tabulky& t, int y, int x, int& kolumna) {
    size_t w = static_cast<size_t>(y) * static_cast<size_t>(t.slov) + static_cast<size_t>(x >> 6);
    int b = x & 63;
    uint64_t m = t.bity[w];
    uint64_t predosly = (x >> 6) > 0 ? t.bity[w - 1] >> 63 : 0;
    uint64_t zaciatky = m & ~((m << 1) | predosly);
    kolumna = static_cast<int>((m >> b) & 1);
    return t.behPred[w] + PocetBitov(zaciatky & ((2ull << b) - 1));
}

// The first run of row y (live or not) that ends at or after column x: the runs starting at or
// before x, less the one that holds x.
inline int PrvyKonciaciOd(const Tabulky& t, int y, int x) {
    int kolumna = 0;
    int za = ZacinajuceDo(t, y, x, kolumna);
    return za - kolumna;
}

// The last run of row y (live or not) that starts at or before column x.
inline int PoslednyZacinajuciDo(const Tabulky& t, int y, int x) {
    int kolumna = 0;
    return ZacinajuceDo(t, y, x, kolumna) - 1;
}

// The last live run of row y that starts at or before e, j being live and starting there too.
// Mostly j itself, seen from the next live run; else read off the mask.
inline int PoslednyPrekryvajuci(const Tabulky& t, int y, int j, int e) {
    int koniec = t.riadok[y + 1];
    int k = ZivyPred(t, j + 1, koniec);
    if (k >= koniec || t.behy[k].zac > e)
        return j;
    return ZivyNaposledy(t, PoslednyZacinajuciDo(t, y, e));
}

// The first live run of row y that overlaps [s, e], or -1.
inline int PrvyPrekryvajuci(Tabulky& t, int y, int s, int e) {
    int j = Zivy(t, PrvyKonciaciOd(t, y, s));
    return j < t.riadok[y + 1] && t.behy[j].zac <= e ? j : -1;
}

// The first live run from the scan start with a live run directly below that overlaps it, or -1.
// y is a row at or above the start's row on entry and the seed's row on return; pod becomes the
// first live run below that overlaps the seed.
int NajdiSemeno(Tabulky& t, int start, int& y, int& pod) {
    int n = t.riadok[t.vyska];
    for (int i = Zivy(t, start); i < n;) {
        while (i >= t.riadok[y + 1])
            y++;
        int koniecRiadku = t.riadok[y + 1];
        if (t.zivych[y + 1] > 0) {
            int koniecDalsieho = t.riadok[y + 2];
            int j = Zivy(t, PrvyKonciaciOd(t, y + 1, t.behy[i].zac));
            for (; i < koniecRiadku; i = Zivy(t, i + 1)) {
                while (j < koniecDalsieho && t.behy[j].kon < t.behy[i].zac)
                    j = ZivyPred(t, j + 1, koniecDalsieho);
                if (j >= koniecDalsieho)
                    break;
                if (t.behy[j].zac <= t.behy[i].kon) {
                    pod = j;
                    return i;
                }
            }
        }
        i = Zivy(t, koniecRiadku);
    }
    return -1;
}

// The forward pass from the seed, whose first overlapping run below is j: each following row
// joins with the span of its live runs that overlap the range of the row above; growth stops at
// the first row without one.
void RastDole(Tabulky& t, Objekt& o, int j) {
    int s = t.behy[o.semeno].zac;
    int e = t.behy[o.semeno].kon;
    t.rz[o.hore] = s;
    t.rk[o.hore] = e;
    int y = o.hore + 1;
    for (;;) {
        // The last live run starting within the range is the last that overlaps.
        int posledny = PoslednyPrekryvajuci(t, y, j, e);
        s = t.behy[j].zac;
        e = t.behy[posledny].kon;
        t.rz[y] = s;
        t.rk[y] = e;
        o.dole = y;
        o.uzaver = posledny;
        o.prvyDole = j;
        y++;
        if (y >= t.vyska || t.zivych[y] == 0)
            break;
        j = PrvyPrekryvajuci(t, y, s, e);
        if (j < 0)
            break;
    }
}

// Joins the live runs of row y from j, the first that overlaps the reference range, to the last
// that starts at or before e: the row's stored range widens to them (a row without one takes
// their span and becomes the top).
void PripojOd(Tabulky& t, Objekt& o, int y, int j, int e) {
    int posledny = PoslednyPrekryvajuci(t, y, j, e);
    t.zivych[y] -= OdstranRozsah(t, j, posledny, o.pocet);
    if (t.rz[y] == -1 && t.rk[y] == -1) {
        t.rz[y] = t.behy[j].zac;
        t.rk[y] = t.behy[posledny].kon;
        if (y < o.hore)
            o.hore = y;
    } else {
        if (t.behy[j].zac < t.rz[y])
            t.rz[y] = t.behy[j].zac;
        if (t.behy[posledny].kon > t.rk[y])
            t.rk[y] = t.behy[posledny].kon;
    }
}

// PripojOd from the first live run of row y that overlaps [s, e]; false when there is none.
bool PripojRiadok(Tabulky& t, Objekt& o, int y, int s, int e) {
    int j = PrvyPrekryvajuci(t, y, s, e);
    if (j < 0)
        return false;
    PripojOd(t, o, y, j, e);
    return true;
}

// The closing pass: from the bottom row upward, every row directly above joins its live runs that
// overlap the stored range of the row below; the box spans the stored ranges of the joined rows.
void Uzavri(Tabulky& t, Objekt& o) {
    int y = o.dole;
    o.lavy = t.rz[y];
    o.pravy = t.rk[y];
    o.pocet = 0;
    PripojOd(t, o, y, o.prvyDole, t.rk[y]);
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

// Removes every live run in front of the seed; y is a row at or above the start's row.
void OdstranPred(Tabulky& t, int start, int semeno, int y) {
    long long body = 0;
    for (; start < semeno; y++) {
        int koniec = t.riadok[y + 1] < semeno ? t.riadok[y + 1] : semeno;
        if (start < koniec)
            t.zivych[y] -= OdstranRozsah(t, start, koniec - 1, body);
        if (koniec > start)
            start = koniec;
    }
}

// One cycle: seed, forward pass, closing pass, the removal in front of the seed; the scan start
// moves to the seed. False when no seed is left.
bool Cyklus(Tabulky& t, int& start, int& riadokStartu, Objekt& o) {
    int riadokSemena = riadokStartu;
    int pod = 0;
    o.semeno = NajdiSemeno(t, start, riadokSemena, pod);
    if (o.semeno < 0)
        return false;
    o.hore = o.dole = riadokSemena;
    RastDole(t, o, pod);
    Uzavri(t, o);
    OdstranPred(t, start, o.semeno, riadokStartu);
    start = o.semeno;
    riadokStartu = riadokSemena;
    for (int y = o.hore; y <= o.dole; y++)
        t.rz[y] = t.rk[y] = -1;
    return true;
}

// Size and fill test, in double precision.
bool Vyhovuje(const Objekt& o, int min_velkost, int percento_vyplne) {
    double w = static_cast<double>(o.pravy) - o.lavy + 1.0;
    double h = static_cast<double>(o.dole) - o.hore + 1.0;
    double plocha = w * h;
    return w >= min_velkost && h >= min_velkost &&
           o.pocet >= static_cast<double>(percento_vyplne) * plocha / 100.0;
}

void Zapis(const Objekt& o, POINT* stred, RECT* box) {
    stred->x = (o.lavy + o.pravy) / 2;
    stred->y = (o.hore + o.dole) / 2;
    box->left = o.lavy;
    box->top = o.hore;
    box->right = o.pravy;
    box->bottom = o.dole;
}

} // namespace

int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                  unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                  RECT* boxy, int kapacita) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    // Bad tables and screens whose point list would not fit an int count fail as the plain
    // search fails.
    double bodov = (static_cast<double>(vyska) + 5.0) * (static_cast<double>(sirka) + 5.0);
    if (farby == nullptr || krok < sirka || bodov > INT_MAX)
        return -1;
    Tabulky* tabulky = PripravTabulky(sirka, vyska);
    if (tabulky == nullptr)
        return -1;
    Tabulky& t = *tabulky;
    for (int y = 0; y <= vyska; y++)
        t.rz[y] = t.rk[y] = -1;
    uint32_t zaklad = (32u * (stupen_sedi % 8u)) << 16;
    VytvorBehy(farby, krok, okno, zaklad, t);
    int k = 0;
    int start = 0;
    int riadokStartu = 0;
    while (k < kapacita) {
        Objekt o = {};
        if (!Cyklus(t, start, riadokStartu, o))
            break;
        if (Vyhovuje(o, min_velkost, percento_vyplne)) {
            Zapis(o, &stredy[k], &boxy[k]);
            k++;
        }
    }
    return k;
}
