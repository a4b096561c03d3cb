// Definitions of the Windows handles of the process-wide state.
#include "windows/stav_win.h"

HINSTANCE g_hInstance = nullptr;
HWND g_hwnd = nullptr;
HDC g_hdcMemWindow = nullptr;
HBRUSH g_pozadie = nullptr;
HBRUSH g_pozadieDlg = nullptr;
HBRUSH g_pozadieDlg2 = nullptr;
