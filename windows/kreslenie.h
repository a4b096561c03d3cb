// GDI drawing: the text, box and line primitives, the key glyphs, the face and the outlines.
#pragma once

#include <windows.h>

// Every position, size, font height and pen width below is in 96-DPI units, drawn at dpi_okna;
// the extents the text routines report are in the same units.

// The font of a face, device height (0: the stock GUI font's), weight and escapement, made once
// and kept for the whole process.
HFONT Pismo(const char* tvar, int vyska, int vaha, int uhol);

// The extent in device pixels of a text in that face at that device height, not scaled, without
// drawing it (at 96 DPI what Napis reports).
SIZE RozmerTextu(HDC dc, const char* text, int vyska, const char* tvar);
void Napis(HDC dc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int tucne, int otocit, const char* pismo);
void NapisDouble(HDC dc, SIZE* rozmer, const char* format, double hodnota, int x, int y,
                 COLORREF farba, int vyska, int tucne, const char* pismo);
// NapisFloat belongs to the toolkit: the program does not call it.
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

// In device pixels, for a layout made at the window's DPI: the text drawn at (x, y) in a face of
// the given font height (negative: character height); RozmerTextu measures it.
void NapisVBodoch(HDC dc, const char* text, int x, int y, COLORREF farba, const char* tvar,
                  int vyska);

// Paints the whole face of the main window into *dc.
void OnWM_PAINT(HDC* dc, HWND okno);

// Paints the outlines of objects od..po with their numbers over the screen rectangle oblast
// (right and bottom exclusive), whose top-left corner is the device context's origin; the rest
// is filled with the colour key.
void KresliObrysy(HDC dc, RECT oblast, int od, int po, COLORREF kluc);
