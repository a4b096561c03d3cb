// The Settings and About dialogs: their procedures and painters, and the main window's two modes.
// Win32 only.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ProceduraDialogu2(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);
void OnWM_PAINTDLG2(HDC dc);

INT_PTR CALLBACK ProceduraDialogu(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);
void OnWM_PAINTDLG(HDC dc);

// Shapes the main window for the tracking switch: 1 = topmost and tall enough for the readout;
// any other value = an ordinary, 17 pixels lower window with a minimise box.
void RezimOkna(HWND okno, DWORD sledovanie);
