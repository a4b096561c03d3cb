// The search over a copy of the whole virtual screen: pixels on no monitor painted out, the results
// in screen coordinates.
#include "search/hladanie.h"

#include "app/stav.h"

#include <cstddef>

namespace {

// RGB(0, 0, 1): no grey, so such a pixel never joins an object, whatever the band.
const COLORREF kMimoMonitorov = 0x010000u;

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

int HladajNaVirtualnejObrazovke(COLORREF* farby, int sirka, int vyska, POINT pociatok,
                                const RECT* monitory, int pocet_monitorov, RECT okno,
                                unsigned stupen_sedi, int min_velkost, int percento_vyplne,
                                int spajanie) {
    ZakryMimoMonitorov(farby, sirka, vyska, pociatok, monitory, pocet_monitorov);
    const RECT v_tabulke = {okno.left - pociatok.x, okno.top - pociatok.y, okno.right - pociatok.x,
                            okno.bottom - pociatok.y};
    const int pocet = HladajDoVysledkov(farby, sirka, vyska, v_tabulke, stupen_sedi, min_velkost,
                                        percento_vyplne, spajanie);
    // The centre is the middle of the box in screen coordinates, truncated toward zero there.
    for (int k = 0; k < pocet; ++k) {
        RECT& b = objekty[k];
        b = {b.left + pociatok.x, b.top + pociatok.y, b.right + pociatok.x, b.bottom + pociatok.y};
        centers[k] = {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
    return pocet;
}
