// The search over one rectangle of a screen copy, with the results in screen coordinates.
#include "search/hladanie.h"

#include <algorithm>
#include <cstddef>

int HladajVOblasti(const COLORREF* farby, RECT obrazovka, RECT oblast, unsigned stupen_sedi,
                   int min_velkost, int percento_vyplne, DWORD spajanie, POINT* stredy, RECT* boxy,
                   int kapacita) {
    const LONG lavy = std::max(oblast.left, obrazovka.left);
    const LONG horny = std::max(oblast.top, obrazovka.top);
    const LONG pravy = std::min(oblast.right, obrazovka.right);
    const LONG dolny = std::min(oblast.bottom, obrazovka.bottom);
    if (farby == nullptr || lavy > pravy || horny > dolny)
        return 0;
    const int krok = obrazovka.right - obrazovka.left + 1;
    const COLORREF* roh = farby + static_cast<size_t>(horny - obrazovka.top) * krok +
                          static_cast<size_t>(lavy - obrazovka.left);
    const RECT nic = {1, 1, 0, 0};
    const int pocet =
        HladajObjekty(roh, krok, pravy - lavy + 1, dolny - horny + 1, nic, stupen_sedi, min_velkost,
                      percento_vyplne, static_cast<int>(spajanie), stredy, boxy, kapacita);
    for (int k = 0; k < pocet; ++k) {
        RECT& b = boxy[k];
        b = RECT{b.left + lavy, b.top + horny, b.right + lavy, b.bottom + horny};
        // Halved in screen coordinates: left of the origin that truncates toward zero.
        stredy[k] = POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
    return pocet;
}
