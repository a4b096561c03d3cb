// The screen searches of the window and the batch (one copy of the virtual screen into a kept DIB
// section) and the back buffer.
#include <windows.h>

#include <climits>

#include "windows/hladanie_win.h"

#include "base/stav.h"
#include "search/desktop.h"
#include "search/hladanie.h"

namespace {

// Makes the copy's top-down 32-bit DIB section anew when the desktop changes size; otherwise the
// section of the previous search is reused.
void PripravKopiu(HBITMAP* bitmapa, COLORREF** pixely, SIZE* velkost, int sirka, int vyska) {
    if (*bitmapa != nullptr && velkost->cx == sirka && velkost->cy == vyska)
        return;
    if (*bitmapa != nullptr)
        DeleteObject(*bitmapa);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = sirka;
    info.bmiHeader.biHeight = -vyska;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bity = nullptr;
    *bitmapa = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bity, nullptr, 0);
    *pixely = *bitmapa != nullptr ? static_cast<COLORREF*>(bity) : nullptr;
    velkost->cx = sirka;
    velkost->cy = vyska;
}

// One BitBlt of the screen from (x, y) into the section.
void SkopirujObrazovku(HBITMAP bitmapa, int sirka, int vyska, int x, int y) {
    HDC obrazovka = GetDC(nullptr);
    HDC pamat = CreateCompatibleDC(obrazovka);
    HGDIOBJ stara = SelectObject(pamat, bitmapa);
    BitBlt(pamat, 0, 0, sirka, vyska, obrazovka, x, y, SRCCOPY);
    // GDI may still be writing the section; its bits are read directly next.
    GdiFlush();
    SelectObject(pamat, stara);
    DeleteDC(pamat);
    ReleaseDC(nullptr, obrazovka);
}

// The section holds 0xAARRGGBB; GetPixel gives 0x00BBGGRR. Converted in place.
void NaFarbyGetPixel(COLORREF* pixely, size_t pocet) {
    for (size_t i = 0; i < pocet; ++i) {
        const COLORREF p = pixely[i];
        pixely[i] = ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
    }
}

} // namespace

const COLORREF* ZakrytaKopiaObrazovky(RECT* obrazovka) {
    const POINT pociatok = {GetSystemMetrics(SM_XVIRTUALSCREEN),
                            GetSystemMetrics(SM_YVIRTUALSCREEN)};
    const int sirka = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int vyska = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    *obrazovka = {pociatok.x, pociatok.y, pociatok.x + sirka - 1, pociatok.y + vyska - 1};
    COLORREF* farby = SnimkaObrazovky(sirka, vyska, pociatok.x, pociatok.y);
    if (farby == nullptr)
        return nullptr;
    RECT monitory[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    ObnovDesktop();
    ZakryMimoMonitorov(farby, sirka, vyska, pociatok, monitory,
                       Monitory(monitory, pracovne, kNajviacMonitorov));
    return farby;
}

COLORREF* SnimkaObrazovky(int sirka, int vyska, int x, int y) {
    static HBITMAP bitmapa = nullptr;
    static COLORREF* farby = nullptr;
    static SIZE velkost = {};
    if (sirka <= 0 || vyska <= 0)
        return nullptr;
    PripravKopiu(&bitmapa, &farby, &velkost, sirka, vyska);
    if (farby == nullptr)
        return nullptr;
    SkopirujObrazovku(bitmapa, sirka, vyska, x, y);
    NaFarbyGetPixel(farby, static_cast<size_t>(sirka) * static_cast<size_t>(vyska));
    return farby;
}

int HladajNaObrazovke(RECT oblast, Odtien odtien, int min_velkost, int percento_vyplne,
                      DWORD spajanie, RECT okno) {
    RECT obrazovka = {};
    const COLORREF* farby = ZakrytaKopiaObrazovky(&obrazovka);
    if (farby == nullptr)
        return -1;
    return HladajVOblasti(farby, obrazovka, oblast, okno, odtien, min_velkost, percento_vyplne,
                          static_cast<int>(spajanie));
}

int Zornavit(HWND okno, const COLORREF* kopia, RECT obrazovka, Odtien odtien, int min_velkost,
             int percento_vyplne, int spajanie) {
    if (kopia == nullptr)
        return -1;
    RECT obdlznik = {};
    GetWindowRect(okno, &obdlznik);
    const RECT vsetko = {LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX};
    return HladajVOblasti(kopia, obrazovka, vsetko, obdlznik, odtien, min_velkost, percento_vyplne,
                          spajanie);
}

namespace {

// The buffer holds a bitmap of exactly the client area's size.
bool BufferSedi(HDC buffer, const RECT& klient) {
    BITMAP b = {};
    return buffer != nullptr &&
           GetObjectA(GetCurrentObject(buffer, OBJ_BITMAP), sizeof b, &b) == sizeof b &&
           b.bmWidth == klient.right && b.bmHeight == klient.bottom;
}

} // namespace

// Every paint starts here, the readout's every 10 ms: making the bitmap each time would be waste.
void initscreen(HWND okno, HDC* buffer, HBRUSH stetec) {
    // The bitmap that a new memory DC starts with, to be selected back before the DC is deleted.
    static HGDIOBJ povodna = nullptr;
    RECT klient = {};
    GetClientRect(okno, &klient);
    if (!BufferSedi(*buffer, klient)) {
        if (*buffer != nullptr) {
            HGDIOBJ nasa = SelectObject(*buffer, povodna);
            DeleteDC(*buffer);
            DeleteObject(nasa);
        }
        HDC dc = GetDC(okno);
        *buffer = CreateCompatibleDC(dc);
        povodna = SelectObject(*buffer, CreateCompatibleBitmap(dc, klient.right, klient.bottom));
        ReleaseDC(okno, dc);
    }
    FillRect(*buffer, &klient, stetec);
}
