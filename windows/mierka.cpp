// The main window's scale: its DPI, its outer size from the face's, a DPI change; kept on screen.
#include <windows.h>

#include "base/stav.h"
#include "search/desktop.h"
#include "settings/nastavenia.h"
#include "layout/rozlozenie.h"
#include "windows/hladanie_win.h"
#include "windows/okno.h"
#include "windows/res/resource.h"
#include "windows/stav_win.h"

namespace {

typedef UINT(WINAPI* DpiOknaFn)(HWND);
typedef BOOL(WINAPI* PrisposobFn)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Both exist from Windows 10 1607 on; before it the whole desktop has the system DPI.
template <typename F> F FunkciaUser32(const char* meno) {
    FARPROC f = GetProcAddress(GetModuleHandleA("user32.dll"), meno);
    return reinterpret_cast<F>(reinterpret_cast<void*>(f));
}

int SystemoveDpi() {
    HDC obrazovka = GetDC(nullptr);
    const int dpi = GetDeviceCaps(obrazovka, LOGPIXELSY);
    ReleaseDC(nullptr, obrazovka);
    return dpi;
}

int VyskaTvare(DWORD sledovanie) {
    return sledovanie == 1 ? tvar_vyska : tvar_vyska - 17;
}

} // namespace

int DpiOkna(HWND okno) {
    static const DpiOknaFn dpi_pre_okno = FunkciaUser32<DpiOknaFn>("GetDpiForWindow");
    const int dpi = okno && dpi_pre_okno ? static_cast<int>(dpi_pre_okno(okno)) : SystemoveDpi();
    return dpi > 0 ? dpi : 96;
}

SIZE VelkostOkna(DWORD styl, DWORD sledovanie) {
    RECT r = {0, 0, Skaluj(tvar_sirka, dpi_okna), Skaluj(VyskaTvare(sledovanie), dpi_okna)};
    static const PrisposobFn prisposob = FunkciaUser32<PrisposobFn>("AdjustWindowRectExForDpi");
    if (prisposob) {
        prisposob(&r, styl, TRUE, WS_EX_CLIENTEDGE, static_cast<UINT>(dpi_okna));
    } else {
        AdjustWindowRectEx(&r, styl, TRUE, WS_EX_CLIENTEDGE);
    }
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// A menu bar that wraps, or a frame other than the one AdjustWindowRectEx assumes, leaves the
// client area off the face's size: the outer size takes the difference.
void DorovnajKlienta(HWND okno, DWORD sledovanie) {
    if (IsIconic(okno))
        return;
    RECT klient;
    GetClientRect(okno, &klient);
    const int dx = Skaluj(tvar_sirka, dpi_okna) - klient.right;
    const int dy = Skaluj(VyskaTvare(sledovanie), dpi_okna) - klient.bottom;
    if (dx == 0 && dy == 0)
        return;
    RECT r;
    GetWindowRect(okno, &r);
    SetWindowPos(okno, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrzNaPlochu(HWND okno, RECT pred, int pasik) {
    RECT r;
    if (IsIconic(okno) || !GetWindowRect(okno, &r))
        return;
    const bool narastlo =
        r.right - r.left > pred.right - pred.left || r.bottom - r.top > pred.bottom - pred.top;
    if (!narastlo && !pasik)
        return;
    RECT plochy[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    ObnovDesktop();
    const RECT ciel =
        OknoNaPracovnejPloche(r, plochy, pracovne, Monitory(plochy, pracovne, kNajviacMonitorov));
    if (ciel.left != r.left || ciel.top != r.top)
        SetWindowPos(okno, nullptr, ciel.left, ciel.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON IkonaPreDpi(int cislo, int velkost) {
    const int strana = Skaluj(velkost, dpi_okna);
    return static_cast<HICON>(
        LoadImageA(g_hInstance, MAKEINTRESOURCEA(cislo), IMAGE_ICON, strana, strana, 0));
}

HCURSOR KurzorPreDpi(int cislo) {
    const int strana = Skaluj(32, dpi_okna);
    return static_cast<HCURSOR>(
        LoadImageA(g_hInstance, MAKEINTRESOURCEA(cislo), IMAGE_CURSOR, strana, strana, 0));
}

namespace {

// The class's cursor and icons at the new DPI; the old ones were made for this window alone.
void ObrazkyPreDpi(HWND okno) {
    DestroyCursor(reinterpret_cast<HCURSOR>(
        SetClassLongPtrA(okno, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(KurzorPreDpi(IDC_HROT)))));
    DestroyIcon(reinterpret_cast<HICON>(SetClassLongPtrA(
        okno, GCLP_HICON, reinterpret_cast<LONG_PTR>(IkonaPreDpi(IDI_KOCKA, 32)))));
    DestroyIcon(reinterpret_cast<HICON>(SetClassLongPtrA(
        okno, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(IkonaPreDpi(IDI_KOCKA, 16)))));
}

} // namespace

void OnWM_DPICHANGED(HWND okno, WPARAM wParam, LPARAM lParam) {
    dpi_okna = HIWORD(wParam);
    ObrazkyPreDpi(okno);
    RECT pred;
    GetWindowRect(okno, &pred);
    const RECT* navrh = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(okno, nullptr, navrh->left, navrh->top, navrh->right - navrh->left,
                 navrh->bottom - navrh->top, SWP_NOZORDER | SWP_NOACTIVATE);
    DorovnajKlienta(okno, sledovanie_kurzora);
    DrzNaPlochu(okno, pred, 0);
}
