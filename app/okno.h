// The main window procedure. Win32 only.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);

// Kept empty: the timer's work is done in WndProc.
void OnWM_TIMER(HWND okno);

// Timer 1, the readout's tick, runs only while the readout is on (sledovanie 1).
void CasovacUdaja(HWND okno, DWORD sledovanie);

// The click-through window over the virtual screen that outlines the objects found for a moment.
// Made hidden once at start; shown without taking the focus, for about two seconds.
void VytvorObrysy(HINSTANCE instancia);
void UkazObrysy(int vsetky); // all found objects, or the current one (klavesy.h decides)
void SkryObrysy();
// Hides them and waits until a hidden window can no longer show in a copy of the screen.
void SkryObrysyPredSnimkou();
