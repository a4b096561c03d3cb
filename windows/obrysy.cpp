// The click-through, never-activated window over the virtual screen that shows the outlines. It
// spans only the part of the virtual screen that the outlines need: wine without a window manager
// holds the thread for two seconds when it hides a popup covering a whole monitor.
#include <windows.h>

#include "windows/obrysy.h"

#include "base/stav.h"
#include "keys/klavesy.h"
#include "layout/rozlozenie.h"
#include "windows/kreslenie.h"

namespace {

const char* const kTrieda = "ZornavitObrysy";
const UINT_PTR kCasovac = 7;    // the main window's timer 1 is the repaint tick
const UINT kNaObrazovke = 2000; // ms
// A window just hidden may still be on a composited screen for a frame or two.
const DWORD kZmiznutie = 50; // ms
const COLORREF kKluc = RGB(255, 0, 255);
const int kOkraj = 96; // pixels at 96 dpi around the boxes, room for the numbers of crowded ones

HWND obrysy;
RECT oblast; // the window's rectangle on the screen
int od = 1;
int po = 0;
DWORD skryte; // tick of the last hide

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
}

void UkazObrysy(int vsetky) {
    SkryObrysy();
    if (!ObrysyNaUkazanie(vsetky, &od, &po))
        return;
    HDC obrazovka = GetDC(nullptr);
    const int okraj = MulDiv(kOkraj, GetDeviceCaps(obrazovka, LOGPIXELSY), 96);
    ReleaseDC(nullptr, obrazovka);
    oblast = OblastObrysov(objekty, od, po, okraj, VirtualnaObrazovka());
    SetWindowPos(obrysy, HWND_TOPMOST, oblast.left, oblast.top, oblast.right - oblast.left,
                 oblast.bottom - oblast.top, SWP_NOACTIVATE);
    InvalidateRect(obrysy, nullptr, FALSE);
    ShowWindow(obrysy, SW_SHOWNOACTIVATE);
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
    SkryObrysy();
    const DWORD uplynulo = GetTickCount() - skryte;
    if (uplynulo < kZmiznutie)
        Sleep(kZmiznutie - uplynulo);
}

int ObrysyUkazane() {
    return obrysy != nullptr && IsWindowVisible(obrysy);
}

void PredlzObrysy() {
    if (ObrysyUkazane())
        SetTimer(obrysy, kCasovac, kNaObrazovke, nullptr);
}
