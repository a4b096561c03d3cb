// A part of hladanie.cpp, included there once inside its unnamed namespace: the pixel test as the
// masks take it, the exact grey masks (portable and for newer processors) and the masks of a
// screen.
#pragma once

// The kinds of pixel test.
const int kPresnaSeda = 0;  // the band's greys exactly
const int kBlizkaSeda = 1;  // near greys whose level lies in the band
const int kBlizkaFarba = 2; // colours near the target

// The shade searched, made ready for the masks.
struct Vzor {
    int druh;
    uint32_t sedy;    // exact greys: (32 * band) << 16
    uint32_t dolna;   // colours: each byte's least value (the top byte's 0)
    uint32_t horna;   // and its greatest
    uint8_t odchylka; // near greys: K
    uint8_t pasmo;    // the band
    uint8_t pridaj;   // near greys: every channel moved up by pridaj (bands below kPosun),
    uint8_t uber;     // or down by uber (the others), saturating
};

// The row mask of one kind of test: bit x % 64 of word x / 64 set for pixel x in the shade.
typedef void (*MaskaRiadkuFn)(const COLORREF* riadok, int sirka, const Vzor& vzor, uint64_t* bity);

// A colour c is in the band when it is g * 0x010101 (top byte 0, the three channels equal) with
// g / 32 the band. In u = c ^ (c >> 8) the bytes are b0 ^ b1, b1 ^ b2, b2 ^ b3 and b3, so exactly
// those c give u & 0xFFE0FFFF == (32 * band) << 16.
const uint32_t kMaskaSedej = 0xFFE0FFFFu;

inline unsigned JeSeda(uint32_t c, uint32_t vzor) {
    return ((c ^ (c >> 8)) & kMaskaSedej) == vzor;
}

// Bit i set when pixel i of the pocet (1 to 64) pixels is in the band.
uint64_t SedeBity(const COLORREF* p, int pocet, const Vzor& v) {
    uint64_t bity = 0;
    for (int i = 0; i < pocet; i++)
        bity |= static_cast<uint64_t>(JeSeda(p[i], v.sedy)) << i;
    return bity;
}

#if !defined(ZORNAVIT_SSE2) || defined(ZORNAVIT_SSE2_PODLA_PROCESORA)
// The grey mask of one row into its words, sixty-four pixels each.
void MaskaRiadku(const COLORREF* riadok, int sirka, const Vzor& v, uint64_t* bity) {
    for (int x = 0; x < sirka; x += 64)
        bity[x / 64] = SedeBity(riadok + x, sirka - x < 64 ? sirka - x : 64, v);
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
ZORNAVIT_CIEL_SSE2 void MaskaRiadkuSse2(const COLORREF* riadok, int sirka, const Vzor& vzor,
                                        uint64_t* bity) {
    const __m128i m = _mm_set1_epi32(static_cast<int>(kMaskaSedej));
    const __m128i v = _mm_set1_epi32(static_cast<int>(vzor.sedy));
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
ZORNAVIT_CIEL_NOVE void MaskaRiadkuAvx2(const COLORREF* riadok, int sirka, const Vzor& vzor,
                                        uint64_t* bity) {
    const __m256i m = _mm256_set1_epi32(static_cast<int>(kMaskaSedej));
    const __m256i v = _mm256_set1_epi32(static_cast<int>(vzor.sedy));
    int x = 0;
    for (; x + 64 <= sirka; x += 64)
        bity[x / 64] = SedeBity32(riadok + x, m, v) | SedeBity32(riadok + x + 32, m, v) << 32;
    if (x < sirka)
        bity[x / 64] = SedeBity(riadok + x, sirka - x, vzor);
}
#endif

// Masks one row, leaving out the columns vl .. vp when vylucit.
void VytvorRiadok(const COLORREF* riadok, uint64_t* r, bool vylucit, long long vl, long long vp,
                  const Vzor& vzor, MaskaRiadkuFn maskaRiadku, const Tabulky& t) {
    maskaRiadku(riadok, t.sirka, vzor, r);
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
long long VytvorMasky(const COLORREF* farby, int krok, RECT okno, const Vzor& vzor,
                      MaskaRiadkuFn maskaRiadku, Tabulky& t, bool behy) {
    long long n = 0;
    for (int y = 0; y < t.vyska; y++) {
        const COLORREF* riadok = farby + static_cast<size_t>(y) * static_cast<size_t>(krok);
        bool vylucit = y >= okno.top && y <= okno.bottom && okno.left <= okno.right;
        VytvorRiadok(riadok, Riadok(t, y), vylucit, okno.left, okno.right, vzor, maskaRiadku, t);
        if (behy)
            n += PocetBehov(Riadok(t, y), t.slov);
    }
    return n;
}
