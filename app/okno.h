// The main window procedure and its scale. Win32 only.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);

// Kept empty: the timer's work is done in WndProc.
void OnWM_TIMER(HWND okno);

// The window's DPI: its own where the system knows one per window, else (and for no window) the
// system's.
int DpiOkna(HWND okno);
// The outer size whose client area holds the face at dpi_okna, menu bar included.
SIZE VelkostOkna(DWORD styl, DWORD sledovanie);
// Sets the outer size so that the client area is exactly the face at dpi_okna.
void DorovnajKlienta(HWND okno, DWORD sledovanie);
// The window moved to a monitor of another scale: the suggested rectangle, then the face's size.
void OnWM_DPICHANGED(HWND okno, WPARAM wParam, LPARAM lParam);
// An icon of the given 96-DPI side and the cursor as large as dpi_okna asks for; made per call.
HICON IkonaPreDpi(int cislo, int velkost);
HCURSOR KurzorPreDpi(int cislo);
// Timer 1, the readout's tick, runs only while the readout is on (sledovanie 1).
void CasovacUdaja(HWND okno, DWORD sledovanie);

// The click-through window over the virtual screen that outlines the objects found for a moment.
// Made hidden once at start; shown without taking the focus, for about two seconds.
void VytvorObrysy(HINSTANCE instancia);
void UkazObrysy(int vsetky); // all found objects, or the current one (klavesy.h decides)
void SkryObrysy();
// Keeps them out of the next copy of the screen: left up where no capture shows them, else hidden,
// and on a composited desktop one composition waited for when they were there to go.
void SkryObrysyPredSnimkou();
