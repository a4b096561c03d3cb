// Drawing: the text, box and line primitives, the key glyphs and the main window painter.
#pragma once

#include "app/wintypy.h"

#include <cstdint>

// ---- Platform-free helpers (zornavit_core) ----

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

// Top-left corner of an object's number label of the given size: above the outline's top-left
// corner, below the box where the area (right and bottom exclusive) ends above it, always in it.
POINT PolohaCisla(RECT box, SIZE stitok, RECT oblast);

// The part of the screen (right and bottom exclusive) that the outlines of boxes od..po (numbers
// from 1) and their labels need: the boxes' union grown by okraj on every side, cut to the screen.
RECT OblastObrysov(const RECT* boxy, int od, int po, int okraj, RECT obrazovka);
// That area less one pixel line on a side it shares with each monitor (right and bottom exclusive)
// it would cover whole: wine without a window manager holds the thread for two seconds when it
// hides a popup covering a whole monitor. A monitor the area passes on all four sides stays
// covered.
RECT OblastBezCelehoMonitora(RECT oblast, const RECT* monitory, int pocet);

// The face is laid out in 96-DPI units: Skaluj turns one into device pixels at dpi, Odskaluj turns
// device pixels back. Both round halves away from zero, as MulDiv does.
int Skaluj(int hodnota, int dpi);
int Odskaluj(int hodnota, int dpi);

// ---- Win32 drawing (zornavit) ----
// Every position, size, font height and pen width below is in 96-DPI units, drawn at dpi_okna;
// the extents the text routines report are in the same units.

// The font of a face, device height (0: the stock GUI font's), weight and escapement, made once
// and kept for the whole process.
HFONT Pismo(const char* tvar, int vyska, int vaha, int uhol);

void Napis(HDC dc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int tucne, int otocit, const char* pismo);
void NapisDouble(HDC dc, SIZE* rozmer, const char* format, double hodnota, int x, int y,
                 COLORREF farba, int vyska, int tucne, const char* pismo);
void NapisFloat(HDC dc, SIZE* rozmer, const char* format, float hodnota, int x, int y,
                COLORREF farba, int vyska, int tucne, const char* pismo);
void Okienko(HDC dc, int obrys, int vypln, int roh, int vlavo, int hore, int sirka, int vyska);
void Usecka(HDC dc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2);

void Klavesa(HDC dc, SIZE* rozmer, const char* text, int roh, int x, int y);
void KlavesaMala(HDC dc, SIZE* rozmer, const char* text, int roh, int x, int y);
void SipkaVpravo(HDC dc, int s, int x, int y);
void SipkaVlavo(HDC dc, int s, int x, int y);
void SipkaHore(HDC dc, int s, int x, int y);
void SipkaDole(HDC dc, int s, int x, int y);

// Paints the whole face of the main window into *dc.
void OnWM_PAINT(HDC* dc, HWND okno);

// Paints the outlines of objects od..po with their numbers over the screen rectangle oblast
// (right and bottom exclusive), whose top-left corner is the device context's origin; the rest
// is filled with the colour key.
void KresliObrysy(HDC dc, RECT oblast, int od, int po, COLORREF kluc);
