// The fast object search, same arguments and results as HladajObjekty.
#pragma once

#include "app/wintypy.h"

int HladajObjektyRychlo(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                        unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                        RECT* boxy, int kapacita);
