// The outlines of the objects found, with their TAB numbers, painted for the window over the
// screen.
#include "base/stav.h"
#include "layout/rozlozenie.h"
#include "windows/kreslenie.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

const COLORREF OBRYS_FARBA = RGB(255, 0, 128);
const COLORREF CISLO_FARBA = RGB(255, 255, 255);

// Two rings: on the box's edge pixels and one pixel outside, so the outline shows on any object.
void Obrys(HDC dc, const RECT& box) {
    Rectangle(dc, box.left, box.top, box.right + 1, box.bottom + 1);
    Rectangle(dc, box.left - 1, box.top - 1, box.right + 2, box.bottom + 2);
}

// The numbers on labels of the outline's colour, so that they read on any background, placed so
// that none touches another; drawn after every outline, so that no outline crosses a number.
void Cisla(HDC dc, int od, int po, const RECT& oblast, HBRUSH stitok) {
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    const SIZE okraj = {MulDiv(3, dpi, 96), MulDiv(1, dpi, 96)}; // around the digits
    const int pocet = po - od + 1;
    std::vector<SIZE> velkosti(pocet);
    std::vector<RECT> stitky(pocet);
    char text[16];
    for (int i = 0; i < pocet; ++i) {
        const int dlzka = std::snprintf(text, sizeof text, "%d", od + i);
        GetTextExtentPoint32A(dc, text, dlzka, &velkosti[i]);
        velkosti[i].cx += 2 * okraj.cx;
        velkosti[i].cy += 2 * okraj.cy;
    }
    RozmiestniCisla(objekty + od - 1, velkosti.data(), pocet, oblast, stitky.data());
    for (int i = 0; i < pocet; ++i) {
        if (stitky[i].right == stitky[i].left)
            continue; // no free place for it
        FillRect(dc, &stitky[i], stitok);
        const int dlzka = std::snprintf(text, sizeof text, "%d", od + i);
        TextOutA(dc, stitky[i].left + okraj.cx, stitky[i].top + okraj.cy, text, dlzka);
    }
}

} // namespace

void KresliObrysy(HDC dc, RECT oblast, int od, int po, COLORREF kluc) {
    // Drawn in screen coordinates: the window's origin is the area's corner.
    POINT povodny;
    SetViewportOrgEx(dc, -oblast.left, -oblast.top, &povodny);
    HBRUSH pozadie = CreateSolidBrush(kluc);
    FillRect(dc, &oblast, pozadie);
    DeleteObject(pozadie);

    HPEN pero = CreatePen(PS_SOLID, 1, OBRYS_FARBA);
    HBRUSH stitok = CreateSolidBrush(OBRYS_FARBA);
    // Unsmoothed, so no pixel of a number blends toward the colour key.
    HFONT pismo = CreateFontA(-MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 96), 0, 0, 0, FW_BOLD, 0,
                              0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
    HGDIOBJ starePero = SelectObject(dc, pero);
    HGDIOBJ staryStetec = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ starePismo = SelectObject(dc, pismo);
    const COLORREF staraFarba = SetTextColor(dc, CISLO_FARBA);
    const int staryRezim = SetBkMode(dc, TRANSPARENT);
    for (int cislo = od; cislo <= po; ++cislo)
        Obrys(dc, objekty[cislo - 1]);
    Cisla(dc, od, po, oblast, stitok);
    SetBkMode(dc, staryRezim);
    SetTextColor(dc, staraFarba);
    SelectObject(dc, starePismo);
    SelectObject(dc, staryStetec);
    SelectObject(dc, starePero);
    DeleteObject(pismo);
    DeleteObject(stitok);
    DeleteObject(pero);
    SetViewportOrgEx(dc, povodny.x, povodny.y, nullptr);
}
