// Cursor probes and synthetic clicks.
#include <windows.h>

#include "mouse/mys.h"
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

const int kNajdlhsieCakanie = 1000; // ms for the modifiers to be released
const int kKrokCakania = 10;        // ms

bool Drzany(int klaves) {
    return (GetAsyncKeyState(klaves) & 0x8000) != 0;
}

// Until Ctrl, Alt and Shift are released, or a second has gone.
void PockajNaPustenie() {
    for (int cas = 0; cas < kNajdlhsieCakanie; cas += kKrokCakania) {
        if (!Drzany(VK_CONTROL) && !Drzany(VK_MENU) && !Drzany(VK_SHIFT))
            return;
        Sleep(kKrokCakania);
    }
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

void KlikZKlavesnice(POINT ciel, int pravy, int pocet) {
    PockajNaPustenie();
    const DWORD kde = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    const DWORD dole = pravy ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD hore = pravy ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    const DWORD udalosti[5] = {MOUSEEVENTF_MOVE, dole, hore, dole, hore};
    const UINT n = pocet == 2 ? 5 : 3;
    INPUT vstupy[5] = {};
    for (UINT i = 0; i < n; i++) {
        vstupy[i].type = INPUT_MOUSE;
        vstupy[i].mi.dx = AbsolutnaSuradnica(ciel.x, GetSystemMetrics(SM_XVIRTUALSCREEN),
                                             GetSystemMetrics(SM_CXVIRTUALSCREEN));
        vstupy[i].mi.dy = AbsolutnaSuradnica(ciel.y, GetSystemMetrics(SM_YVIRTUALSCREEN),
                                             GetSystemMetrics(SM_CYVIRTUALSCREEN));
        vstupy[i].mi.dwFlags = udalosti[i] | kde;
    }
    SendInput(n, vstupy, sizeof(INPUT));
}
