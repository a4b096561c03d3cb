// The outlines of the objects found, with their TAB numbers, painted for the window over the
// screen.
#include "base/stav.h"
#include "layout/rozlozenie.h"
#include "windows/kreslenie.h"

#include <windows.h>

#include <cstdio>

namespace {

const COLORREF OBRYS_FARBA = RGB(255, 0, 128);
const COLORREF CISLO_FARBA = RGB(255, 255, 255);

// Two rings: on the box's edge pixels and one pixel outside, so the outline shows on any object.
void Obrys(HDC dc, const RECT& box) {
    Rectangle(dc, box.left, box.top, box.right + 1, box.bottom + 1);
    Rectangle(dc, box.left - 1, box.top - 1, box.right + 2, box.bottom + 2);
}

// The number on a label of the outline's colour, so it reads on any background.
void Cislo(HDC dc, const RECT& box, int cislo, const RECT& oblast, HBRUSH stitok) {
    char text[16];
    const int dlzka = std::snprintf(text, sizeof text, "%d", cislo);
    SIZE rozmer = {};
    GetTextExtentPoint32A(dc, text, dlzka, &rozmer);
    const SIZE velkost = {rozmer.cx + 6, rozmer.cy + 2};
    const POINT p = PolohaCisla(box, velkost, oblast);
    const RECT plocha = {p.x, p.y, p.x + velkost.cx, p.y + velkost.cy};
    FillRect(dc, &plocha, stitok);
    TextOutA(dc, p.x + 3, p.y + 1, text, dlzka);
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
    for (int cislo = od; cislo <= po; ++cislo) {
        Obrys(dc, objekty[cislo - 1]);
        Cislo(dc, objekty[cislo - 1], cislo, oblast, stitok);
    }
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
