// The plain point-list search, kept as the reference that the fast search must agree with.
#pragma once

#include "base/wintypy.h"

// Same arguments and results as HladajObjekty; the touching modes are a plain flood fill.
int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie,
                          POINT* stredy, RECT* boxy, int kapacita);
