// The cursor-tracking readout strip at the bottom of the main window.
#include "base/stav.h"
#include "layout/rozlozenie.h"
#include "mouse/mys.h"
#include "windows/kreslenie.h"
#include "windows/mys_win.h"

#include <windows.h>

namespace {

const int VYSKA_PASIKA = 17;
const int VRCH_TEXTU = 15; // the texts' top, above the client's bottom
const char* const PISMO_UDAJA = "Segoe UI";
const COLORREF FARBY_UDAJOV[POCET_UDAJOV] = {RGB(255, 255, 0), RGB(0, 250, 250), RGB(255, 0, 0),
                                             RGB(0, 255, 0), RGB(0, 0, 255)};

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

int SirkaUdaja(const char* text, int vyska, void* dc) {
    return RozmerTextu(*static_cast<HDC*>(dc), text, -vyska, PISMO_UDAJA).cx;
}

// The texts are laid out by their widths at the window's DPI: a face wider than the one the
// places were made for, or five-digit coordinates left of the primary monitor, push them apart.
void Udaje(HDC dc, const RECT& klient, POINT kurzor, COLORREF farba) {
    char texty[POCET_UDAJOV][NAPIS_BUFFER];
    FormatujNapis(texty[0], "x=%d", kurzor.x);
    FormatujNapis(texty[1], "y=%d", kurzor.y);
    FormatujNapis(texty[2], "R=%d", GetRValue(farba));
    FormatujNapis(texty[3], "G=%d", GetGValue(farba));
    FormatujNapis(texty[4], "B=%d", GetBValue(farba));
    const char* const zoznam[POCET_UDAJOV] = {texty[0], texty[1], texty[2], texty[3], texty[4]};
    int polohy[POCET_UDAJOV];
    const int vyska =
        RozlozUdaj(zoznam, klient.left, klient.right, dpi_okna, SirkaUdaja, &dc, polohy);
    // A smaller font keeps the middle of the full one's line.
    const int y =
        Skaluj(klient.bottom - VRCH_TEXTU, dpi_okna) + (Skaluj(VYSKA_UDAJA, dpi_okna) - vyska) / 2;
    for (int i = 0; i < POCET_UDAJOV; ++i)
        NapisVBodoch(dc, texty[i], polohy[i], y, FARBY_UDAJOV[i], PISMO_UDAJA, -vyska);
}

} // namespace

void PohybMysiDesktop(HWND okno, HDC* dc) {
    const RECT klient = KlientVJednotkach(okno);
    POINT kurzor;
    GetCursorPos(&kurzor);
    const COLORREF farba = FarbaObrazovky(kurzor);
    UdajZobrazeny(kurzor, farba);
    Okienko(*dc, RGB(145, 145, 145), RGB(170, 170, 170), 0, klient.left,
            klient.bottom - VYSKA_PASIKA, klient.right - klient.left, VYSKA_PASIKA);
    Udaje(*dc, klient, kurzor, farba);
}
