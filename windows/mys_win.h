// The mouse toolbox's Win32 half (cursor probes, synthetic clicks) and the readout strip.
#pragma once

#include <windows.h>

// Cursor probes and synthetic clicks. The readout's timer reads the cursor and the colour under
// it; the movement probe and the clicks are a toolkit the program does not call.
POINT PolohaMysiDesktop(HWND okno);
int AktivitaMysi(HWND okno);
COLORREF FarbaMysiDesktop();
void KlikMysou(int x, int y);
void KlikanieMysou(int pocet, int x, int y);
// A click from the keyboard at a screen point, as real input: the left or the right button, once
// or twice (a double click). It waits until Ctrl, Alt and Shift are released, a second at most, so
// that the target gets a plain click.
void KlikZKlavesnice(POINT ciel, int pravy, int pocet);

// Paints the readout strip into *dc, laid out on the window's client rectangle.
void PohybMysiDesktop(HWND okno, HDC* dc);
