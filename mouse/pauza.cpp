// The pause counter of the mouse toolbox: a running sum of steps against a target.
#include "base/stav.h"
#include "mouse/mys.h"

int pauza(int krok) {
    g_timer_pocet += krok;
    return g_timer_pocet == g_timer_pocitadlo || krok == 0;
}

void pauza_reset() {
    if (g_timer_pocet <= g_timer_pocitadlo)
        g_timer_pocitadlo = 0;
    g_timer_pocet = 0;
}
