// The batch search's screen: one copy of the whole screen, searched within the given rectangle.
#include <windows.h>

#include <algorithm>

#include "app/stav.h"
#include "search/hladanie.h"

int HladajNaObrazovke(RECT oblast, unsigned stupen_sedi, int min_velkost, int percento_vyplne,
                      DWORD spajanie) {
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    const RECT obrazovka = {0, 0, sirka - 1, vyska - 1};
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    if (farby == nullptr)
        return -1;
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
