// The screen copy, the desktop as Windows has it, the program's screen search, the centre file
// written whole and the main window's back buffer.
#pragma once

#include <windows.h>

#include "search/hladanie.h"

// HladajVOblasti over a copy of the whole virtual screen, its pixels on no monitor painted out;
// -1 also when the screen cannot be copied.
int HladajNaObrazovke(RECT oblast, Odtien odtien, int min_velkost, int percento_vyplne,
                      DWORD spajanie, RECT okno = {1, 1, 0, 0});

// The screen search of the program: HladajNaObrazovke of the whole screen, the window left out.
//
int Zornavit(HWND okno, Odtien odtien, int min_velkost, int percento_vyplne, int spajanie);

// The screen from (x, y) as a pixel table of vyska rows of sirka colours, as GetPixel gives them;
// the table lives until the next call. Null when it cannot be had.
COLORREF* SnimkaObrazovky(int sirka, int vyska, int x = 0, int y = 0);

// Rebuilds the main window's back buffer, filled with the brush.
void initscreen(HWND okno, HDC* buffer, HBRUSH stetec);

// Reads the desktop's size and its monitors from Windows into what search/desktop.h answers; called
// before anything that asks them.
void ObnovDesktop();

// The same file whole or not at all: written to cesta + ".tmp" beside it and put in its place in
// one step. On failure the old file stays as it was, the temporary one is gone, and 0 comes back.
int PointPoleDoTxtCely(const char* cesta, const POINT* body, int pocet);
// Puts the file zdroj in place of ciel in one step, replacing it; 1 on success, 0 when not.
int NahradSubor(const char* zdroj, const char* ciel);
