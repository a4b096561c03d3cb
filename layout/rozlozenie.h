// The face's layout, scale, text formatting and arrow geometry, free of the platform.
#pragma once

#include "base/wintypy.h"

#include <cstdint>

// Size of a text routine's buffer, terminating zero included.
const int NAPIS_BUFFER = 100;

// Formats one value into a NAPIS_BUFFER-byte buffer; longer results are cut at 99 characters.
// Returns the length of the text left in the buffer.
int FormatujNapis(char* buffer, const char* format, int hodnota);
int FormatujNapisDouble(char* buffer, const char* format, double hodnota);

// The UTF-16 code unit of one code page 1250 byte.
uint16_t ZnakCp1250(unsigned char znak);

// Direction of an arrow key.
enum SmerSipky { SIPKA_VPRAVO, SIPKA_VLAVO, SIPKA_HORE, SIPKA_DOLE };

// The six outline vertices of the arrow drawn on a key of side s with top-left corner (x, y).
void VrcholySipky(SmerSipky smer, int s, int x, int y, POINT vrcholy[6]);

// Layout of the main window face.
int DalsiRiadok(int y, int cy);        // y of the next settings row below a line of height cy
int RiadokVelkosti(int y, int cy);     // y of the object-size line below the object row
int StatusPoObjektoch(int y5, int cy); // status box y below the object-size line
int StatusBezObjektov(int y3, int cy); // status box y below the fill row when nothing is shown
unsigned char SivaPasika(DWORD stupne, int i); // grey level of stroke i (0..31) of the band strip

// The outlines' number labels (right and bottom exclusive): label i, of size velkosti[i], for
// boxes[i] (right and bottom inclusive), each whole in the area and touching no label placed before
// it: at least kMedzeraStitkov pixels of background lie between any two. Tried in order: above the
// outline's top-left corner, above its top-right one, below its bottom corners, beside its four
// corners, inside the box where it fits, then the nearest free place around the first. A label
// with no free place within eight label heights is left out: an empty rectangle.
const int kMedzeraStitkov = 2;
void RozmiestniCisla(const RECT* boxy, const SIZE* velkosti, int pocet, RECT oblast, RECT* stitky);
// Whether two labels overlap or have less than kMedzeraStitkov pixels between them.
bool StitkyDotyka(const RECT& a, const RECT& b);

// The part of the screen (right and bottom exclusive) that the outlines of boxes od..po (numbers
// from 1) and their labels need: the boxes' union grown by okraj on every side, cut to the screen.
RECT OblastObrysov(const RECT* boxy, int od, int po, int okraj, RECT obrazovka);
// That area less one pixel line on a side it shares with each monitor (right and bottom exclusive)
// it would cover whole: wine without a window manager holds the thread for two seconds when it
// hides a popup covering a whole monitor. A monitor the area passes on all four sides stays
// covered.
RECT OblastBezCelehoMonitora(RECT oblast, const RECT* monitory, int pocet);

// The readout strip's fields: x, y, R, G, B.
const int POCET_UDAJOV = 5;
// Their font's character height, 96-DPI units, where everything fits.
const int VYSKA_UDAJA = 11;
// Background left between two fields, 96-DPI units.
const int MEDZERA_UDAJOV = 2;
// The width in device pixels of a text in a font of the given character height in device pixels.
typedef int (*SirkaTextu)(const char* text, int vyska, void* kontext);

// Lays the readout's texts out on a client area from vlavo to vpravo (96-DPI units) at dpi. Each
// field stands at its own place, or MEDZERA_UDAJOV after the field before it where that one is
// wider; fields that would end past the strip's outline move back left, never left of the first
// place; when they still do not fit, the font shrinks a pixel at a time. Fills polohy with the left
// edges and returns the character height, both in device pixels.
int RozlozUdaj(const char* const texty[POCET_UDAJOV], int vlavo, int vpravo, int dpi,
               SirkaTextu sirka, void* kontext, int polohy[POCET_UDAJOV]);

// The face is laid out in 96-DPI units: Skaluj turns one into device pixels at dpi, Odskaluj turns
// device pixels back. Both round halves away from zero, as MulDiv does.
int Skaluj(int hodnota, int dpi);
int Odskaluj(int hodnota, int dpi);
