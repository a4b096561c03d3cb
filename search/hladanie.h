// The object search: result arrays, the search over a pixel table, the screen search and the number
// files.
#pragma once

#include "app/wintypy.h"

// Desktop size, as the allocators and the screen search see it. The Win32 program answers with the
// desktop window's client rectangle; natively it is whatever NastavVelkostDesktopu set (0 x 0 at
// start).
void VelkostDesktopu(int* sirka, int* vyska);
#ifndef _WIN32
void NastavVelkostDesktopu(int sirka, int vyska);
#endif

// Zero-filled arrays of (H + 5) x (W + 5) entries for the current desktop; the count goes through
// the pointer. They are never freed.
POINT* AlokaciaDsktPointPola(int* pocet);
RECT* AlokaciaDsktRectPola(int* pocet);
double* AlokaciaDsktDoublePola(int* pocet);

// The search over a pixel table: farby holds vyska rows of krok colours (0x00BBGGRR), of which the
// first sirka count. Pixels inside okno (right and bottom inclusive) are left out. At most kapacita
// objects are recorded in stredy and boxy; the result is their number, or -1 when farby does not
// describe a table (null, krok < sirka) or the work tables cannot be allocated.
int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                  unsigned stupen_sedi, int min_velkost, int percento_vyplne, POINT* stredy,
                  RECT* boxy, int kapacita);

// The screen search of the program: copies the desktop, leaves the window out, fills centers and
// objekty. Win32 only.
int Zornavit(HWND okno, int stupen_sedi, int min_velkost, int percento_vyplne);

// Rebuilds the main window's back buffer, filled with the brush. Win32 only.
void initscreen(HWND okno, HDC* buffer, HBRUSH stetec);

// The centre file: "%d,%d" and CR LF per point, the same bytes on every platform.
// The writers return 1 when the file could be written, 0 when not.
int PointPoleDoTxt(const char* cesta, const POINT* body, int pocet);
