// The object search over a pixel table, worked on each row's mask of live grey pixels.
//
// The touching modes fill each object from its first pixel on the same masks, a word of 64
// pixels at a time; screens of many short runs have their runs labelled instead: each run joins
// the runs of the row above that touch it, through a union-find over labels handed out in scan
// order.
//
// The grey points of a row fall into runs that never merge, and every removal takes whole runs, so
// one bit per pixel, cleared when its run leaves the list, says everything the point list says:
// runs are read off as stretches of set bits and a run's points are its bits. The forward pass,
// the closing pass and the removal of the entries in front of the seed then become bit scans
// within single rows, and the scan only moves forward: what lies in front of the seed is gone
// after each cycle. The masks of a full-HD screen fit the second-level cache.
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
// GCC and Clang on x86 also build a copy of the search for the processors of the last decade
// (AVX2, BMI1, BMI2, POPCNT, LZCNT), taken when the processor has them; ZORNAVIT_PRENOSNE leaves it
// out, so that the tests can reach the portable copy.
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__)) &&     \
    !defined(ZORNAVIT_PRENOSNE)
#define ZORNAVIT_NOVE 1
#define ZORNAVIT_CIEL_NOVE __attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt")))
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace {

// A label of the touching modes: a union-find node with the box and the pixel count of the runs
// that took it. Labels are handed out in scan order and a union keeps the smaller root, so every
// parent is smaller than its child and the root of an object is the label of its first run, the one
// holding its first pixel.
struct Znacka {
    int32_t rodic;
    int32_t lavy;
    int32_t pravy;
    int32_t hore;
    int32_t dole;
    int32_t pocet;
};

// The runs of one row: their first and last columns and their labels (one spare slot, read but
// never used when a run touches no run above); per 64-column word the bits of their
// first and last columns and how many of them start and end in the words before. The
// words -1 and slov stay empty, so a count may ask for any column from -2 to the width.
struct BehyRiadku {
    int32_t* zac;
    int32_t* kon;
    int32_t* zn;
    uint64_t* bz;
    uint64_t* bk;
    int32_t* pz;
    int32_t* pk;
};

// Work tables, sized for one screen size and reused while it stays.
struct Tabulky {
    int sirka;
    int vyska;
    int slov;        // 64-pixel words of a row's mask
    int krok;        // words per row: the mask and one empty word behind it
    uint64_t* pamat; // one empty word, then the rows, then one empty row
    uint64_t* bity;  // live grey pixels of row y, bit x % 64 of word y * krok + x / 64
    int32_t* rz;     // per row, the stored column range by rows, the reach's words when filling;
    int32_t* rk;     // only rows hore .. dole of the object hold one
    Znacka* znacky;  // the touching modes' labels, made by their first search
    uint64_t* pamatDosahu; // laid out as pamat; made with the labels
    uint64_t* dosah;       // the pixels the object being filled has reached, as bity
    uint8_t* cakaju;       // per row, the neighbours it waits to be checked against
    int32_t* zasobnik;     // the rows waiting
    BehyRiadku riadky[2];  // the runs of the row above and of the row being labelled
    int32_t* spoje;        // the runs that touch more than one run above: first and last
    void* pamatBehov;      // the memory of riadky and spoje
};

// What the passes gather about one object.
struct Objekt {
    int hore;
    int dole;
    int lavy;
    int pravy;
    long long pocet;
};

// Words of the masks: one empty word, a mask and an empty word per row, one empty row.
size_t SlovMasiek(int sirka, int vyska) {
    const size_t krok = static_cast<size_t>((sirka + 63) / 64 + 1);
    return krok * (static_cast<size_t>(vyska) + 1) + 1;
}

// Frees the touching modes' tables and marks them as not made.
void UvolniDotykove(Tabulky& t) {
    std::free(t.znacky);
    std::free(t.pamatBehov);
    std::free(t.pamatDosahu);
    std::free(t.cakaju);
    std::free(t.zasobnik);
    t.znacky = nullptr;
    t.pamatBehov = nullptr;
    t.pamatDosahu = nullptr;
    t.cakaju = nullptr;
    t.zasobnik = nullptr;
}

void UvolniTabulky(Tabulky& t) {
    std::free(t.pamat);
    std::free(t.rz);
    std::free(t.rk);
    UvolniDotykove(t);
}

size_t ZnaciekPre(int sirka, int vyska) {
    return static_cast<size_t>(vyska) * static_cast<size_t>((sirka + 1) / 2);
}

// The two rows' runs and the links, for rows of slov64 mask words.
size_t PamatBehovPre(int slov64) {
    size_t behov = static_cast<size_t>(slov64) * 32 + 1;
    size_t slov = static_cast<size_t>(slov64) + 2;
    return 2 * (2 * slov * 8 + 2 * slov * 4 + 3 * behov * 4) + 2 * behov * 4;
}

// The labels for the worst case, every run of every row a new one (a chequerboard); pages that
// no search reaches are never touched. False when they cannot be had.
bool PripravZnacky(Tabulky& t) {
    if (t.znacky != nullptr)
        return true;
    size_t behov = static_cast<size_t>(t.slov) * 32 + 1;
    size_t slov = static_cast<size_t>(t.slov) + 2;
    size_t znaciek = ZnaciekPre(t.sirka, t.vyska);
    if (znaciek > SIZE_MAX / sizeof(Znacka))
        return false; // more than a 32-bit process can address
    t.znacky = static_cast<Znacka*>(std::malloc(znaciek * sizeof(Znacka)));
    t.pamatBehov = std::calloc(PamatBehovPre(t.slov), 1);
    t.pamatDosahu =
        static_cast<uint64_t*>(std::calloc(SlovMasiek(t.sirka, t.vyska), sizeof(uint64_t)));
    t.cakaju = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(t.vyska), 1));
    t.zasobnik = static_cast<int32_t*>(std::malloc(static_cast<size_t>(t.vyska) * 4));
    if (t.znacky == nullptr || t.pamatBehov == nullptr || t.pamatDosahu == nullptr ||
        t.cakaju == nullptr || t.zasobnik == nullptr) {
        UvolniDotykove(t);
        return false;
    }
    t.dosah = t.pamatDosahu + 1;
    uint64_t* slova = static_cast<uint64_t*>(t.pamatBehov);
    int32_t* cisla = reinterpret_cast<int32_t*>(slova + 4 * slov);
    for (BehyRiadku& r : t.riadky) {
        r.bz = slova + 1;
        r.bk = slova + slov + 1;
        slova += 2 * slov;
        r.pz = cisla + 1;
        r.pk = cisla + slov + 1;
        cisla += 2 * slov;
    }
    for (BehyRiadku& r : t.riadky) {
        r.zac = cisla;
        r.kon = cisla + behov;
        r.zn = cisla + 2 * behov;
        cisla += 3 * behov;
    }
    t.spoje = cisla;
    return true;
}

// The empty words around the rows stop every run scan at the row's ends. Null when the tables
// cannot be had.
Tabulky* PripravTabulky(int sirka, int vyska) {
    static Tabulky t = {};
    if (t.pamat != nullptr && t.sirka == sirka && t.vyska == vyska)
        return &t;
    UvolniTabulky(t);
    t = Tabulky{};
    t.sirka = sirka;
    t.vyska = vyska;
    t.slov = (sirka + 63) / 64;
    t.krok = t.slov + 1;
    size_t slov = SlovMasiek(sirka, vyska);
    size_t riadkov = static_cast<size_t>(vyska) + 1;
    t.pamat = static_cast<uint64_t*>(std::calloc(slov, sizeof(uint64_t)));
    t.rz = static_cast<int32_t*>(std::malloc(riadkov * sizeof(int32_t)));
    t.rk = static_cast<int32_t*>(std::malloc(riadkov * sizeof(int32_t)));
    if (t.pamat == nullptr || t.rz == nullptr || t.rk == nullptr) {
        UvolniTabulky(t);
        t = Tabulky{};
        return nullptr;
    }
    t.bity = t.pamat + 1;
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

#if defined(ZORNAVIT_NOVE)
// 8 bits for 8 pixels.
ZORNAVIT_CIEL_NOVE inline uint64_t SedeBity8(const COLORREF* p, __m256i maska, __m256i vzor) {
    __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    c = _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_xor_si256(c, _mm256_srli_epi32(c, 8)), maska),
                           vzor);
    return static_cast<uint32_t>(_mm256_movemask_ps(_mm256_castsi256_ps(c)));
}

// 32 bits for 32 pixels.
ZORNAVIT_CIEL_NOVE inline uint64_t SedeBity32(const COLORREF* p, __m256i maska, __m256i vzor) {
    return SedeBity8(p, maska, vzor) | SedeBity8(p + 8, maska, vzor) << 8 |
           SedeBity8(p + 16, maska, vzor) << 16 | SedeBity8(p + 24, maska, vzor) << 24;
}

// The same mask, eight pixels per instruction.
ZORNAVIT_CIEL_NOVE void MaskaRiadkuAvx2(const COLORREF* riadok, int sirka, uint32_t vzor,
                                        uint64_t* bity) {
    const __m256i m = _mm256_set1_epi32(static_cast<int>(kMaskaSedej));
    const __m256i v = _mm256_set1_epi32(static_cast<int>(vzor));
    int x = 0;
    for (; x + 64 <= sirka; x += 64)
        bity[x / 64] = SedeBity32(riadok + x, m, v) | SedeBity32(riadok + x + 32, m, v) << 32;
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
    return __builtin_clzll(m) ^ 63; // 63 - clz, which GCC makes one bsr of only in this form
#else
    unsigned long i = 0;
    if (_BitScanReverse(&i, static_cast<unsigned long>(m >> 32)))
        return static_cast<int>(i) + 32;
    _BitScanReverse(&i, static_cast<unsigned long>(m));
    return static_cast<int>(i);
#endif
}

inline uint64_t BityOd(int b) {
    return ~0ull << b;
}

inline uint64_t BityDo(int b) {
    return (2ull << b) - 1;
}

inline int PocetBitov(uint64_t m) {
    m = m - ((m >> 1) & 0x5555555555555555ull);
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((m * 0x0101010101010101ull) >> 56);
}

inline uint64_t* Riadok(const Tabulky& t, int y) {
    return t.bity + static_cast<size_t>(y) * static_cast<size_t>(t.krok);
}

// The mask of bits a .. b of word w (a <= b, both columns of the row).
inline uint64_t MaskaSlova(int w, int a, int b) {
    uint64_t m = ~0ull;
    if (w == a >> 6)
        m &= BityOd(a & 63);
    if (w == b >> 6)
        m &= BityDo(b & 63);
    return m;
}

// Clears the columns a .. b of a row.
void Vymaz(uint64_t* r, int a, int b) {
    int wa = a >> 6;
    int wb = b >> 6;
    if (wa == wb) {
        r[wa] &= ~(BityOd(a & 63) & BityDo(b & 63));
        return;
    }
    r[wa] &= ~BityOd(a & 63);
    for (int w = wa + 1; w < wb; w++)
        r[w] = 0;
    r[wb] &= ~BityDo(b & 63);
}

// Clears the columns a .. b of a row and returns how many live pixels they held.
long long Odober(uint64_t* r, int a, int b) {
    if (a >> 6 == b >> 6) {
        uint64_t m = r[a >> 6] & MaskaSlova(a >> 6, a, b);
        r[a >> 6] ^= m;
        return PocetBitov(m);
    }
    long long n = 0;
    for (int w = a >> 6; w <= b >> 6; w++) {
        uint64_t m = MaskaSlova(w, a, b);
        n += PocetBitov(r[w] & m);
        r[w] &= ~m;
    }
    return n;
}

// The first live column of a row within s .. e, or -1.
inline int PrvyBod(const uint64_t* r, int s, int e) {
    int w = s >> 6;
    uint64_t m = r[w] & BityOd(s & 63);
    while (m == 0) {
        if (w >= e >> 6)
            return -1;
        m = r[++w];
    }
    int x = w * 64 + NajnizsiBit(m);
    return x <= e ? x : -1;
}

// The last live column of a row at or before e; there must be one.
inline int PoslednyBod(const uint64_t* r, int e) {
    int w = e >> 6;
    uint64_t m = r[w] & BityDo(e & 63);
    while (m == 0)
        m = r[--w];
    return w * 64 + NajvyssiBit(m);
}

// First and last column of the live run holding column x; the empty words stop the scans.
inline int ZaciatokBehu(const uint64_t* r, int x) {
    int w = x >> 6;
    uint64_t m = ~r[w] & (BityDo(x & 63) >> 1);
    while (m == 0)
        m = ~r[--w];
    return w * 64 + NajvyssiBit(m) + 1;
}

inline int KoniecBehu(const uint64_t* r, int x) {
    int w = x >> 6;
    uint64_t m = ~r[w] & BityOd(x & 63);
    while (m == 0)
        m = ~r[++w];
    return w * 64 + NajnizsiBit(m) - 1;
}

// Masks one row, leaving out the columns vl .. vp when vylucit.
void VytvorRiadok(const COLORREF* riadok, uint64_t* r, bool vylucit, long long vl, long long vp,
                  uint32_t zaklad, MaskaRiadkuFn maskaRiadku, const Tabulky& t) {
    maskaRiadku(riadok, t.sirka, zaklad, r);
    long long a = vl > 0 ? vl : 0;
    long long b = vp < t.sirka - 1 ? vp : t.sirka - 1;
    if (vylucit && a <= b)
        Vymaz(r, static_cast<int>(a), static_cast<int>(b));
}

// The runs of a row's mask.
inline int PocetBehov(const uint64_t* r, int slov) {
    int n = 0;
    for (int w = 0; w < slov; w++)
        n += PocetBitov(r[w] & ~(r[w] << 1 | r[w - 1] >> 63));
    return n;
}

// Masks every row, leaving out the window's columns on its rows. Returns the number of runs when
// behy asks for it (while each row is at hand), else 0.
long long VytvorMasky(const COLORREF* farby, int krok, RECT okno, uint32_t zaklad,
                      MaskaRiadkuFn maskaRiadku, Tabulky& t, bool behy) {
    long long n = 0;
    for (int y = 0; y < t.vyska; y++) {
        const COLORREF* riadok = farby + static_cast<size_t>(y) * static_cast<size_t>(krok);
        bool vylucit = y >= okno.top && y <= okno.bottom && okno.left <= okno.right;
        VytvorRiadok(riadok, Riadok(t, y), vylucit, okno.left, okno.right, zaklad, maskaRiadku, t);
        if (behy)
            n += PocetBehov(Riadok(t, y), t.slov);
    }
    return n;
}

// The first live run from the scan start (y, x) with a live run directly below that overlaps it:
// the run holding the first live pixel with a live pixel below, everything in front of the start
// being gone. y and x become that pixel; false when there is none.
bool NajdiSemeno(const Tabulky& t, int& y, int& x) {
    for (int w = x >> 6; y < t.vyska; y++, w = 0) {
        const uint64_t* r = Riadok(t, y);
        const uint64_t* pod = r + t.krok;
        for (; w < t.slov; w++) {
            uint64_t m = r[w] & pod[w];
            if (m != 0) {
                x = w * 64 + NajnizsiBit(m);
                return true;
            }
        }
    }
    return false;
}

// The span of the live runs of a row that overlap s .. e, from the first one's first column to
// the last one's last column; false when there is none.
inline bool Prekryv(const uint64_t* r, int s, int e, int& zac, int& kon) {
    int prvy = 0;
    int posledny = 0;
    int w = s >> 6;
    if (w == e >> 6) {
        // Mostly the range and its runs lie within one word: one read gives both ends.
        uint64_t m = r[w];
        uint64_t v = m & BityOd(s & 63) & BityDo(e & 63);
        if (v == 0)
            return false;
        uint64_t medzeryPred = ~m & ((v & (0 - v)) - 1);
        uint64_t medzeryZa = ~m & BityOd(NajvyssiBit(v));
        if (medzeryPred != 0 && medzeryZa != 0) {
            zac = w * 64 + NajvyssiBit(medzeryPred) + 1;
            kon = w * 64 + NajnizsiBit(medzeryZa) - 1;
            return true;
        }
        prvy = w * 64 + NajnizsiBit(v);
        posledny = w * 64 + NajvyssiBit(v);
    } else {
        prvy = PrvyBod(r, s, e);
        if (prvy < 0)
            return false;
        posledny = PoslednyBod(r, e);
    }
    zac = ZaciatokBehu(r, prvy);
    kon = KoniecBehu(r, posledny);
    return true;
}

// The forward pass from the seed s .. e: each following row joins with the span of its live runs
// that overlap the range of the row above; growth stops at the first row without one. The box
// starts as the bottom row's range.
void RastDole(Tabulky& t, Objekt& o, int s, int e) {
    t.rz[o.hore] = s;
    t.rk[o.hore] = e;
    int zac = 0;
    int kon = 0;
    for (int y = o.hore + 1; y < t.vyska && Prekryv(Riadok(t, y), s, e, zac, kon); y++) {
        s = t.rz[y] = zac;
        e = t.rk[y] = kon;
        o.dole = y;
    }
    o.lavy = s;
    o.pravy = e;
}

// Row y joins its live runs that overlap s .. e, the stored range of the row below: the row's
// stored range widens to their span (a row without one takes the span and becomes the top), and
// s .. e becomes it. False when none overlaps.
bool Pripoj(Tabulky& t, Objekt& o, int y, int& s, int& e) {
    uint64_t* r = Riadok(t, y);
    int zac = 0;
    int kon = 0;
    if (!Prekryv(r, s, e, zac, kon))
        return false;
    o.pocet += Odober(r, zac, kon);
    if (y < o.hore) {
        o.hore = y;
    } else {
        zac = zac < t.rz[y] ? zac : t.rz[y];
        kon = kon > t.rk[y] ? kon : t.rk[y];
    }
    s = t.rz[y] = zac;
    e = t.rk[y] = kon;
    return true;
}

// The closing pass: from the bottom row upward, every row directly above joins its live runs that
// overlap the stored range of the row below; the box spans the stored ranges of the joined rows.
// The bottom row's range is already the span of its joined runs.
void Uzavri(Tabulky& t, Objekt& o) {
    int y = o.dole;
    int s = o.lavy;
    int e = o.pravy;
    o.pocet = Odober(Riadok(t, y), s, e);
    for (; y > 0 && Pripoj(t, o, y - 1, s, e); y--) {
        o.lavy = s < o.lavy ? s : o.lavy;
        o.pravy = e > o.pravy ? e : o.pravy;
    }
}

// Removes every live pixel from (y0, x0) up to the one in front of (y1, x1).
void OdstranPred(Tabulky& t, int y0, int x0, int y1, int x1) {
    for (; y0 < y1; y0++, x0 = 0)
        Vymaz(Riadok(t, y0), x0, t.sirka - 1);
    if (x0 < x1)
        Vymaz(Riadok(t, y1), x0, x1 - 1);
}

// One cycle: seed, forward pass, closing pass, the removal in front of the seed; the scan start
// moves to the seed. False when no seed is left.
bool Cyklus(Tabulky& t, int& yStartu, int& xStartu, Objekt& o) {
    int y = yStartu;
    int x = xStartu;
    if (!NajdiSemeno(t, y, x))
        return false;
    const uint64_t* r = Riadok(t, y);
    int zaciatok = ZaciatokBehu(r, x);
    o.hore = o.dole = y;
    RastDole(t, o, zaciatok, KoniecBehu(r, x));
    Uzavri(t, o);
    OdstranPred(t, yStartu, xStartu, y, zaciatok);
    yStartu = y;
    xStartu = zaciatok;
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

// Reads off the runs of a row; returns their number. The empty words around the row end every run.
inline int CitajBehy(const uint64_t* r, int slov, BehyRiadku& b) {
    int nz = 0;
    int nk = 0;
    for (int w = 0; w < slov; w++) {
        uint64_t m = r[w];
        uint64_t zaciatky = m & ~(m << 1 | r[w - 1] >> 63);
        uint64_t konce = m & ~(m >> 1 | r[w + 1] << 63);
        b.bz[w] = zaciatky;
        b.bk[w] = konce;
        b.pz[w] = nz;
        b.pk[w] = nk;
        for (; zaciatky != 0; zaciatky &= zaciatky - 1)
            b.zac[nz++] = w * 64 + NajnizsiBit(zaciatky);
        for (; konce != 0; konce &= konce - 1)
            b.kon[nk++] = w * 64 + NajnizsiBit(konce);
    }
    b.pz[slov] = nz;
    b.pk[slov] = nk;
    return nz;
}

// How many of the bits counted by pred lie in the columns up to x (-2 <= x <= width).
inline int PocetPo(const uint64_t* bity, const int32_t* pred, int x) {
    int w = x >> 6;
    return pred[w] + PocetBitov(bity[w] & BityDo(x & 63));
}

inline int Koren(Znacka* zn, int z) {
    while (zn[z].rodic != z) {
        zn[z].rodic = zn[zn[z].rodic].rodic;
        z = zn[z].rodic;
    }
    return z;
}

// Joins the trees of two labels under the smaller root. Neighbouring runs above that took their
// label from one run (a run split by a hole) need no find.
inline void Spoj(Znacka* zn, int a, int b) {
    if (a == b)
        return;
    a = Koren(zn, a);
    b = Koren(zn, b);
    if (a < b)
        zn[b].rodic = a;
    else
        zn[a].rodic = b;
}

// Joins the labels of the runs above that one run touches, for every such run of the row.
void SpojRiadok(Znacka* zn, const int32_t* spoje, int spojov, const int32_t* znHore) {
    for (int j = 0; j < spojov; j++)
        for (int k = spoje[2 * j] + 1; k <= spoje[2 * j + 1]; k++)
            Spoj(zn, znHore[k - 1], znHore[k]);
}

// Labels the runs of one row against the runs of the row above. A run touches the runs above from
// the first that ends at or after its first column to the last that starts at or before its last
// (roh 0), or one column further each way (roh 1, corners): counts of run ends and starts give
// both without a walk. The run takes the label of the first of them (one step toward its root,
// which keeps the trees flat), or a new one, and its pixels go to that label; runs touching several
// are listed in spoje. Returns how many were listed.
inline int OznacRiadok(int y, int n, int roh, const BehyRiadku& p, BehyRiadku& c, Znacka* zn,
                       int& znaciek, int32_t* spoje) {
    int spojov = 0;
    for (int i = 0; i < n; i++) {
        int s = c.zac[i];
        int e = c.kon[i];
        int prvy = PocetPo(p.bk, p.pk, s - roh - 1);
        int posledny = PocetPo(p.bz, p.pz, e + roh) - 1;
        int z = 0;
        if (posledny < prvy) {
            z = znaciek++;
            zn[z] = Znacka{z, s, e, y, y, e - s + 1};
        } else {
            z = zn[p.zn[prvy]].rodic;
            Znacka& l = zn[z];
            l.lavy = s < l.lavy ? s : l.lavy;
            l.pravy = e > l.pravy ? e : l.pravy;
            l.dole = y;
            l.pocet += e - s + 1;
        }
        c.zn[i] = z;
        spoje[2 * spojov] = prvy;
        spoje[2 * spojov + 1] = posledny;
        spojov += posledny > prvy;
    }
    return spojov;
}

// Labels every run, row by row; runs touching several labels join them after their row. Returns
// the number of labels handed out.
int OznacBehy(Tabulky& t, int roh) {
    BehyRiadku* p = &t.riadky[0];
    BehyRiadku* c = &t.riadky[1];
    std::memset(p->bz, 0, static_cast<size_t>(t.slov) * sizeof(uint64_t));
    std::memset(p->bk, 0, static_cast<size_t>(t.slov) * sizeof(uint64_t));
    std::memset(p->pz, 0, (static_cast<size_t>(t.slov) + 1) * sizeof(int32_t));
    std::memset(p->pk, 0, (static_cast<size_t>(t.slov) + 1) * sizeof(int32_t));
    int znaciek = 0;
    for (int y = 0; y < t.vyska; y++) {
        int n = CitajBehy(Riadok(t, y), t.slov, *c);
        int spojov = OznacRiadok(y, n, roh, *p, *c, t.znacky, znaciek, t.spoje);
        SpojRiadok(t.znacky, t.spoje, spojov, p->zn);
        BehyRiadku* v = p;
        p = c;
        c = v;
    }
    return znaciek;
}

// Every label's box and count go to its parent, the larger labels first, so that each root ends
// with its whole object.
void ZlozZnacky(Znacka* zn, int znaciek) {
    for (int i = znaciek - 1; i > 0; i--) {
        Znacka& z = zn[i];
        Znacka& r = zn[z.rodic];
        if (z.rodic == i)
            continue;
        r.lavy = z.lavy < r.lavy ? z.lavy : r.lavy;
        r.pravy = z.pravy > r.pravy ? z.pravy : r.pravy;
        r.dole = z.dole > r.dole ? z.dole : r.dole;
        r.pocet += z.pocet;
    }
}

// The touching modes by filling: each object is filled from its first pixel on whole 64-pixel
// words, row by row, each row taking the runs that touch what a neighbouring row has reached. A
// screen of large objects full of holes (panels of text) takes a few word operations per row where
// labelling its runs one by one takes dozens per run; screens of many small pieces go to the
// labelling instead.

inline uint64_t* Dosah(const Tabulky& t, int y) {
    return t.dosah + static_cast<size_t>(y) * static_cast<size_t>(t.krok);
}

// The pixels of m's runs that lie at or below a pixel of f within its word (f within m).
inline uint64_t RozotriDole(uint64_t f, uint64_t m) {
    f |= (f >> 1) & m;
    m &= m >> 1;
    f |= (f >> 2) & m;
    m &= m >> 2;
    f |= (f >> 4) & m;
    m &= m >> 4;
    f |= (f >> 8) & m;
    m &= m >> 8;
    f |= (f >> 16) & m;
    m &= m >> 16;
    return f | ((f >> 32) & m);
}

// The live pixels of word w touching the reach d of the next row (along a side, or at a corner
// too).
inline uint64_t Semena(const uint64_t* m, const uint64_t* d, int w, int roh) {
    uint64_t v = d[w];
    if (roh != 0)
        v |= v << 1 | d[w - 1] >> 63 | v >> 1 | d[w + 1] << 63;
    return m[w] & v;
}

// The pixels of m's runs from each seed of n (within m) to the run's end, with the carry from the
// word below; prenos becomes the carry into the word above.
inline uint64_t Nahor(uint64_t m, uint64_t n, unsigned& prenos) {
    uint64_t s1 = m + n;
    uint64_t s2 = s1 + prenos;
    prenos = static_cast<unsigned>(s1 < n) | static_cast<unsigned>(s2 < s1);
    return ((s2 ^ m) | n) & m;
}

// Whether the live pixels l of a row next to the pixels f of word w touch them.
inline uint64_t Dotyk(const uint64_t* l, int w, uint64_t f, int roh) {
    if (roh == 0)
        return l[w] & f;
    return (l[w] & (f | f << 1 | f >> 1)) | (l[w - 1] & f << 63) | (l[w + 1] & f >> 63);
}

// Fills row y from seeds, its live pixels touching the reach d of a neighbouring row or, without
// d, the pixels semeno, in words a .. b: the runs holding them leave the live pixels and join the
// reach, carried upward past b and smeared downward below a as far as they go. Returns 0 when
// nothing was taken, else 4 with 1 when live pixels of the row below touch the new ones and 2 when
// those of the row above do (hore, the object's first row, has none above).
int Rozlej(Tabulky& t, int y, int hore, int a, int b, const uint64_t* d, uint64_t semeno, int roh) {
    uint64_t* m = Riadok(t, y);
    uint64_t* r = Dosah(t, y);
    const uint64_t* pod = Riadok(t, y + 1); // below the last row lies the empty row
    const uint64_t* nad = y > hore ? Riadok(t, y - 1) : Riadok(t, t.vyska);
    uint64_t dotykPod = 0;
    uint64_t dotykNad = 0;
    int prvy = t.slov;
    int posledny = -1;
    unsigned prenos = 0;
    for (int w = a; w < t.slov && (w <= b || prenos != 0); w++) {
        uint64_t n = w > b ? 0 : d != nullptr ? Semena(m, d, w, roh) : semeno;
        uint64_t f = Nahor(m[w], n, prenos);
        for (int v = w; f != 0; f = (f & 1) != 0 ? m[--v] & (1ull << 63) : 0) {
            if ((f & ~(f << 1) & (m[v] << 1)) != 0) // a run goes on below its first seed
                f = RozotriDole(f, m[v]);
            m[v] ^= f;
            r[v] |= f;
            dotykPod |= Dotyk(pod, v, f, roh);
            dotykNad |= Dotyk(nad, v, f, roh);
            prvy = v < prvy ? v : prvy;
            posledny = v > posledny ? v : posledny;
        }
    }
    if (posledny < 0)
        return 0;
    t.rz[y] = t.rz[y] < prvy ? t.rz[y] : prvy;
    t.rk[y] = t.rk[y] > posledny ? t.rk[y] : posledny;
    return 4 | (dotykPod != 0 ? 1 : 0) | (dotykNad != 0 ? 2 : 0);
}

// Row y takes the runs touching the reach of row z next to it; returns as Rozlej. prace counts the
// words looked at.
int Dolej(Tabulky& t, Objekt& o, int y, int z, int roh, long long& prace) {
    if (y > o.dole) {
        t.rz[y] = t.slov;
        t.rk[y] = -1;
    }
    const uint64_t* d = Dosah(t, z);
    // At a corner the reach touches the next word only from its end bits.
    int a = t.rz[z] - (roh & static_cast<int>(d[t.rz[z]] & 1));
    int b = t.rk[z] + (roh & static_cast<int>(d[t.rk[z]] >> 63));
    a = a > 0 ? a : 0;
    b = b < t.slov - 1 ? b : t.slov - 1;
    prace += b - a + 1;
    int dalej = Rozlej(t, y, o.hore, a, b, d, 0, roh);
    if (dalej != 0)
        o.dole = y > o.dole ? y : o.dole;
    return dalej;
}

// Row y is to be checked against its neighbour above (odkial 1) or below (2); each row is on the
// stack at most once, with what it waits for.
inline void Cakaj(Tabulky& t, int y, uint8_t odkial, int& cakajucich) {
    if (t.cakaju[y] == 0)
        t.zasobnik[cakajucich++] = y;
    t.cakaju[y] |= odkial;
}

// Row y gained pixels that the live pixels of the rows next to it touch (dalej as from Rozlej):
// those rows are to take them. A row's live pixels only ever leave, so a row no new pixel touches
// has nothing to take from it. The row below, when not waiting already, is taken at once (true):
// the fill runs down, the checks up wait.
inline bool Pribudlo(Tabulky& t, int y, int dalej, int& cakajucich) {
    if ((dalej & 2) != 0)
        Cakaj(t, y - 1, 2, cakajucich);
    if ((dalej & 1) == 0)
        return false;
    if (t.cakaju[y + 1] == 0)
        return true;
    t.cakaju[y + 1] |= 1;
    return false;
}

// The object's box and count, read off its reach, which is cleared for the next one.
void Odpis(Tabulky& t, Objekt& o) {
    for (int r = o.hore; r <= o.dole; r++) {
        uint64_t* d = Dosah(t, r);
        int a = t.rz[r];
        int b = t.rk[r];
        o.lavy = o.lavy < a * 64 + NajnizsiBit(d[a]) ? o.lavy : a * 64 + NajnizsiBit(d[a]);
        o.pravy = o.pravy > b * 64 + NajvyssiBit(d[b]) ? o.pravy : b * 64 + NajvyssiBit(d[b]);
        for (int w = a; w <= b; w++) {
            o.pocet += PocetBitov(d[w]);
            d[w] = 0;
        }
    }
}

// The object whose first pixel, in reading order, is (y, x): nothing of it lies above row y.
void Vyplnenie(Tabulky& t, Objekt& o, int y, int x, int roh, long long& prace) {
    o = Objekt{y, y, x, x, 0};
    t.rz[y] = t.slov;
    t.rk[y] = -1;
    int dalej = Rozlej(t, y, y, x >> 6, x >> 6, nullptr, 1ull << (x & 63), roh);
    int cakajucich = 0;
    int r = y;
    while (true) {
        uint8_t odkial = 1;
        if (Pribudlo(t, r, dalej, cakajucich)) {
            r++;
        } else if (cakajucich > 0) {
            r = t.zasobnik[--cakajucich];
            odkial = t.cakaju[r];
            t.cakaju[r] = 0;
        } else {
            break;
        }
        dalej = (odkial & 1) != 0 ? Dolej(t, o, r, r - 1, roh, prace) : 0;
        dalej |= (odkial & 2) != 0 ? Dolej(t, o, r, r + 1, roh, prace) : 0;
    }
    Odpis(t, o);
}

// The object of the first pixel (y, x) when it is a single run: nothing touches the run below, and
// nothing of the object lies above. Most small pieces are one run; they skip the reach.
bool JedenBeh(Tabulky& t, Objekt& o, int y, int x, int roh) {
    uint64_t* r = Riadok(t, y);
    int e = KoniecBehu(r, x);
    // Below the last row lies the empty row, and around each row an empty word.
    if (PrvyBod(r + t.krok, x - roh, e + roh) >= 0)
        return false;
    Vymaz(r, x, e);
    o = Objekt{y, y, x, e, e - x + 1};
    return true;
}

// The first live pixel from the scan start (y, x) on; false when none is left.
bool DalsiBod(const Tabulky& t, int& y, int& x) {
    for (int w = x >> 6; y < t.vyska; y++, w = 0) {
        const uint64_t* r = Riadok(t, y);
        for (; w < t.slov; w++)
            if (r[w] != 0) {
                x = w * 64 + NajnizsiBit(r[w]);
                return true;
            }
    }
    return false;
}

// What one search is asked.
struct Zadanie {
    const COLORREF* farby;
    int krok;
    RECT okno;
    uint32_t zaklad;
    int minVelkost;
    int percentoVyplne;
    int spajanie;
    POINT* stredy;
    RECT* boxy;
    int kapacita;
};

// The touching modes: the roots in label order are the objects in the order of their first pixels.
inline int HladajDotykom(const Zadanie& z, Tabulky& t) {
    int znaciek = OznacBehy(t, z.spajanie == 8 ? 1 : 0);
    ZlozZnacky(t.znacky, znaciek);
    int k = 0;
    for (int i = 0; i < znaciek && k < z.kapacita; i++) {
        const Znacka& zn = t.znacky[i];
        if (zn.rodic != i)
            continue;
        Objekt o = {zn.hore, zn.dole, zn.lavy, zn.pravy, zn.pocet};
        if (Vyhovuje(o, z.minVelkost, z.percentoVyplne)) {
            Zapis(o, &z.stredy[k], &z.boxy[k]);
            k++;
        }
    }
    return k;
}

// Filling pays while the screen's runs are long (panels, text, shapes); on screens of many short
// runs (noise, dithering) it would fill tens of thousands of tiny objects, and labelling the runs
// is faster. A fill whose word count outgrows what labelling would have cost (a maze, a snake of
// thin turns, each turn checking its rows again) gives up, and the runs are labelled after all.
const long long kBehovNaSlovo = 8;
const long long kPraceNaBeh = 4;

// The touching modes by filling, into k objects; false when the words looked at outgrow limit.
inline bool HladajVyplnanim(const Zadanie& z, Tabulky& t, long long limit, int& k) {
    int roh = z.spajanie == 8 ? 1 : 0;
    long long prace = 0;
    int y = 0;
    int x = 0;
    k = 0;
    while (k < z.kapacita && DalsiBod(t, y, x)) {
        Objekt o = {};
        if (JedenBeh(t, o, y, x, roh))
            prace++;
        else if (roh != 0) // each grouping with its own copy of the fill
            Vyplnenie(t, o, y, x, 1, prace);
        else
            Vyplnenie(t, o, y, x, 0, prace);
        if (prace > limit)
            return false;
        if (Vyhovuje(o, z.minVelkost, z.percentoVyplne)) {
            Zapis(o, &z.stredy[k], &z.boxy[k]);
            k++;
        }
    }
    return true;
}

// The search on tables prepared for the screen; every copy of the search is this routine inlined.
inline int Hladaj(const Zadanie& z, MaskaRiadkuFn maskaRiadku, Tabulky& t) {
    bool dotykom = z.spajanie == 4 || z.spajanie == 8;
    long long behov = VytvorMasky(z.farby, z.krok, z.okno, z.zaklad, maskaRiadku, t, dotykom);
    if (dotykom) {
        int k = 0;
        long long slov = static_cast<long long>(t.slov) * t.vyska;
        if (behov <= kBehovNaSlovo * slov) {
            if (HladajVyplnanim(z, t, slov + kPraceNaBeh * behov, k))
                return k;
            VytvorMasky(z.farby, z.krok, z.okno, z.zaklad, maskaRiadku, t, false);
        }
        return HladajDotykom(z, t);
    }
    int k = 0;
    int yStartu = 0;
    int xStartu = 0;
    while (k < z.kapacita) {
        Objekt o = {};
        if (!Cyklus(t, yStartu, xStartu, o))
            break;
        if (Vyhovuje(o, z.minVelkost, z.percentoVyplne)) {
            Zapis(o, &z.stredy[k], &z.boxy[k]);
            k++;
        }
    }
    return k;
}

int HladajPrenosne(const Zadanie& z, Tabulky& t) {
    static const MaskaRiadkuFn maskaRiadku = VyberMaskuRiadku();
    return Hladaj(z, maskaRiadku, t);
}

#if defined(ZORNAVIT_NOVE)
// flatten inlines every routine of the search, so all of it is compiled for these processors.
ZORNAVIT_CIEL_NOVE __attribute__((flatten)) int HladajNove(const Zadanie& z, Tabulky& t) {
    return Hladaj(z, MaskaRiadkuAvx2, t);
}
#endif

typedef int (*HladajFn)(const Zadanie&, Tabulky&);

#if defined(ZORNAVIT_NOVE)
// Not every compiler's __builtin_cpu_supports knows LZCNT; the processor tells it itself.
bool MaLzcnt() {
    unsigned a = 0;
    unsigned b = 0;
    unsigned c = 0;
    unsigned d = 0;
    return __get_cpuid(0x80000001u, &a, &b, &c, &d) != 0 && (c & bit_LZCNT) != 0;
}
#endif

HladajFn VyberHladanie() {
#if defined(ZORNAVIT_NOVE)
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
        __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt") && MaLzcnt())
        return HladajNove;
#endif
    return HladajPrenosne;
}

} // namespace

long long PamatTabuliek(int sirka, int vyska) {
    const long long riadkov = static_cast<long long>(vyska) + 1;
    return static_cast<long long>(SlovMasiek(sirka, vyska) * sizeof(uint64_t)) +
           2 * riadkov * static_cast<long long>(sizeof(int32_t)) +
           static_cast<long long>(ZnaciekPre(sirka, vyska)) *
               static_cast<long long>(sizeof(Znacka)) +
           static_cast<long long>(PamatBehovPre((sirka + 63) / 64)) +
           static_cast<long long>(SlovMasiek(sirka, vyska) * sizeof(uint64_t)) +
           5 * static_cast<long long>(vyska);
}

int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                  unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie,
                  POINT* stredy, RECT* boxy, int kapacita) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    // Bad tables and screens whose point list would not fit an int count fail as the plain
    // search fails.
    double bodov = (static_cast<double>(vyska) + 5.0) * (static_cast<double>(sirka) + 5.0);
    if (farby == nullptr || krok < sirka || bodov > INT_MAX)
        return -1;
    Tabulky* tabulky = PripravTabulky(sirka, vyska);
    if (tabulky == nullptr || ((spajanie == 4 || spajanie == 8) && !PripravZnacky(*tabulky)))
        return -1;
    uint32_t zaklad = (32u * (stupen_sedi % 8u)) << 16;
    Zadanie z = {farby,           krok,     okno,   zaklad, min_velkost,
                 percento_vyplne, spajanie, stredy, boxy,   kapacita};
    static const HladajFn hladaj = VyberHladanie();
    return hladaj(z, *tabulky);
}
