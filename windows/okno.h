// The main window: its procedure, its two modes and its scale.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);

// Kept empty, a toolkit handler the program does not call: the timer's work is done in WndProc.
void OnWM_TIMER(HWND okno);

// Shapes the main window for the tracking switch: 1 = topmost and tall enough for the readout;
// any other value = an ordinary, 17 pixels lower window with a minimise box.
void RezimOkna(HWND okno, DWORD sledovanie);

// The window's DPI: its own where the system knows one per window, else (and for no window) the
// system's.
int DpiOkna(HWND okno);
// The outer size whose client area holds the face at dpi_okna, menu bar included.
SIZE VelkostOkna(DWORD styl, DWORD sledovanie);
// Sets the outer size so that the client area is exactly the face at dpi_okna.
void DorovnajKlienta(HWND okno, DWORD sledovanie);
// Once the outer size has changed from pred: a window that grew, or any with its readout strip
// (pasik 1), is kept on the work area of its monitor (OknoNaPracovnejPloche).
void DrzNaPlochu(HWND okno, RECT pred, int pasik);
// The window moved to a monitor of another scale: the suggested rectangle, then the face's size.
void OnWM_DPICHANGED(HWND okno, WPARAM wParam, LPARAM lParam);
// An icon of the given 96-DPI side and the cursor as large as dpi_okna asks for; made per call.
HICON IkonaPreDpi(int cislo, int velkost);
HCURSOR KurzorPreDpi(int cislo);
// Timer 1, the readout's tick, runs only while the readout is on (sledovanie 1).
void CasovacUdaja(HWND okno, DWORD sledovanie);
// The system-wide Ctrl+Alt chords, registered anew for the window (none while skratky is 0); those
// another program holds are said in the status box. SkratkaPodlaId: a WM_HOTKEY's chord, or -1.
void NastavSkratky(HWND okno);
void ZrusSkratky(HWND okno);
int SkratkaPodlaId(WPARAM id);
