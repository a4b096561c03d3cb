// The main window procedure. Win32 only.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);

// Kept empty: the timer's work is done in WndProc.
void OnWM_TIMER(HWND okno);
