// The process-wide application state: every variable the program shares, declared once.
#pragma once

#include "base/wintypy.h"

// Settings, saved in the registry between runs.
extern DWORD stupne_sedi;     // grey band 32 * value .. 32 * value + 31; the face shows value + 1
extern DWORD VelkostObjektu;  // minimum box width and height in pixels
extern DWORD percento_vyplne; // minimum share of the box covered by the object's pixels
extern DWORD volba;           // selected settings row, kVolbaStupen..kVolbaObjekt
extern DWORD sledovanie_kurzora; // 1 = cursor tracking on; any other value = off
extern DWORD spajanie;           // grouping of the search: 4 or 8 touching pixels, 0 by rows
extern DWORD g_dwWindowPos;      // window's top-left corner: left in the low word, top in the high
extern DWORD g_dwWindowSize;     // outer size at the last close: width low, height high
extern DWORD g_dwWindowShow;     // showCmd of the placement at the last close
extern DWORD ukazat_objekty;     // 0 = the objects found are not outlined on screen; else they are
extern DWORD skratky;            // 0 = no system-wide Ctrl+Alt chords; else they are registered
extern DWORD cielova_farba;      // objects of colours near this one (0x00BBGGRR); kBezFarby: greys
extern DWORD odchylka;           // how far, 0..64, a pixel may be from a grey or from cielova_farba

// Fixed values.
extern const int g_cas_timera;  // timer 1 period, ms
extern const int hl_okno_sirka; // main window's outer width
extern const int hl_okno_vyska; // outer height with tracking on; 17 less with it off
extern const int tvar_sirka;    // the face's client width, 96-DPI units
extern const int tvar_vyska;    // its client height with tracking on; 17 less with it off

// The main window's DPI: the face's 96-DPI units are drawn at dpi_okna / 96.
extern int dpi_okna;

// Search results and navigation.
extern int PocetObjektov;            // objects found by the last search
extern POINT* centers;               // centre of each object, screen pixels
extern RECT* objekty;                // box of each object, right and bottom inclusive
extern int poloziek_dskt_point_pola; // entries of centers
extern int poloziek_dskt_rect_pola;  // entries of objekty
extern int cislo_objektu;            // current object, from 1; 0 = none

// cielova_farba when objects are greys of the band: with a top byte, it is no colour.
const DWORD kBezFarby = 0xFFFFFFFFu;
// The largest odchylka.
const DWORD kNajvacsiaOdchylka = 64;

// The settings rows volba selects; the registry holds these numbers.
const DWORD kVolbaStupen = 1;  // the grey band
const DWORD kVolbaVelkost = 2; // the minimum size
const DWORD kVolbaVypln = 3;   // the fill percentage
const DWORD kVolbaObjekt = 4;  // the current object, offered only with results

// What the status box says.
const int kStatusNapoveda = 0;   // the hint: ENTER searches
const int kStatusHladam = 1;     // a search is running
const int kStatusPocet = 2;      // the number of objects found
const int kStatusNic = 3;        // nothing found
const int kStatusNezapisane = 4; // Stredy.txt could not be written
const int kStatusMaloPamate = 5; // no memory for the search
const int kStatusSkratky = 6;    // chords held by another program (obsadene_skratky)

// User-interface state.
extern int status;             // one of the kStatus values
extern int vypinac_TAB;        // 1 = the next TAB goes to the current object without advancing
extern int nastavenia_ulozene; // 1 once the settings have been saved this run
extern int obsadene_skratky;   // the chords another program holds, bit i = chord i (klavesy.h)

// Pause counters of the mouse toolbox, which the program does not call.
extern int g_timer_pocet;
extern int g_timer_pocitadlo;
