// The click-through, never-activated window over the virtual screen that shows the outlines, and
// out of every screen capture where Windows can do it. It spans only the part of the virtual screen
// that the outlines need, and never a whole monitor: wine without a window manager holds the
// thread for two seconds when it hides a popup covering one.
#include <windows.h>

#include "windows/obrysy.h"

#include "base/stav.h"
#include "keys/klavesy.h"
#include "layout/rozlozenie.h"
#include "search/desktop.h"
#include "windows/hladanie_win.h"
#include "windows/kreslenie.h"

namespace {

const char* const kTrieda = "ZornavitObrysy";
const UINT_PTR kCasovac = 7;    // the main window's timer 1 is the repaint tick
const UINT kNaObrazovke = 2000; // ms
// A window hidden this recently may still be on a composited screen.
const DWORD kZmiznutie = 50;    // ms
const DWORD kMimoSnimok = 0x11; // WDA_EXCLUDEFROMCAPTURE, newer than some headers
const COLORREF kKluc = RGB(255, 0, 255);
const int kOkraj = 96; // pixels at 96 dpi around the boxes, room for the numbers of crowded ones

HWND obrysy;
RECT oblast; // the window's rectangle on the screen
int od = 1;
int po = 0;
DWORD skryte; // tick of the last hide
int vylucene; // 1 when no capture of the screen shows the window

typedef BOOL(WINAPI* AfinitaFn)(HWND, DWORD);
typedef LONG(WINAPI* VerziaFn)(OSVERSIONINFOW*);
typedef HRESULT(WINAPI* KompoziciaFn)(BOOL*);
typedef HRESULT(WINAPI* DwmFlushFn)();
// From dwmapi.dll, which Windows XP has not; null when missing.
KompoziciaFn kompozicia_zapnuta;
DwmFlushFn pockaj_na_kompoziciu;

template <typename F> F Funkcia(HMODULE modul, const char* meno) {
    FARPROC f = modul != nullptr ? GetProcAddress(modul, meno) : nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(f));
}

// The true build: GetVersionEx reports what the manifest declares, not what runs.
DWORD ZostavaWindows() {
    const VerziaFn verzia = Funkcia<VerziaFn>(GetModuleHandleA("ntdll.dll"), "RtlGetVersion");
    OSVERSIONINFOW v = {};
    v.dwOSVersionInfoSize = sizeof v;
    return verzia != nullptr && verzia(&v) == 0 ? v.dwBuildNumber : 0;
}

// The system's own copy only, never one lying beside the program.
HMODULE Dwmapi() {
    char cesta[MAX_PATH];
    const char meno[] = "\\dwmapi.dll";
    const UINT n = GetSystemDirectoryA(cesta, MAX_PATH - sizeof meno);
    if (n == 0 || n >= MAX_PATH - sizeof meno)
        return nullptr;
    lstrcatA(cesta, meno);
    return LoadLibraryA(cesta);
}

// Wine reports a Windows build of its choosing, and its screen copies are X's, which know nothing
// of the request even where wine were to accept it.
int PodWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// Out of every capture where Windows can do it; else the means to wait for the hide, loaded now so
// that no search pays for them.
void MimoSnimok() {
    const AfinitaFn afinita =
        Funkcia<AfinitaFn>(GetModuleHandleA("user32.dll"), "SetWindowDisplayAffinity");
    vylucene = !PodWine() && VylucenieZoSnimokMozne(ZostavaWindows()) && afinita != nullptr &&
               afinita(obrysy, kMimoSnimok);
    if (vylucene)
        return;
    const HMODULE dwm = Dwmapi();
    kompozicia_zapnuta = Funkcia<KompoziciaFn>(dwm, "DwmIsCompositionEnabled");
    pockaj_na_kompoziciu = Funkcia<DwmFlushFn>(dwm, "DwmFlush");
}

// Windows 7 and Vista compose only with the Aero theme; 8 and later always do.
int Kompozicia() {
    BOOL zapnuta = FALSE;
    return kompozicia_zapnuta != nullptr && pockaj_na_kompoziciu != nullptr &&
           SUCCEEDED(kompozicia_zapnuta(&zapnuta)) && zapnuta;
}

RECT VirtualnaObrazovka() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void Maluj(HWND okno) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(okno, &ps);
    KresliObrysy(dc, oblast, od, po, kKluc);
    EndPaint(okno, &ps);
}

LRESULT CALLBACK ProceduraObrysov(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    switch (sprava) {
    case WM_PAINT:
        Maluj(okno);
        return 0;
    case WM_TIMER:
        SkryObrysy();
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    return DefWindowProcA(okno, sprava, wParam, lParam);
}

} // namespace

void VytvorObrysy(HINSTANCE instancia) {
    WNDCLASSEXA trieda = {};
    trieda.cbSize = sizeof(trieda);
    trieda.lpfnWndProc = ProceduraObrysov;
    trieda.hInstance = instancia;
    // Lives for the process; a window just shown is all colour key until it has painted.
    trieda.hbrBackground = CreateSolidBrush(kKluc);
    trieda.lpszClassName = kTrieda;
    RegisterClassExA(&trieda);
    obrysy = CreateWindowExA(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
        kTrieda, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instancia, nullptr);
    SetLayeredWindowAttributes(obrysy, kKluc, 0, LWA_COLORKEY);
    skryte = GetTickCount() - kZmiznutie;
    MimoSnimok();
}

// Shown ones are moved and drawn anew in place (they stay up through a search that leaves them out
// of its copy), without carrying their old picture over.
void UkazObrysy(int vsetky) {
    if (!ObrysyNaUkazanie(vsetky, &od, &po)) {
        SkryObrysy();
        return;
    }
    HDC obrazovka = GetDC(nullptr);
    const int okraj = MulDiv(kOkraj, GetDeviceCaps(obrazovka, LOGPIXELSY), 96);
    ReleaseDC(nullptr, obrazovka);
    RECT monitory[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    ObnovDesktop();
    const int pocet = Monitory(monitory, pracovne, kNajviacMonitorov);
    oblast = OblastBezCelehoMonitora(OblastObrysov(objekty, od, po, okraj, VirtualnaObrazovka()),
                                     monitory, pocet);
    InvalidateRect(obrysy, nullptr, FALSE);
    SetWindowPos(obrysy, HWND_TOPMOST, oblast.left, oblast.top, oblast.right - oblast.left,
                 oblast.bottom - oblast.top, SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_SHOWWINDOW);
    UpdateWindow(obrysy);
    SetTimer(obrysy, kCasovac, kNaObrazovke, nullptr);
}

void SkryObrysy() {
    if (obrysy == nullptr || !IsWindowVisible(obrysy))
        return;
    KillTimer(obrysy, kCasovac);
    ShowWindow(obrysy, SW_HIDE);
    skryte = GetTickCount();
}

void SkryObrysyPredSnimkou() {
    const int na_obrazovke =
        obrysy != nullptr && (IsWindowVisible(obrysy) || GetTickCount() - skryte < kZmiznutie);
    const int kroky = KrokyPredSnimkou(vylucene, Kompozicia(), na_obrazovke);
    if (kroky & kSkrytObrysy)
        SkryObrysy();
    if (kroky & kPockatNaKompoziciu)
        pockaj_na_kompoziciu();
}

int ObrysyUkazane() {
    return obrysy != nullptr && IsWindowVisible(obrysy);
}

void PredlzObrysy() {
    if (ObrysyUkazane())
        SetTimer(obrysy, kCasovac, kNaObrazovke, nullptr);
}
