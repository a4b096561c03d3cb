// Deterministic benchmark screens: a desktop, a grey user interface and noise.
#pragma once

#include "base/wintypy.h"

#include <vector>

// Every screen uses greys of this band for what should be searched.
const unsigned kPasmoBench = 2;

// Light background, about 200 grey shapes of 10 to 80 pixels per full-HD area, a few long bars.
std::vector<COLORREF> ObrazovkaPlocha(int sirka, int vyska);

// About 60 % of the pixels in the band, in large panels with many small dark holes like text.
std::vector<COLORREF> ObrazovkaSedeRozhranie(int sirka, int vyska);

// Each pixel a grey of the band with probability 0.5, else another colour.
std::vector<COLORREF> ObrazovkaSum(int sirka, int vyska);
