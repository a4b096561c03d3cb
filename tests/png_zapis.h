// Test helper: writes a pixel table (0x00BBGGRR) as a PNG of any colour type and bit depth.
#pragma once

#include "app/wintypy.h"

#include <string>
#include <vector>

struct PngVolby {
    int typ = 2;               // PNG colour type: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
    int hlbka = 8;             // bits per sample: 1, 2, 4, 8 or 16 as the type allows
    bool prekladane = false;   // Adam7 interlacing
    bool priehladnost = false; // a tRNS chunk (palette and grey/RGB types)
};

// Grey types store the red channel. 16-bit samples get the value in the high byte and a varying low
// byte; alpha varies from pixel to pixel. Palettes hold the table's distinct colours (at most
// 2^hlbka). Returns false when the file cannot be written.
bool ZapisPng(const std::string& cesta, int w, int h, const std::vector<COLORREF>& px,
              const PngVolby& volby = PngVolby());
