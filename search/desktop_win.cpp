// The desktop size on Windows: the desktop window's client rectangle.
#include <windows.h>

#include "search/hladanie.h"

void VelkostDesktopu(int* sirka, int* vyska) {
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    *sirka = desktop.right - desktop.left;
    *vyska = desktop.bottom - desktop.top;
}
