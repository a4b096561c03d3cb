// The plain point-list search, kept as the reference that the fast search must agree with.
#pragma once

#include "search/hladanie.h"

// Same arguments and results as HladajObjekty; the touching modes are a plain flood fill.
int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          Odtien odtien, int min_velkost, int percento_vyplne, int spajanie,
                          POINT* stredy, RECT* boxy, int kapacita);
