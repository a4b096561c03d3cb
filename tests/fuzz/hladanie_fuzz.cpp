// libFuzzer target: the two searches agree on the screen the bytes describe: settings, grouping
// (5: by rows), then four pixels a byte of white, a band grey, two colours near it or of others.
#include "tests/fast/porovnanie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_bajty = data, g_zostava = size;
    const unsigned pasmo = NahodnePasmo();
    const int velkost = N(0, 15), percento = N(0, 100), kapacita = N(0, 3) ? 64 : N(0, 3);
    const int spajania[] = {0, 4, 8, 5}, spajanie = spajania[N(0, 3)];
    Obrazovka o = {N(1, 48), N(1, 48), 0, {}};
    o.krok = o.sirka + N(0, 2);
    const COLORREF paleta[] = {0xFFFFFF, Seda(pasmo), Farba(pasmo), Farba(pasmo)};
    const RECT okno = N(0, 1) ? NahodneOkno(o, false) : RECT{-100, -100, -100, -100};
    o.farby.assign(static_cast<size_t>(o.krok) * o.vyska, paleta[1]); // the stride's spare columns
    for (int i = 0, bajt = 0; i < o.sirka * o.vyska; i++, bajt >>= 2)
        o.farby[i / o.sirka * o.krok + i % o.sirka] = paleta[(i % 4 ? bajt : bajt = N(0, 255)) & 3];
    if (!Zhoda(o, okno, pasmo, velkost, percento, kapacita, {spajanie}))
        __builtin_trap();
    return 0;
}
