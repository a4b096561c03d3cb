// The search over a copy of the virtual screen: pixels on no monitor painted out, one rectangle of
// it searched, the results in screen coordinates.
#include "base/stav.h"
#include "search/hladanie.h"

#include <algorithm>
#include <cstddef>

namespace {

// No colour at all, so such a pixel never joins an object, whatever the shade searched.
const COLORREF kMimoMonitorov = kBezFarby;

// The monitor holding screen point (x, y), or null.
const RECT* MonitorBodu(int x, int y, const RECT* monitory, int pocet) {
    for (int i = 0; i < pocet; ++i)
        if (x >= monitory[i].left && x < monitory[i].right && y >= monitory[i].top &&
            y < monitory[i].bottom)
            return &monitory[i];
    return nullptr;
}

} // namespace

void ZakryMimoMonitorov(COLORREF* farby, int sirka, int vyska, POINT pociatok, const RECT* monitory,
                        int pocet) {
    if (pocet <= 0)
        return;
    for (int y = 0; y < vyska; ++y) {
        COLORREF* riadok = farby + static_cast<size_t>(y) * static_cast<size_t>(sirka);
        for (int x = 0; x < sirka;) {
            const RECT* m = MonitorBodu(pociatok.x + x, pociatok.y + y, monitory, pocet);
            if (m != nullptr) {
                x = m->right - pociatok.x;
                continue;
            }
            riadok[x++] = kMimoMonitorov;
        }
    }
}

int HladajVOblasti(const COLORREF* farby, RECT obrazovka, RECT oblast, RECT okno, Odtien odtien,
                   int min_velkost, int percento_vyplne, int spajanie) {
    const LONG lavy = std::max(oblast.left, obrazovka.left);
    const LONG horny = std::max(oblast.top, obrazovka.top);
    const LONG pravy = std::min(oblast.right, obrazovka.right);
    const LONG dolny = std::min(oblast.bottom, obrazovka.bottom);
    if (farby == nullptr || lavy > pravy || horny > dolny)
        return 0;
    const int krok = obrazovka.right - obrazovka.left + 1;
    const COLORREF* roh = farby + static_cast<size_t>(horny - obrazovka.top) * krok +
                          static_cast<size_t>(lavy - obrazovka.left);
    const RECT v_tabulke = {okno.left - lavy, okno.top - horny, okno.right - lavy,
                            okno.bottom - horny};
    const int pocet = HladajDoVysledkov(roh, krok, pravy - lavy + 1, dolny - horny + 1, v_tabulke,
                                        odtien, min_velkost, percento_vyplne, spajanie);
    for (int k = 0; k < pocet; ++k) {
        RECT& b = objekty[k];
        b = RECT{b.left + lavy, b.top + horny, b.right + lavy, b.bottom + horny};
        // Halved in screen coordinates: left of the origin that truncates toward zero.
        centers[k] = POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
    return pocet;
}
