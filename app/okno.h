// The main window procedure. Win32 only.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);

// Kept empty: the timer's work is done in WndProc.
void OnWM_TIMER(HWND okno);

// Timer 1, the readout's tick, runs only while the readout is on (sledovanie 1).
void CasovacUdaja(HWND okno, DWORD sledovanie);
