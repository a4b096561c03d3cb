// libFuzzer target: the fast search and the plain one must agree on every small image.
#include "search/hladanie.h"
#include "tests/oracle/hladanie_doslovne.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

const uint8_t* g_data;
size_t g_zostava;

// The fuzz bytes in order; past the end every byte reads as 0.
uint8_t B() {
    return g_zostava > 0 ? (--g_zostava, *g_data++) : 0;
}

// A window coordinate: mostly near the image, sometimes at an extreme.
LONG Suradnica(int rozmer) {
    const uint8_t b = B();
    return b == 255 ? INT_MAX : b == 254 ? INT_MIN : static_cast<LONG>(b % (rozmer + 12)) - 6;
}

// Another grey of the band, or something close to one that must not count.
COLORREF Farba(unsigned pasmo) {
    const uint8_t druh = B(), u = B();
    const COLORREF seda = (32u * (pasmo % 8u) + (u & 31u)) * 0x010101u;
    const COLORREF farby[] = {seda, seda | static_cast<COLORREF>(u | 1u) << 24,
                              seda ^ (1u << (u % 24)),
                              (32u * ((pasmo + 1u + u % 7u) % 8u)) * 0x010101u, 0xFFFFFFu};
    return farby[druh % 5];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_data = data;
    g_zostava = size;
    const int sirka = B() % 48 + 1, vyska = B() % 48 + 1, krok = sirka + B() % 3;
    const uint8_t p = B();
    const unsigned pasmo = p < 200 ? p % 8u : p < 230 ? p : 0xFFFFFFFFu - (p & 7u);
    const int minVelkost = B() % 16, percento = B() % 101, k = B(), kapacita = k < 16 ? k % 4 : 64;
    RECT okno = {-100, -100, -100, -100};
    if (B() & 1)
        okno = {Suradnica(sirka), Suradnica(vyska), Suradnica(sirka), Suradnica(vyska)};
    const COLORREF paleta[4] = {0xFFFFFFu, (32u * (pasmo % 8u)) * 0x010101u, Farba(pasmo),
                                Farba(pasmo)};
    // Spare columns of the stride are band grey, so reading past the width changes results.
    std::vector<COLORREF> farby(static_cast<size_t>(krok) * vyska, paleta[1]);
    for (int i = 0; i < sirka * vyska; i += 4)
        for (int j = i, bajt = B(); j < i + 4 && j < sirka * vyska; j++, bajt >>= 2)
            farby[static_cast<size_t>(j / sirka) * krok + j % sirka] = paleta[bajt & 3];
    std::vector<POINT> s[2];
    std::vector<RECT> b[2];
    int n[2];
    for (int i = 0; i < 2; i++) {
        s[i].assign(kapacita + 2, POINT{7, 7});
        b[i].assign(kapacita + 2, RECT{7, 7, 7, 7});
        n[i] = (i ? HladajObjekty : HladajObjektyDoslovne)(farby.data(), krok, sirka, vyska, okno,
                                                           pasmo, minVelkost, percento, s[i].data(),
                                                           b[i].data(), kapacita);
    }
    if (n[0] != n[1] || memcmp(s[0].data(), s[1].data(), s[0].size() * sizeof(POINT)) != 0 ||
        memcmp(b[0].data(), b[1].data(), b[0].size() * sizeof(RECT)) != 0 || s[1][kapacita].x != 7)
        __builtin_trap();
    return 0;
}
