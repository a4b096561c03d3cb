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

// The monitors of the virtual screen: their rectangles and work areas in screen pixels (negative
// left of or above the primary), right and bottom exclusive. Fills at most najviac of each and
// returns the count. Natively: what NastavMonitory set, or one monitor of the desktop's size.
const int kNajviacMonitorov = 16;
int Monitory(RECT* plochy, RECT* pracovne, int najviac);
#ifndef _WIN32
void NastavMonitory(const RECT* plochy, const RECT* pracovne, int pocet);
#endif

// Zero-filled arrays of (H + 5) x (W + 5) entries for the current desktop; the count goes through
// the pointer. They are never freed.
POINT* AlokaciaDsktPointPola(int* pocet);
RECT* AlokaciaDsktRectPola(int* pocet);
double* AlokaciaDsktDoublePola(int* pocet);

// The program's results, centers and objekty, hold at least pocet entries each, and never fewer
// than the 1024 they start with; poloziek_dskt_point_pola and poloziek_dskt_rect_pola always give
// their real sizes. 0 when the memory cannot be had: both are then null, their counts 0.
int RezervujVysledky(int pocet);

// The most objects a sirka x vyska screen can hold: half its pixels (by rows an object has at
// least two; objects of touching pixels never touch along a side, a chequerboard at most).
long long NajviacObjektov(int sirka, int vyska);

// HladajObjekty of a table (vyska rows of krok colours, the first sirka counting) into centers
// and objekty, which grow eightfold (the search then runs again) whenever a search fills them, up
// to NajviacObjektov(sirka, vyska). The number found, or -1 when the memory for the results or for
// the search's tables cannot be had.
int HladajDoVysledkov(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                      unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie);

// Bytes a search of a sirka x vyska screen takes before it finds anything (the screen copy, the
// search's tables, the starting results), and at most, with the results grown to their limit.
void PamatHladania(int sirka, int vyska, long long* vopred, long long* najviac);

// Bytes of the search's work tables for a sirka x vyska screen, the touching modes' labels and
// reach (made by their first search) included.
long long PamatTabuliek(int sirka, int vyska);

// The search over a pixel table: farby holds vyska rows of krok colours (0x00BBGGRR), of which the
// first sirka count. Pixels inside okno (right and bottom inclusive) are left out. spajanie groups
// the grey pixels into objects: 4 by pixels touching along a side, 8 along a side or at a corner,
// any other value by rows as the program always did. At most kapacita objects are recorded in
// stredy and boxy, in the order of their first pixels; the result is their number, or -1 when
// farby does not describe a table (null, krok < sirka) or the work tables cannot be allocated.
int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                  unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie,
                  POINT* stredy, RECT* boxy, int kapacita);

// Paints the pixels of the copy (sirka x vyska from screen point pociatok) that lie on none of the
// monitors with a colour that is no grey, row by row; with no monitors listed the copy stays as is.
void ZakryMimoMonitorov(COLORREF* farby, int sirka, int vyska, POINT pociatok, const RECT* monitory,
                        int pocet);

// HladajDoVysledkov over the part of oblast that lies on the copy of the screen rectangle
// obrazovka (farby holds its rows), okno left out; all three right and bottom inclusive, in screen
// coordinates, as are the boxes and centres that come back. 0 when oblast and obrazovka do not
// meet.
int HladajVOblasti(const COLORREF* farby, RECT obrazovka, RECT oblast, RECT okno,
                   unsigned stupen_sedi, int min_velkost, int percento_vyplne, int spajanie);

// The copy of the whole virtual screen that the screen searches look at, its pixels on no monitor
// painted out; its rectangle (right and bottom inclusive) goes through the pointer. It lives until
// the next copy. Null when the copy cannot be had. Win32 only.
const COLORREF* ZakrytaKopiaObrazovky(RECT* obrazovka);

// HladajVOblasti over a new ZakrytaKopiaObrazovky; -1 also when the screen cannot be copied.
// Win32 only.
int HladajNaObrazovke(RECT oblast, unsigned stupen_sedi, int min_velkost, int percento_vyplne,
                      DWORD spajanie, RECT okno = {1, 1, 0, 0});

// The screen search of the program in a ZakrytaKopiaObrazovky (its rectangle obrazovka): all of
// it, the window left out; -1 also for no copy. Win32 only.
int Zornavit(HWND okno, const COLORREF* kopia, RECT obrazovka, int stupen_sedi, int min_velkost,
             int percento_vyplne, int spajanie);

// The screen from (x, y) as a pixel table of vyska rows of sirka colours, as GetPixel gives them;
// the table lives until the next call. Null when it cannot be had. Win32 only.
COLORREF* SnimkaObrazovky(int sirka, int vyska, int x = 0, int y = 0);

// The main window's back buffer filled with the brush; its bitmap is made anew only when the client
// area has changed size. Win32 only.
void initscreen(HWND okno, HDC* buffer, HBRUSH stetec);

// The centre file: "%d,%d" and CR LF per point, the same bytes on every platform.
// The writers return 1 when the file could be opened, written and closed, 0 when not.
int PointPoleDoTxt(const char* cesta, const POINT* body, int pocet);
// The same file whole or not at all: written to cesta + ".tmp" beside it and put in its place in
// one step. On failure the old file stays as it was, the temporary one is gone, and 0 comes back.
int PointPoleDoTxtCely(const char* cesta, const POINT* body, int pocet);
// Puts the file zdroj in place of ciel in one step, replacing it; 1 on success, 0 when not.
int NahradSubor(const char* zdroj, const char* ciel);

// The rest of the number-file module; rezim is the fopen mode, line ends are '\n'.
// "{x,y}, " per point, a line end after every tenth point and one at the end.
int PointPoleCiselDoTXT(const char* cesta, const char* rezim, const POINT* body, int pocet);
// "%d, " per value, one line end at the end.
int PoleCiselDoTXT(const char* cesta, const char* rezim, const int* hodnoty, int pocet);
// "%d,  " per value; lines hold value 0, then values 1..6, 7..12, ...; one line end at the end.
int CislaFariebDoTXT(const char* cesta, const char* rezim, const DWORD* hodnoty, int pocet);
// "%d, " for a value of 0 or more; a negative value writes nothing.
int CislaDoTXT(const char* cesta, const char* rezim, int hodnota);
// The value's 4 bytes, little-endian, for a value of 0 or more; a negative value writes nothing.
int CislaDoBIN(const char* cesta, const char* rezim, int hodnota);
// pocet values of 4 bytes, little-endian; returns how many were written (0 when the file failed).
int CislaFariebDoBIN(const char* cesta, const char* rezim, const DWORD* hodnoty, int pocet);
// Reads up to pocet little-endian 4-byte values; returns how many were read.
int CislaFariebZ_BIN(const char* cesta, DWORD* buffer, int pocet);
// Reads every whole 4-byte value of the file into a new zero-filled array with 10 spare slots,
// stores their number and returns the array (never freed); null and 0 when the file cannot be read.
int* CislaZoSuboruDoPola(const char* cesta, const char* rezim, int* pocet);
