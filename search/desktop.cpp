// The desktop size off Windows: set by the caller (the finder, the tests), 0 x 0 until then.
#include "search/hladanie.h"

namespace {
int g_sirkaDesktopu = 0;
int g_vyskaDesktopu = 0;
} // namespace

void NastavVelkostDesktopu(int sirka, int vyska) {
    g_sirkaDesktopu = sirka;
    g_vyskaDesktopu = vyska;
}

void VelkostDesktopu(int* sirka, int* vyska) {
    *sirka = g_sirkaDesktopu;
    *vyska = g_vyskaDesktopu;
}
