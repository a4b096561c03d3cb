// The reference for the fast search: the program's plain search.
#include "tests/oracle/hladanie_doslovne.h"

#include "search/hladanie.h"

int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                          RECT* boxy, int kapacita) {
    return HladajObjekty(farby, krok, sirka, vyska, okno, stupen_sedi, min_velkost, percento_vyplne,
                         stredy, boxy, kapacita);
}
