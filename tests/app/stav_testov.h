// Puts the application state back to its start values between tests.
#pragma once

#include "app/stav.h"

inline void ObnovStav() {
    stupne_sedi = 0, VelkostObjektu = 20, percento_vyplne = 70, volba = 1, sledovanie_kurzora = 0;
    spajanie = 0;
    g_dwWindowPos = g_dwWindowSize = g_dwWindowShow = 0;
    PocetObjektov = cislo_objektu = status = g_timer_pocet = g_timer_pocitadlo = 0;
    vypinac_TAB = 1;
}
