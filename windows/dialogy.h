// The Settings and About dialogs: their procedures and painters.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ProceduraDialogu2(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);
void OnWM_PAINTDLG2(HDC dc);

INT_PTR CALLBACK ProceduraDialogu(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);
void OnWM_PAINTDLG(HDC dc);
