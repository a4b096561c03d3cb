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
    const int kapacita = std::min(poloziek_dskt_point_pola, poloziek_dskt_rect_pola);
    return HladajVOblasti(farby, obrazovka, oblast, stupen_sedi, min_velkost, percento_vyplne,
                          spajanie, centers, objekty, kapacita);
}
