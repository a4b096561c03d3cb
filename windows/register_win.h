// The settings saved with the main window's placement.
#pragma once

#include <windows.h>

// Saves the settings and the main window's placement at close.
int WriteRegistry(HWND okno);
