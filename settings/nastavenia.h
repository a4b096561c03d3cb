// The settings' arithmetic: the packed words of the placement, the window kept on a monitor, the
// search settings and the once-per-run save.
#pragma once

#include "base/wintypy.h"

// Two 16-bit halves in one word: each cut to its low 16 bits, the high half shifted up.
DWORD ZbalSlova(int dolne, int horne);

// Top-left corner, packed, that centres the main window on a desktop of the given size.
DWORD StredovaPoloha(int sirka_desktopu, int vyska_desktopu);

// The two halves of a packed word, each read as a signed 16-bit number.
void RozbalSlova(DWORD slovo, int* dolne, int* horne);

// The settings one search runs with.
struct NastaveniaHladania {
    DWORD stupne_sedi;
    DWORD VelkostObjektu;
    DWORD percento_vyplne;
    DWORD spajanie; // 0 rows, 4 or 8 neighbours
    DWORD odchylka;
    DWORD farba; // kBezFarby: greys of the band
};

// 1 the first time it is asked, 0 after: the settings are saved once per run, whether the window
// closes or the session ends first.
int PrvyZapisNastaveni();

// 1 when the main window at the packed position would overlap one of the work areas.
int NaPracovnejPloche(DWORD poloha, const RECT* pracovne, int pocet);

// The monitor a window rectangle lies mostly on.
int MonitorOkna(RECT okno, const RECT* plochy, int pocet);

// Keeps the window's width and height; an area smaller than the window leaves it past the left
// and top edges.
void PritiahniNaPlochu(RECT* okno, RECT plocha);

// A window that grew, kept on the work area of the monitor it lies mostly on (of pocet): moved up
// and left as far as its bottom and right edges need, but no higher or further left than the
// area's top and left edges or its own. Unchanged with no monitor.
RECT OknoNaPracovnejPloche(RECT okno, const RECT* plochy, const RECT* pracovne, int pocet);

// A grouping the program does not know groups by rows (0).
DWORD ZnameSpajanie(DWORD spajanie);

// "RRGGBB", six hexadecimal digits in either case, as 0x00BBGGRR; 0 for anything else.
int FarbaZTextu(const char* text, DWORD* farba);

// A saved tolerance past the largest counts as the largest.
DWORD ZnamaOdchylka(DWORD odchylka);

// A saved colour with a top byte is none: greys of the band.
DWORD ZnamaFarba(DWORD farba);
