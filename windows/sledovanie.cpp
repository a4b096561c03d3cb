// The cursor-tracking readout strip at the bottom of the main window.
#include "base/stav.h"
#include "layout/rozlozenie.h"
#include "mouse/mys.h"
#include "windows/kreslenie.h"
#include "windows/mys_win.h"

#include <windows.h>

namespace {

const int VYSKA_PASIKA = 17;

void Udaj(HDC dc, const char* format, int hodnota, int x, int y, COLORREF farba) {
    SIZE rozmer;
    Napis(dc, &rozmer, format, hodnota, x, y, farba, -11, 0, 0, "Segoe UI");
}

// The colour comes from the live screen, so over this window it is what was last shown.
COLORREF FarbaObrazovky(POINT bod) {
    HDC obrazovka = GetDC(nullptr);
    const COLORREF farba = GetPixel(obrazovka, bod.x, bod.y);
    ReleaseDC(nullptr, obrazovka);
    return farba;
}

// The client rectangle in the face's 96-DPI units.
RECT KlientVJednotkach(HWND okno) {
    RECT klient;
    GetClientRect(okno, &klient);
    return RECT{Odskaluj(klient.left, dpi_okna), Odskaluj(klient.top, dpi_okna),
                Odskaluj(klient.right, dpi_okna), Odskaluj(klient.bottom, dpi_okna)};
}

} // namespace

void PohybMysiDesktop(HWND okno, HDC* dc) {
    const RECT klient = KlientVJednotkach(okno);
    POINT kurzor;
    GetCursorPos(&kurzor);
    const COLORREF farba = FarbaObrazovky(kurzor);
    UdajZobrazeny(kurzor, farba);
    HDC kam = *dc;
    Okienko(kam, RGB(145, 145, 145), RGB(170, 170, 170), 0, klient.left,
            klient.bottom - VYSKA_PASIKA, klient.right - klient.left, VYSKA_PASIKA);
    const int y = klient.bottom - 15;
    Udaj(kam, "x=%d", kurzor.x, klient.left + 10, y, RGB(255, 255, 0));
    Udaj(kam, "y=%d", kurzor.y, klient.left + 50, y, RGB(0, 250, 250));
    Udaj(kam, "R=%d", GetRValue(farba), klient.right - 114, y, RGB(255, 0, 0));
    Udaj(kam, "G=%d", GetGValue(farba), klient.right - 77, y, RGB(0, 255, 0));
    Udaj(kam, "B=%d", GetBValue(farba), klient.right - 38, y, RGB(0, 0, 255));
}
