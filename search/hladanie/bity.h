// A part of hladanie.cpp, included there once inside its unnamed namespace: bit helpers: lowest and
// highest bits, the columns of a row's mask, live runs read off the bits.
#pragma once

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
