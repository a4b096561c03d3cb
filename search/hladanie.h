// The object search: the result arrays and the search over a pixel table or a part of the screen's
// copy.
#pragma once

#include "base/stav.h"
#include "base/wintypy.h"

// The pixels objects are made of. A pixel whose top byte is not 0 is no colour and never counts.
// - Greys (farba kBezFarby, or any value with a top byte): the channels differ by at most odchylka
//   (largest less smallest) and the level, the channels' mean rounded down, lies in the band
//   32 * (stupen_sedi % 8) .. 32 * (stupen_sedi % 8) + 31. With odchylka 0, exactly the band's
//   greys.
// - A colour (top byte 0, 0x00BBGGRR): each channel at most odchylka from the colour's.
// odchylka counts from 0 to 64; a value outside counts as the nearest of them.
struct Odtien {
    unsigned stupen_sedi;
    int odchylka = 0;
    COLORREF farba = kBezFarby;
};

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
                      Odtien odtien, int min_velkost, int percento_vyplne, int spajanie);

// Bytes a search of a sirka x vyska screen takes before it finds anything (the screen copy, the
// search's tables, the starting results), and at most, with the results grown to their limit.
void PamatHladania(int sirka, int vyska, long long* vopred, long long* najviac);

// Bytes of the search's work tables for a sirka x vyska screen, the touching modes' labels and
// reach (made by their first search) included.
long long PamatTabuliek(int sirka, int vyska);

// The search over a pixel table: farby holds vyska rows of krok colours (0x00BBGGRR), of which the
// first sirka count. Pixels inside okno (right and bottom inclusive) are left out; the others of
// the shade odtien make objects. spajanie groups those pixels into objects: 4 by pixels touching
// along a side, 8 along a side or at a corner, any other value by rows as the program always did.
// At most kapacita objects are recorded in stredy and boxy, in the order of their first pixels; the
// result is their number, or -1 when farby does not describe a table (null, krok < sirka) or the
// work tables cannot be allocated.
int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno, Odtien odtien,
                  int min_velkost, int percento_vyplne, int spajanie, POINT* stredy, RECT* boxy,
                  int kapacita);

// Paints the pixels of the copy (sirka x vyska from screen point pociatok) that lie on none of the
// monitors with a value that is no colour (kBezFarby), row by row; with no monitors listed the copy
// stays as is.
void ZakryMimoMonitorov(COLORREF* farby, int sirka, int vyska, POINT pociatok, const RECT* monitory,
                        int pocet);

// HladajDoVysledkov over the part of oblast that lies on the copy of the screen rectangle
// obrazovka (farby holds its rows), okno left out; all three right and bottom inclusive, in screen
// coordinates, as are the boxes and centres that come back. 0 when oblast and obrazovka do not
// meet.
int HladajVOblasti(const COLORREF* farby, RECT obrazovka, RECT oblast, RECT okno, Odtien odtien,
                   int min_velkost, int percento_vyplne, int spajanie);
