// The Windows handles of the process-wide state, declared once.
#pragma once

#include <windows.h>

extern HINSTANCE g_hInstance;
extern HWND g_hwnd;
extern HDC g_hdcMemWindow; // the main window's back buffer
extern HBRUSH g_pozadie;   // the main window's background, from bitmap 201
extern HBRUSH g_pozadieDlg;
extern HBRUSH g_pozadieDlg2;
