// The desktop size and the monitors on Windows: the desktop window's client rectangle (the primary
// monitor) and every monitor of the virtual screen.
#include <windows.h>

#include "search/hladanie.h"

namespace {

struct ZoznamMonitorov {
    RECT* plochy;
    RECT* pracovne;
    int najviac;
    int pocet;
};

BOOL CALLBACK PridajMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    ZoznamMonitorov* zoznam = reinterpret_cast<ZoznamMonitorov*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (zoznam->pocet < zoznam->najviac && GetMonitorInfoA(monitor, &info)) {
        zoznam->plochy[zoznam->pocet] = info.rcMonitor;
        zoznam->pracovne[zoznam->pocet] = info.rcWork;
        ++zoznam->pocet;
    }
    return TRUE;
}

} // namespace

void VelkostDesktopu(int* sirka, int* vyska) {
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    *sirka = desktop.right - desktop.left;
    *vyska = desktop.bottom - desktop.top;
}

int Monitory(RECT* plochy, RECT* pracovne, int najviac) {
    ZoznamMonitorov zoznam = {plochy, pracovne, najviac, 0};
    EnumDisplayMonitors(nullptr, nullptr, PridajMonitor, reinterpret_cast<LPARAM>(&zoznam));
    return zoznam.pocet;
}
