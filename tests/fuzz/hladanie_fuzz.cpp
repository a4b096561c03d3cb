// libFuzzer target: the fast and the plain search agree on the screen the fuzzer's bytes describe.
#include "tests/search/porovnanie.h"

// The bytes: the settings and the shade, the grouping (5: by rows), then four pixels a byte, each
// white, a colour of the shade, or one of two more of it, near it or of others.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_bajty = data;
    g_precitane = 0;
    g_bajtov = size;
    const Odtien odtien = NahodnyOdtien();
    const int velkost = N(0, 15), percento = N(0, 100), kapacita = N(0, 3) ? 64 : N(0, 3);
    const int spajania[] = {0, 4, 8, 5}, spajanie = spajania[N(0, 3)];
    Obrazovka o = {N(1, 140), N(1, 40), 0, {}}; // past two of the masks' 64-pixel words
    o.krok = o.sirka + N(0, 2);
    const COLORREF paleta[] = {0xFFFFFF, Blizka(odtien), Farba(odtien), Farba(odtien)};
    const RECT okno = N(0, 1) ? NahodneOkno(o, false) : RECT{-100, -100, -100, -100};
    o.farby.assign(static_cast<size_t>(o.krok) * o.vyska, paleta[1]); // the stride's spare columns
    int bajt = 0;
    for (int i = 0; i < o.sirka * o.vyska; i++) {
        if (i % 4 == 0)
            bajt = N(0, 255);
        o.farby[i / o.sirka * o.krok + i % o.sirka] = paleta[bajt >> 2 * (i % 4) & 3];
    }
    if (!Nezhoda(o, okno, odtien, velkost, percento, kapacita, {spajanie}).empty())
        __builtin_trap();
    return 0;
}
