// The mouse toolbox (cursor probes, clicks, the pause counter) and the cursor-tracking readout.
#pragma once

#include "app/wintypy.h"

// Pause counter: platform-free.
int pauza(int krok);
void pauza_reset();

// Cursor probes and synthetic clicks: Win32 only.
POINT PolohaMysiDesktop(HWND okno);
int AktivitaMysi(HWND okno);
COLORREF FarbaMysiDesktop();
void KlikMysou(int x, int y);
void KlikanieMysou(int pocet, int x, int y);

// Paints the readout strip into *dc, laid out on the window's client rectangle: Win32 only.
void PohybMysiDesktop(HWND okno, HDC* dc);
