// Seeded random screens for comparing the fast search with the plain one.
#pragma once

#include "app/wintypy.h"

#include <random>
#include <vector>

struct Obrazovka {
    int sirka;
    int vyska;
    int krok;
    std::vector<COLORREF> farby;
};

// A screen of sirka x vyska with a random stride; its background, its shapes (filled and hollow
// boxes, discs, triangles, U and n shapes, combs, noise patches, rows with gaps, lines, scattered
// points) and their colours are drawn from g. Most shapes are greys of band pasmo; some are greys
// of other bands, near-greys or greys with a non-zero top byte. The stride's spare columns are
// band grey, so a search that reads past the width shows.
Obrazovka NahodnaObrazovka(std::mt19937& g, int sirka, int vyska, unsigned pasmo);

// Each pixel is a band grey with probability p, else white or black.
Obrazovka SumovaObrazovka(std::mt19937& g, int sirka, int vyska, unsigned pasmo, double p);

// A screen drawn from text: '#' is grey 64 (band 2), anything else white.
Obrazovka ObrazovkaZTextu(const std::vector<const char*>& riadky);
