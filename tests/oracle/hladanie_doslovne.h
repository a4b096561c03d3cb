// The plain point-list search, kept as the reference that the fast search must agree with.
#pragma once

#include "app/wintypy.h"

// Same arguments and results as HladajObjekty.
int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                          RECT* boxy, int kapacita);
