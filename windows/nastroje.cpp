// Cursor probes and synthetic left clicks.
#include <windows.h>

#include "windows/mys_win.h"

namespace {

// Set the cursor, press and release the left button, each followed by 20 ms.
void KlikovaSekvencia(int x, int y) {
    SetCursorPos(x, y);
    Sleep(20);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(20);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(20);
}

} // namespace

POINT PolohaMysiDesktop(HWND) {
    POINT poloha = {};
    GetCursorPos(&poloha);
    return poloha;
}

int AktivitaMysi(HWND) {
    // The first call has nothing to compare with and reports no movement.
    static POINT predosla = {};
    static int mame_predoslu = 0;
    POINT poloha = {};
    GetCursorPos(&poloha);
    const int pohyb = mame_predoslu && (poloha.x != predosla.x || poloha.y != predosla.y);
    predosla = poloha;
    mame_predoslu = 1;
    return pohyb;
}

COLORREF FarbaMysiDesktop() {
    POINT poloha = {};
    GetCursorPos(&poloha);
    HDC obrazovka = GetDC(nullptr);
    const COLORREF farba = GetPixel(obrazovka, poloha.x, poloha.y);
    ReleaseDC(nullptr, obrazovka);
    return farba;
}

void KlikMysou(int x, int y) {
    KlikovaSekvencia(x, y);
}

void KlikanieMysou(int pocet, int x, int y) {
    for (int i = 0; i < pocet; ++i)
        KlikovaSekvencia(x, y);
}
