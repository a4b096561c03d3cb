// The desktop size and the monitors on Windows: the desktop window's client rectangle (the primary
// monitor) and every monitor of the virtual screen.
#include <windows.h>

#include "search/desktop.h"
#include "windows/hladanie_win.h"

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

void ObnovDesktop() {
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    NastavVelkostDesktopu(desktop.right - desktop.left, desktop.bottom - desktop.top);
    RECT plochy[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    ZoznamMonitorov zoznam = {plochy, pracovne, kNajviacMonitorov, 0};
    EnumDisplayMonitors(nullptr, nullptr, PridajMonitor, reinterpret_cast<LPARAM>(&zoznam));
    NastavMonitory(plochy, pracovne, zoznam.pocet);
}
