// The batch search's screen: one copy of the whole virtual screen, searched within the given
// rectangle.
#include <windows.h>

#include <algorithm>

#include "app/stav.h"
#include "search/hladanie.h"

int HladajNaObrazovke(RECT oblast, unsigned stupen_sedi, int min_velkost, int percento_vyplne,
                      DWORD spajanie) {
    const POINT pociatok = {GetSystemMetrics(SM_XVIRTUALSCREEN),
                            GetSystemMetrics(SM_YVIRTUALSCREEN)};
    const int sirka = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int vyska = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const RECT obrazovka = {pociatok.x, pociatok.y, pociatok.x + sirka - 1, pociatok.y + vyska - 1};
    COLORREF* farby = SnimkaObrazovky(sirka, vyska, pociatok.x, pociatok.y);
    if (farby == nullptr)
        return -1;
    RECT monitory[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    ZakryMimoMonitorov(farby, sirka, vyska, pociatok, monitory,
                       Monitory(monitory, pracovne, kNajviacMonitorov));
    // The results grow eightfold while a search fills them, as the window's search grows them.
    const long long strop = std::max(NajviacObjektov(sirka, vyska), 1LL);
    long long kapacita = 0;
    for (;;) {
        if (!RezervujVysledky(static_cast<int>(std::min(kapacita, strop))))
            return -1;
        kapacita = std::min(poloziek_dskt_point_pola, poloziek_dskt_rect_pola);
        const int pocet =
            HladajVOblasti(farby, obrazovka, oblast, stupen_sedi, min_velkost, percento_vyplne,
                           spajanie, centers, objekty, static_cast<int>(kapacita));
        if (pocet < kapacita || kapacita >= strop)
            return pocet;
        kapacita *= 8;
    }
}
