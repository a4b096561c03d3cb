// The main window: its procedure and the two window modes that cursor tracking selects. Win32 only.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);

// Tracking on (sledovanie 1): topmost, full height, no minimize button; otherwise an ordinary
// window 17 pixels lower with a minimize button. Position first, then the style.
void NastavRezimOkna(HWND okno, DWORD sledovanie);

// Kept empty: the timer's work is done in WndProc.
void OnWM_TIMER(HWND okno);
