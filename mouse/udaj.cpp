// What the readout strip showed last, so that the timer repaints only when it would show more, and
// how often the timer looks.
#include "app/stav.h"
#include "mouse/mys.h"

namespace {
// Ticks without a change after which the readout looks less often, and how much less.
const int kTikovPokoja = 50;
const int kPomalsie = 10;
} // namespace

int UdajSaZmenil(POINT kurzor, COLORREF farba, int nad_oknom) {
    static POINT bol = {};
    static COLORREF bola = 0;
    static int mame = 0;
    const int zmena =
        !mame || kurzor.x != bol.x || kurzor.y != bol.y || (farba != bola && !nad_oknom);
    bol = kurzor;
    bola = farba;
    mame = 1;
    return zmena;
}

int NovaPeriodaUdaja(int zmena) {
    static int pokoj = 0;
    const int predtym = pokoj;
    pokoj = zmena ? 0 : pokoj + 1;
    if (pokoj == kTikovPokoja)
        return kPomalsie * g_cas_timera;
    if (pokoj == 0 && predtym >= kTikovPokoja)
        return g_cas_timera;
    return 0;
}
