// The screen copy, the desktop as Windows has it, the program's screen search, the centre file
// written whole and the main window's back buffer.
#pragma once

#include <windows.h>

#include "search/hladanie.h"

// The copy of the whole virtual screen that the screen searches look at, its pixels on no monitor
// painted out; its rectangle (right and bottom inclusive) goes through the pointer. It lives until
// the next copy. Null when the copy cannot be had.
const COLORREF* ZakrytaKopiaObrazovky(RECT* obrazovka);

// HladajVOblasti over a new ZakrytaKopiaObrazovky; -1 also when the screen cannot be copied.
int HladajNaObrazovke(RECT oblast, Odtien odtien, int min_velkost, int percento_vyplne,
                      DWORD spajanie, RECT okno = {1, 1, 0, 0});

// The screen search of the program in a ZakrytaKopiaObrazovky (its rectangle obrazovka): all of
// it, the window left out; -1 also for no copy.
int Zornavit(HWND okno, const COLORREF* kopia, RECT obrazovka, Odtien odtien, int min_velkost,
             int percento_vyplne, int spajanie);

// The screen from (x, y) as a pixel table of vyska rows of sirka colours, as GetPixel gives them;
// the table lives until the next call. Null when it cannot be had.
COLORREF* SnimkaObrazovky(int sirka, int vyska, int x = 0, int y = 0);

// The main window's back buffer filled with the brush; its bitmap is made anew only when the client
// area has changed size.
void initscreen(HWND okno, HDC* buffer, HBRUSH stetec);

// Reads the desktop's size and its monitors from Windows into what search/desktop.h answers; called
// before anything that asks them.
void ObnovDesktop();

// The same file whole or not at all: written to cesta + ".tmp" beside it and put in its place in
// one step. On failure the old file stays as it was, the temporary one is gone, and 0 comes back.
int PointPoleDoTxtCely(const char* cesta, const POINT* body, int pocet);
// Puts the file zdroj in place of ciel in one step, replacing it; 1 on success, 0 when not.
int NahradSubor(const char* zdroj, const char* ciel);
