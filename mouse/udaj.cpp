// What the readout strip showed last, so that the timer repaints only when it would show more, and
// how often the timer looks.
#include "base/stav.h"
#include "mouse/mys.h"

namespace {
// Ticks without a change after which the readout looks less often, and how much less.
const int kTikovPokoja = 50;
const int kPomalsie = 10;

// What the strip shows, recorded by its painter: a tick that read the cursor just before it moved
// again must not leave the strip showing a position the cursor has since left.
POINT bol = {};
COLORREF bola = 0;
int mame = 0;

} // namespace

void UdajZobrazeny(POINT kurzor, COLORREF farba) {
    bol = kurzor;
    bola = farba;
    mame = 1;
}

int UdajSaZmenil(POINT kurzor, COLORREF farba, int nad_oknom) {
    return !mame || kurzor.x != bol.x || kurzor.y != bol.y || (farba != bola && !nad_oknom);
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
