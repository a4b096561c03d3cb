// The main window's key table and search bookkeeping as plain state changes, free of the platform.
#pragma once

#include "base/wintypy.h"

// One step along the minimum-size ladder (1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to
// 1000 by 50, then by 100). Off-ladder values move by the same cascade of thresholds.
DWORD KrokVelkostiHore(DWORD velkost);
DWORD KrokVelkostiDole(DWORD velkost);

// LEFT and RIGHT on the selected row; RIGHT on row 2 is bounded by the desktop client width.
void KlavesVlavo();
void KlavesVpravo(int sirka_desktopu);

// F: the colour under the cursor becomes the target of the search; a reading that is no colour (a
// top byte, as CLR_INVALID) changes nothing. LEFT or RIGHT on row 1 then goes back to the grey
// band as it was; the next one moves the band.
void KlavesFarba(COLORREF farba);

// UP and DOWN move the row selection, wrapping over the rows offered (row 4 only with results).
void KlavesHore();
void KlavesDole();

// ENTER: the searching state before the search, and the bookkeeping of its result after it.
// A result of -1 is a search that found nothing for want of memory, shown as such
// (kStatusMaloPamate).
void ZaciatokHladania();
void VysledokHladania(int pocet);
// The centre file could not be written: said in the status box (kStatusNezapisane); the results
// stand.
void StredyNezapisane();

// TAB: 1 when the cursor is to jump, with the target centre in *ciel; 0 when nothing happens.
int SkokTAB(POINT* ciel);
// SHIFT+TAB: the same rules stepping back, wrapping from the first object to the last.
int SkokSpat(POINT* ciel);

// Objects od..po (numbers from 1) to outline on screen: all found ones after a search, else the
// current one. 0, and an empty range, when the outlines are off or nothing was found.
int ObrysyNaUkazanie(int vsetky, int* od, int* po);

// WM_CREATE: a saved row 4 has no results to select yet.
void VolbaPoVytvoreni();

// Left click: back to the idle hint; results stay.
void KlikDoOkna();
