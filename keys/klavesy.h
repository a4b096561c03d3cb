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

// What a key in the window or a system-wide chord does; a chord does exactly what its key does.
const int kUkonNic = 0;
const int kUkonHladaj = 1;    // ENTER
const int kUkonDalsi = 2;     // TAB
const int kUkonSpat = 3;      // SHIFT+TAB
const int kUkonKlik = 4;      // SPACE: the left button
const int kUkonKlikPravy = 5; // SHIFT+SPACE
const int kUkonDvojklik = 6;  // CTRL+SPACE

// Windows' virtual-key codes of the keys named here.
const int kKlavesTab = 0x09;
const int kKlavesEnter = 0x0D;
const int kKlavesMedzera = 0x20;
const int kKlavesPgUp = 0x21;
const int kKlavesPgDn = 0x22;

// A key pressed in the window, with SHIFT and CTRL held or not: a search, a jump or a click, or
// kUkonNic for the keys that only change the settings. A key held down (opakovany) clicks once.
int UkonKlavesu(int klaves, int shift, int ctrl, int opakovany);

// The chords Ctrl+Alt with ENTER, PAGE DOWN, PAGE UP and SPACE: no letters or digits, which
// Ctrl+Alt types as AltGr on Slovak, Czech and German layouts. Chord i is bit i of a mask.
const int kPocetSkratiek = 4;
int KlavesSkratky(int i);
int UkonSkratky(int i);
// The chords that another program holds (a mask): said in the status box (kStatusSkratky).
void SkratkyObsadene(int maska);
// The status box's text for the chords in obsadene_skratky, code page 1250; its length.
int TextObsadenychSkratiek(char* text, int velkost);

// The click's target: the current object's centre, where the cursor goes first as on TAB. 0 when
// there is no current object.
int CielKliku(POINT* ciel);

// Jump by number: the digit of a key (0..9 on the main and the numeric keys), else -1.
int CifraKlavesu(int klaves);
// A digit typed at tick cas (ms). Digits typed less than kCasCifier apart make one number. Returns
// the object to jump to now (its number is no prefix of another object's), kCisloCaka while the
// number may still grow, or kCisloZiadne when no object has it.
const unsigned kCasCifier = 1000;
const int kCisloCaka = 0;
const int kCisloZiadne = -1;
int CifraCisla(int cifra, unsigned cas);
// The wait for more digits is over: the object of the number typed so far, else kCisloZiadne.
int KoniecCisla();
// Any other key drops the number being typed.
void ZrusCislo();
// Jump to object cislo: the target centre in *ciel; it becomes the current object.
void SkokNaCislo(int cislo, POINT* ciel);

// Before the window's search copies the screen, so that the outlines are never part of the copy.
// Windows 10 version 2004 (build 19041) is the first to leave a window out of screen captures.
// Earlier builds accept the same request and make the window black in every capture instead, which
// would put a box of grey-band-0 pixels into the copy: there it is not asked for at all.
int VylucenieZoSnimokMozne(DWORD zostava);

// The steps before the copy, as flags.
const int kHnedSnimka = 0;
const int kSkrytObrysy = 1;
const int kPockatNaKompoziciu = 2; // one composition of the desktop, so that the hide is on screen

// vylucene: the outlines window is out of every capture; kompozicia: the desktop is composited;
// na_obrazovke: the outlines are shown, or were hidden too recently to be sure they are gone.
int KrokyPredSnimkou(int vylucene, int kompozicia, int na_obrazovke);
