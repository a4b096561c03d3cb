// The command-line finder's parts: options, PNG reading, output.
#pragma once

#include "base/stav.h"
#include "base/wintypy.h"

#include <string>

struct NastaveniaCli {
    unsigned stupen_sedi = 0;
    bool stupen_zadany = false;
    COLORREF farba = kBezFarby; // a colour searched instead of the grey band
    int odchylka = 0;
    int min_velkost = 20;
    int percento_vyplne = 70;
    int spajanie = 0;         // 0 by rows, 4 or 8 touching pixels
    RECT okno = {1, 1, 0, 0}; // empty: nothing excluded
    const char* vystupny_subor = nullptr;
    bool json = false;
    bool pomoc = false;
    bool verzia = false;
    const char* obrazok = nullptr;
};

extern const char* const kPouzitie;

// Reads the command line; false with a one-line message on bad input.
bool CitajArgumenty(int argc, char** argv, NastaveniaCli* nastavenia, std::string* chyba);

// Reads a PNG into a pixel table of 0x00BBGGRR values, width x height, allocated with malloc.
// Images wider or higher than kMaxRozmer are refused before anything is allocated for them.
constexpr int kMaxRozmer = 16384;
bool CitajPng(const char* cesta, COLORREF** tabulka, int* sirka, int* vyska, std::string* chyba);

// Writes the centre file to cesta through a temporary file in the same directory, so that a
// failure leaves no partial file behind.
bool ZapisStredy(const char* cesta, const POINT* stredy, int pocet, std::string* chyba);
