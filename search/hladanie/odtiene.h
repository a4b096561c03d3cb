// A part of hladanie.cpp, included there once inside its unnamed namespace: the masks of near greys
// and of colours near a target, portable and for newer processors, and the choice of a test's mask.
#pragma once

// Near greys. A pixel passes when its top byte is 0, its channels differ by at most K and the sum
// s of its channels lies in 3L .. 3L + 95 (the level s / 3, rounded down, in L .. L + 31). The
// vector copies work on bytes: every channel moved by kPosun - L, saturating, so that the sum's
// range becomes 129 .. 224. A pixel of the band never saturates (with K <= 64 its channels lie
// within L - 42 .. L + 74); one that does fails all the same: a channel stuck at 0 leaves the
// others at most K, the sum at most 128, and one stuck at 255 leaves the sum at 255.
const int kPosun = 43;
const uint8_t kSucetOd = 3 * kPosun;
const uint8_t kSucetDo = 3 * kPosun + 95;

inline unsigned JeBlizkaSeda(uint32_t c, const Vzor& v) {
    const unsigned r = c & 0xFF;
    const unsigned g = c >> 8 & 0xFF;
    const unsigned b = c >> 16 & 0xFF;
    const unsigned najviac = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const unsigned najmenej = r < g ? (r < b ? r : b) : (g < b ? g : b);
    return (c >> 24) == 0 && najviac - najmenej <= v.odchylka && (r + g + b) / 96 == v.pasmo;
}

// A colour near the target: every byte between its least and greatest value.
inline unsigned JeBlizkaFarba(uint32_t c, const Vzor& v) {
    unsigned mimo = 0;
    for (int i = 0; i < 32; i += 8) {
        const unsigned x = c >> i & 0xFF;
        mimo |= static_cast<unsigned>(x < (v.dolna >> i & 0xFF)) | (x > (v.horna >> i & 0xFF));
    }
    return mimo == 0;
}

uint64_t BlizkeSedeBity(const COLORREF* p, int pocet, const Vzor& v) {
    uint64_t bity = 0;
    for (int i = 0; i < pocet; i++)
        bity |= static_cast<uint64_t>(JeBlizkaSeda(p[i], v)) << i;
    return bity;
}

uint64_t FarebneBity(const COLORREF* p, int pocet, const Vzor& v) {
    uint64_t bity = 0;
    for (int i = 0; i < pocet; i++)
        bity |= static_cast<uint64_t>(JeBlizkaFarba(p[i], v)) << i;
    return bity;
}

#if !defined(ZORNAVIT_SSE2) || defined(ZORNAVIT_SSE2_PODLA_PROCESORA)
void MaskaBlizkejSedej(const COLORREF* riadok, int sirka, const Vzor& v, uint64_t* bity) {
    for (int x = 0; x < sirka; x += 64)
        bity[x / 64] = BlizkeSedeBity(riadok + x, sirka - x < 64 ? sirka - x : 64, v);
}

void MaskaFarby(const COLORREF* riadok, int sirka, const Vzor& v, uint64_t* bity) {
    for (int x = 0; x < sirka; x += 64)
        bity[x / 64] = FarebneBity(riadok + x, sirka - x < 64 ? sirka - x : 64, v);
}
#endif

#if defined(ZORNAVIT_SSE2)
// Each channel's bytes, 0 where a near grey passes: the spread over K, the top byte, the sum out of
// its range. r, g and b already moved.
ZORNAVIT_CIEL_SSE2 inline __m128i ZleSede(__m128i r, __m128i g, __m128i b, __m128i h,
                                          const __m128i* k) {
    const __m128i spred = _mm_subs_epu8(_mm_max_epu8(_mm_max_epu8(r, g), b),
                                        _mm_adds_epu8(_mm_min_epu8(_mm_min_epu8(r, g), b), k[0]));
    const __m128i sucet = _mm_adds_epu8(_mm_adds_epu8(r, g), b);
    const __m128i mimo = _mm_or_si128(_mm_subs_epu8(k[2], sucet), _mm_subs_epu8(sucet, k[3]));
    return _mm_or_si128(_mm_or_si128(spred, h), mimo);
}

// The channels moved by kPosun - L: up (bands 0 and 1) or down, saturating; k[1] is the distance.
template <bool kHore> ZORNAVIT_CIEL_SSE2 inline __m128i Posun(__m128i c, const __m128i* k) {
    return kHore ? _mm_adds_epu8(c, k[1]) : _mm_subs_epu8(c, k[1]);
}

// 16 bits for 16 pixels. The bytes are turned into channels (byte j of a channel is pixel
// 4 * (j % 4) + j / 4), tested, and the bits turned back. k: K, the channels' move, kSucetOd,
// kSucetDo.
template <bool kHore>
ZORNAVIT_CIEL_SSE2 inline uint64_t BlizkeSede16(const COLORREF* p, const __m128i* k) {
    const __m128i* q = reinterpret_cast<const __m128i*>(p);
    const __m128i v0 = _mm_loadu_si128(q);
    const __m128i v1 = _mm_loadu_si128(q + 1);
    const __m128i v2 = _mm_loadu_si128(q + 2);
    const __m128i v3 = _mm_loadu_si128(q + 3);
    const __m128i t0 = _mm_unpacklo_epi8(v0, v2);
    const __m128i t1 = _mm_unpackhi_epi8(v0, v2);
    const __m128i t2 = _mm_unpacklo_epi8(v1, v3);
    const __m128i t3 = _mm_unpackhi_epi8(v1, v3);
    const __m128i u0 = _mm_unpacklo_epi8(t0, t2);
    const __m128i u1 = _mm_unpackhi_epi8(t0, t2);
    const __m128i u2 = _mm_unpacklo_epi8(t1, t3);
    const __m128i u3 = _mm_unpackhi_epi8(t1, t3);
    const __m128i w0 = _mm_unpacklo_epi32(u0, u1);
    const __m128i w1 = _mm_unpackhi_epi32(u0, u1);
    const __m128i w2 = _mm_unpacklo_epi32(u2, u3);
    const __m128i w3 = _mm_unpackhi_epi32(u2, u3);
    const __m128i r = Posun<kHore>(_mm_unpacklo_epi64(w0, w2), k);
    const __m128i g = Posun<kHore>(_mm_unpackhi_epi64(w0, w2), k);
    const __m128i b = Posun<kHore>(_mm_unpacklo_epi64(w1, w3), k);
    const __m128i zle = ZleSede(r, g, b, _mm_unpackhi_epi64(w1, w3), k);
    uint32_t x = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(zle, _mm_setzero_si128())));
    // The 4 x 4 bits transposed.
    uint32_t t = (x ^ (x >> 3)) & 0x0A0Au;
    x ^= t ^ (t << 3);
    t = (x ^ (x >> 6)) & 0x00CCu;
    return x ^ t ^ (t << 6);
}

template <bool kHore>
ZORNAVIT_CIEL_SSE2 void BlizkeSedeSse2(const COLORREF* riadok, int sirka, const Vzor& v,
                                       uint64_t* bity) {
    const __m128i k[4] = {_mm_set1_epi8(static_cast<char>(v.odchylka)),
                          _mm_set1_epi8(static_cast<char>(kHore ? v.pridaj : v.uber)),
                          _mm_set1_epi8(static_cast<char>(kSucetOd)),
                          _mm_set1_epi8(static_cast<char>(kSucetDo))};
    int x = 0;
    for (; x + 64 <= sirka; x += 64) {
        const COLORREF* p = riadok + x;
        bity[x / 64] = BlizkeSede16<kHore>(p, k) | BlizkeSede16<kHore>(p + 16, k) << 16 |
                       BlizkeSede16<kHore>(p + 32, k) << 32 | BlizkeSede16<kHore>(p + 48, k) << 48;
    }
    if (x < sirka)
        bity[x / 64] = BlizkeSedeBity(riadok + x, sirka - x, v);
}

ZORNAVIT_CIEL_SSE2 void MaskaBlizkejSedejSse2(const COLORREF* riadok, int sirka, const Vzor& v,
                                              uint64_t* bity) {
    if (v.pridaj != 0)
        BlizkeSedeSse2<true>(riadok, sirka, v, bity);
    else
        BlizkeSedeSse2<false>(riadok, sirka, v, bity);
}

// 4 pixels: all ones where every byte lies between dolna and horna.
ZORNAVIT_CIEL_SSE2 inline __m128i Farebne4(const COLORREF* p, __m128i dolna, __m128i horna) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i mimo = _mm_or_si128(_mm_subs_epu8(c, horna), _mm_subs_epu8(dolna, c));
    return _mm_cmpeq_epi32(mimo, _mm_setzero_si128());
}

ZORNAVIT_CIEL_SSE2 inline uint64_t Farebne16(const COLORREF* p, __m128i dolna, __m128i horna) {
    const __m128i a = _mm_packs_epi32(Farebne4(p, dolna, horna), Farebne4(p + 4, dolna, horna));
    const __m128i b =
        _mm_packs_epi32(Farebne4(p + 8, dolna, horna), Farebne4(p + 12, dolna, horna));
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(a, b)));
}

ZORNAVIT_CIEL_SSE2 void MaskaFarbySse2(const COLORREF* riadok, int sirka, const Vzor& v,
                                       uint64_t* bity) {
    const __m128i dolna = _mm_set1_epi32(static_cast<int>(v.dolna));
    const __m128i horna = _mm_set1_epi32(static_cast<int>(v.horna));
    int x = 0;
    for (; x + 64 <= sirka; x += 64) {
        const COLORREF* p = riadok + x;
        bity[x / 64] = Farebne16(p, dolna, horna) | Farebne16(p + 16, dolna, horna) << 16 |
                       Farebne16(p + 32, dolna, horna) << 32 |
                       Farebne16(p + 48, dolna, horna) << 48;
    }
    if (x < sirka)
        bity[x / 64] = FarebneBity(riadok + x, sirka - x, v);
}
#endif

#if defined(ZORNAVIT_NOVE)
ZORNAVIT_CIEL_NOVE inline __m256i ZleSede(__m256i r, __m256i g, __m256i b, __m256i h,
                                          const __m256i* k) {
    const __m256i spred =
        _mm256_subs_epu8(_mm256_max_epu8(_mm256_max_epu8(r, g), b),
                         _mm256_adds_epu8(_mm256_min_epu8(_mm256_min_epu8(r, g), b), k[0]));
    const __m256i sucet = _mm256_adds_epu8(_mm256_adds_epu8(r, g), b);
    const __m256i mimo =
        _mm256_or_si256(_mm256_subs_epu8(k[2], sucet), _mm256_subs_epu8(sucet, k[3]));
    return _mm256_or_si256(_mm256_or_si256(spred, h), mimo);
}

// The channels moved by kPosun - L: up (bands 0 and 1) or down, saturating; k[1] is the distance.
template <bool kHore> ZORNAVIT_CIEL_NOVE inline __m256i Posun(__m256i c, const __m256i* k) {
    return kHore ? _mm256_adds_epu8(c, k[1]) : _mm256_subs_epu8(c, k[1]);
}

// 32 bits for 32 pixels. Each lane's pixels are sorted into channels (k[4]), the lanes' channels
// gathered (byte j of lane l is pixel 8 * (j / 4) + 4 * l + j % 4), and the bits put in order by
// moving the groups of four (k[5]). k: K, the channels' move, kSucetOd, kSucetDo, the orders.
template <bool kHore>
ZORNAVIT_CIEL_NOVE inline uint64_t BlizkeSede32(const COLORREF* p, const __m256i* k) {
    const __m256i* q = reinterpret_cast<const __m256i*>(p);
    const __m256i v0 = _mm256_shuffle_epi8(_mm256_loadu_si256(q), k[4]);
    const __m256i v1 = _mm256_shuffle_epi8(_mm256_loadu_si256(q + 1), k[4]);
    const __m256i v2 = _mm256_shuffle_epi8(_mm256_loadu_si256(q + 2), k[4]);
    const __m256i v3 = _mm256_shuffle_epi8(_mm256_loadu_si256(q + 3), k[4]);
    const __m256i v01 = _mm256_unpacklo_epi32(v0, v1);
    const __m256i v01h = _mm256_unpackhi_epi32(v0, v1);
    const __m256i v23 = _mm256_unpacklo_epi32(v2, v3);
    const __m256i v23h = _mm256_unpackhi_epi32(v2, v3);
    const __m256i r = Posun<kHore>(_mm256_unpacklo_epi64(v01, v23), k);
    const __m256i g = Posun<kHore>(_mm256_unpackhi_epi64(v01, v23), k);
    const __m256i b = Posun<kHore>(_mm256_unpacklo_epi64(v01h, v23h), k);
    const __m256i zle = ZleSede(r, g, b, _mm256_unpackhi_epi64(v01h, v23h), k);
    const __m256i dobre = _mm256_cmpeq_epi8(zle, _mm256_setzero_si256());
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_permutevar8x32_epi32(dobre, k[5])));
}

template <bool kHore>
ZORNAVIT_CIEL_NOVE void BlizkeSedeAvx2(const COLORREF* riadok, int sirka, const Vzor& v,
                                       uint64_t* bity) {
    const __m256i k[6] = {_mm256_set1_epi8(static_cast<char>(v.odchylka)),
                          _mm256_set1_epi8(static_cast<char>(kHore ? v.pridaj : v.uber)),
                          _mm256_set1_epi8(static_cast<char>(kSucetOd)),
                          _mm256_set1_epi8(static_cast<char>(kSucetDo)),
                          _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0,
                                           4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15),
                          _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7)};
    int x = 0;
    for (; x + 64 <= sirka; x += 64)
        bity[x / 64] = BlizkeSede32<kHore>(riadok + x, k) | BlizkeSede32<kHore>(riadok + x + 32, k)
                                                                << 32;
    if (x < sirka)
        bity[x / 64] = BlizkeSedeBity(riadok + x, sirka - x, v);
}

ZORNAVIT_CIEL_NOVE void MaskaBlizkejSedejAvx2(const COLORREF* riadok, int sirka, const Vzor& v,
                                              uint64_t* bity) {
    if (v.pridaj != 0)
        BlizkeSedeAvx2<true>(riadok, sirka, v, bity);
    else
        BlizkeSedeAvx2<false>(riadok, sirka, v, bity);
}

ZORNAVIT_CIEL_NOVE inline uint64_t Farebne8(const COLORREF* p, __m256i dolna, __m256i horna) {
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i mimo = _mm256_or_si256(_mm256_subs_epu8(c, horna), _mm256_subs_epu8(dolna, c));
    const __m256i dobre = _mm256_cmpeq_epi32(mimo, _mm256_setzero_si256());
    return static_cast<uint32_t>(_mm256_movemask_ps(_mm256_castsi256_ps(dobre)));
}

ZORNAVIT_CIEL_NOVE inline uint64_t Farebne32(const COLORREF* p, __m256i dolna, __m256i horna) {
    return Farebne8(p, dolna, horna) | Farebne8(p + 8, dolna, horna) << 8 |
           Farebne8(p + 16, dolna, horna) << 16 | Farebne8(p + 24, dolna, horna) << 24;
}

ZORNAVIT_CIEL_NOVE void MaskaFarbyAvx2(const COLORREF* riadok, int sirka, const Vzor& v,
                                       uint64_t* bity) {
    const __m256i dolna = _mm256_set1_epi32(static_cast<int>(v.dolna));
    const __m256i horna = _mm256_set1_epi32(static_cast<int>(v.horna));
    int x = 0;
    for (; x + 64 <= sirka; x += 64)
        bity[x / 64] =
            Farebne32(riadok + x, dolna, horna) | Farebne32(riadok + x + 32, dolna, horna) << 32;
    if (x < sirka)
        bity[x / 64] = FarebneBity(riadok + x, sirka - x, v);
}

// The row masks for these processors, by kind of test.
MaskaRiadkuFn MaskaNova(int druh) {
    static const MaskaRiadkuFn masky[] = {MaskaRiadkuAvx2, MaskaBlizkejSedejAvx2, MaskaFarbyAvx2};
    return masky[druh];
}
#endif

// The portable row masks, by kind of test: SSE2 where the processor has it.
MaskaRiadkuFn MaskaPrenosna(int druh) {
#if defined(ZORNAVIT_SSE2)
    static const MaskaRiadkuFn sse2[] = {MaskaRiadkuSse2, MaskaBlizkejSedejSse2, MaskaFarbySse2};
#endif
#if defined(ZORNAVIT_SSE2_PODLA_PROCESORA)
    static const MaskaRiadkuFn obycajne[] = {MaskaRiadku, MaskaBlizkejSedej, MaskaFarby};
    return __builtin_cpu_supports("sse2") ? sse2[druh] : obycajne[druh];
#elif defined(ZORNAVIT_SSE2)
    return sse2[druh];
#else
    static const MaskaRiadkuFn obycajne[] = {MaskaRiadku, MaskaBlizkejSedej, MaskaFarby};
    return obycajne[druh];
#endif
}

// The shade made ready for the masks. The band's exact greys keep the exact test, the fastest.
Vzor PripravVzor(const Odtien& o) {
    Vzor v = {};
    const int najviac = static_cast<int>(kNajvacsiaOdchylka);
    const int k = o.odchylka < 0 ? 0 : o.odchylka > najviac ? najviac : o.odchylka;
    v.odchylka = static_cast<uint8_t>(k);
    v.pasmo = static_cast<uint8_t>(o.stupen_sedi % 8u);
    const int uroven = 32 * v.pasmo;
    v.pridaj = static_cast<uint8_t>(uroven < kPosun ? kPosun - uroven : 0);
    v.uber = static_cast<uint8_t>(uroven < kPosun ? 0 : uroven - kPosun);
    v.sedy = static_cast<uint32_t>(uroven) << 16;
    v.druh = k == 0 ? kPresnaSeda : kBlizkaSeda;
    if ((o.farba >> 24) != 0)
        return v;
    v.druh = kBlizkaFarba;
    for (int i = 0; i < 24; i += 8) {
        const int c = static_cast<int>(o.farba >> i & 0xFF);
        v.dolna |= static_cast<uint32_t>(c - k < 0 ? 0 : c - k) << i;
        v.horna |= static_cast<uint32_t>(c + k > 255 ? 255 : c + k) << i;
    }
    return v;
}
