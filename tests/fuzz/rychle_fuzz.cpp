// libFuzzer target: the fast search and the plain one must agree on every small image, in every
// grouping.
#include "search/hladanie.h"
#include "tests/oracle/hladanie_doslovne.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Reads the fuzz bytes in order; past the end every byte reads as 0.
struct Citac {
    const uint8_t* data;
    size_t velkost;
    size_t poloha;
};

uint8_t Bajt(Citac& c) {
    return c.poloha < c.velkost ? c.data[c.poloha++] : 0;
}

// A window coordinate: mostly near the image, sometimes at an extreme.
LONG Suradnica(Citac& c, int rozmer) {
    uint8_t b = Bajt(c);
    if (b == 255)
        return INT_MAX;
    if (b == 254)
        return INT_MIN;
    return static_cast<LONG>(b % (rozmer + 12)) - 6;
}

unsigned Pasmo(uint8_t b) {
    if (b < 200)
        return b % 8u;
    if (b < 230)
        return b;
    return 0xFFFFFFFFu - (b & 7u);
}

// The third and fourth colours of the palette: another grey of the band, or something close to a
// grey of the band that must not count.
COLORREF Farba(uint8_t druh, uint8_t uroven, unsigned pasmo) {
    COLORREF seda = (32u * (pasmo % 8u) + (uroven & 31u)) * 0x010101u;
    switch (druh % 6) {
    case 0:
    case 1:
        return seda;
    case 2:
        return seda | (static_cast<COLORREF>(uroven | 1u) << 24);
    case 3:
        return seda ^ (1u << (uroven % 24));
    case 4:
        return (32u * ((pasmo + 1u + uroven % 7u) % 8u)) * 0x010101u;
    default:
        return 0xFFFFFFu;
    }
}

void Porovnaj(const std::vector<COLORREF>& farby, int krok, int sirka, int vyska, RECT okno,
              unsigned pasmo, int minVelkost, int percento, int spajanie, int kapacita) {
    const int rezerva = 2;
    std::vector<POINT> sd(static_cast<size_t>(kapacita) + rezerva, POINT{7, 7});
    std::vector<RECT> bd(static_cast<size_t>(kapacita) + rezerva, RECT{7, 7, 7, 7});
    std::vector<POINT> sr(sd);
    std::vector<RECT> br(bd);
    int d = HladajObjektyDoslovne(farby.data(), krok, sirka, vyska, okno, pasmo, minVelkost,
                                  percento, spajanie, sd.data(), bd.data(), kapacita);
    int r = HladajObjekty(farby.data(), krok, sirka, vyska, okno, pasmo, minVelkost, percento,
                          spajanie, sr.data(), br.data(), kapacita);
    if (d != r || std::memcmp(sd.data(), sr.data(), sd.size() * sizeof(POINT)) != 0 ||
        std::memcmp(bd.data(), br.data(), bd.size() * sizeof(RECT)) != 0)
        __builtin_trap();
    for (size_t i = static_cast<size_t>(kapacita); i < sr.size(); i++)
        if (sr[i].x != 7 || br[i].left != 7)
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Citac c = {data, size, 0};
    int sirka = Bajt(c) % 48 + 1;
    int vyska = Bajt(c) % 48 + 1;
    int krok = sirka + Bajt(c) % 3;
    unsigned pasmo = Pasmo(Bajt(c));
    int minVelkost = Bajt(c) % 16;
    int percento = Bajt(c) % 101;
    uint8_t k = Bajt(c);
    int kapacita = k < 16 ? k % 4 : 64;
    const int spajania[4] = {0, 4, 8, 5}; // 5: any other value groups by rows
    int spajanie = spajania[Bajt(c) & 3];
    RECT okno = {-100, -100, -100, -100};
    if (Bajt(c) & 1) {
        okno.left = Suradnica(c, sirka);
        okno.top = Suradnica(c, vyska);
        okno.right = Suradnica(c, sirka);
        okno.bottom = Suradnica(c, vyska);
    }
    uint8_t d1 = Bajt(c), u1 = Bajt(c), d2 = Bajt(c), u2 = Bajt(c);
    const COLORREF paleta[4] = {0xFFFFFFu, (32u * (pasmo % 8u)) * 0x010101u, Farba(d1, u1, pasmo),
                                Farba(d2, u2, pasmo)};
    // Spare columns of the stride are band grey, so reading past the width changes results.
    std::vector<COLORREF> farby(static_cast<size_t>(krok) * vyska, paleta[1]);
    int bitov = 0;
    uint8_t zasoba = 0;
    for (int y = 0; y < vyska; y++)
        for (int x = 0; x < sirka; x++) {
            if (bitov == 0) {
                zasoba = Bajt(c);
                bitov = 8;
            }
            farby[static_cast<size_t>(y) * krok + x] = paleta[zasoba & 3];
            zasoba >>= 2;
            bitov -= 2;
        }
    Porovnaj(farby, krok, sirka, vyska, okno, pasmo, minVelkost, percento, spajanie, kapacita);
    return 0;
}
