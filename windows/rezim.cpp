// The main window's two modes: topmost with the readout and its timer, or ordinary without them.
#include <windows.h>

#include "base/stav.h"
#include "mouse/mys.h"
#include "windows/okno.h"
#include "windows/res/resource.h"

void CasovacUdaja(HWND okno, DWORD sledovanie) {
    if (sledovanie == 1) {
        // Starting afresh counts as a change: the ticks begin fast, whatever came before.
        NovaPeriodaUdaja(1);
        SetTimer(okno, IDT_UDAJ, static_cast<UINT>(g_cas_timera), nullptr);
    } else {
        KillTimer(okno, IDT_UDAJ);
    }
}

void RezimOkna(HWND okno, DWORD sledovanie) {
    const DWORD styl = sledovanie == 1 ? WS_VISIBLE | WS_CAPTION | WS_SYSMENU
                                       : WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const SIZE velkost = VelkostOkna(styl, sledovanie);
    RECT pred;
    GetWindowRect(okno, &pred);
    SetWindowPos(okno, sledovanie == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, velkost.cx,
                 velkost.cy, SWP_NOMOVE);
    SetWindowLongPtrA(okno, GWL_STYLE, styl);
    // A style change alone leaves the old caption buttons on screen.
    SetWindowPos(okno, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    DorovnajKlienta(okno, sledovanie);
    DrzNaPlochu(okno, pred, sledovanie == 1);
    CasovacUdaja(okno, sledovanie);
}
