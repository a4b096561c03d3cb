// The desktop size and the monitors, as last set: by the program from Windows, by the finder and
// the tests from their screens; 0 x 0 and one monitor of the desktop's size until then.
#include "search/desktop.h"

#include <algorithm>

namespace {
int g_sirkaDesktopu = 0;
int g_vyskaDesktopu = 0;
RECT g_plochy[kNajviacMonitorov] = {};
RECT g_pracovne[kNajviacMonitorov] = {};
int g_pocetMonitorov = 0;
} // namespace

void NastavVelkostDesktopu(int sirka, int vyska) {
    g_sirkaDesktopu = sirka;
    g_vyskaDesktopu = vyska;
}

void VelkostDesktopu(int* sirka, int* vyska) {
    *sirka = g_sirkaDesktopu;
    *vyska = g_vyskaDesktopu;
}

void NastavMonitory(const RECT* plochy, const RECT* pracovne, int pocet) {
    g_pocetMonitorov = std::min(pocet, kNajviacMonitorov);
    std::copy(plochy, plochy + g_pocetMonitorov, g_plochy);
    std::copy(pracovne, pracovne + g_pocetMonitorov, g_pracovne);
}

int Monitory(RECT* plochy, RECT* pracovne, int najviac) {
    if (g_pocetMonitorov == 0) {
        const RECT desktop = {0, 0, g_sirkaDesktopu, g_vyskaDesktopu};
        if (najviac < 1)
            return 0;
        plochy[0] = pracovne[0] = desktop;
        return 1;
    }
    const int pocet = std::min(najviac, g_pocetMonitorov);
    std::copy(g_plochy, g_plochy + pocet, plochy);
    std::copy(g_pracovne, g_pracovne + pocet, pracovne);
    return pocet;
}

bool MonitorPodlaCisla(int cislo, RECT* oblast) {
    RECT plochy[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    const int pocet = Monitory(plochy, pracovne, kNajviacMonitorov);
    if (cislo < 1 || cislo > pocet)
        return false;
    const RECT* hlavny = std::find_if(plochy, plochy + pocet,
                                      [](const RECT& r) { return r.left == 0 && r.top == 0; });
    // The primary moves to the front; the others keep their order behind it.
    if (hlavny != plochy + pocet)
        std::rotate(plochy, plochy + (hlavny - plochy), plochy + (hlavny - plochy) + 1);
    const RECT& m = plochy[cislo - 1];
    *oblast = {m.left, m.top, m.right - 1, m.bottom - 1};
    return true;
}
