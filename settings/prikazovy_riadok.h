// The command line of the batch search: its switches, the checks of their values, the usage text.
#pragma once

#include <climits>
#include <string>

#include "base/wintypy.h"
#include "settings/nastavenia.h"

// What the command line asks for.
const int kRezimOkno = 0;   // no switch of the batch search: the window starts, the rest is ignored
const int kRezimHladaj = 1; // one search with the settings below, then the end
const int kRezimPomoc = 2;  // /?: the usage text
const int kRezimChyba = 3;  // a bad switch or value: the message in chyba

// A setting the command line leaves to the saved one.
const DWORD kNezadane = 0xFFFFFFFFu;

// The part of the screen searched.
const int kOblastCela = 0;    // the whole virtual screen
const int kOblastZadana = 1;  // /oblast: the rectangle in oblast
const int kOblastOkno = 2;    // /okno: the foreground window's visible frame
const int kOblastMonitor = 3; // /monitor N: monitor N, 1 the primary
const DWORD kNajviacMonitor = 99;

// /subor with this name writes the centre lines to standard output.
extern const char* const kStandardnyVystup;

struct PrikazovyRiadok {
    int rezim = kRezimOkno;
    DWORD stupen = kNezadane;         // grey band 0..7
    DWORD velkost = kNezadane;        // minimum size 0..65535
    DWORD vypln = kNezadane;          // fill percentage 0..100
    DWORD spajanie = kNezadane;       // grouping of pixels: 0 rows, 4 or 8 neighbours
    DWORD farba = kNezadane;          // objects of this colour, 0x00BBGGRR, instead of greys
    DWORD odchylka = kNezadane;       // tolerance 0..64
    std::string subor = "Stredy.txt"; // or kStandardnyVystup
    // The objects as JSON on standard output, in place of the lines of /subor -.
    bool json = false;
    int druh_oblasti = kOblastCela;
    // /oblast, right and bottom inclusive; the whole screen by default.
    RECT oblast = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    DWORD monitor = 0; // /monitor: 1..kNajviacMonitor
    std::string chyba; // one line, UTF-8
};

// Reads the arguments after the program's name (UTF-8): switches "/name value" or "/name:value",
// names in any case. Returns the mode, also stored in prikaz->rezim.
int RozoberPrikazovyRiadok(int pocet, const char* const* argumenty, PrikazovyRiadok* prikaz);

// The settings of the batch search: the saved ones with the command line's over them. /stupen asks
// for greys even where the saved settings search a colour.
NastaveniaHladania NastaveniaPrikazu(const PrikazovyRiadok& prikaz, NastaveniaHladania ulozene);

// The usage text printed for /?, UTF-8 with CR LF line ends.
extern const char* const kPouzitieDavky;
