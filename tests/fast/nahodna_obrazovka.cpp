// Seeded random screens for comparing the fast search with the plain one.
#include "tests/fast/nahodna_obrazovka.h"

#include <cstring>

namespace {

int Nahodne(std::mt19937& g, int od, int po) {
    return std::uniform_int_distribution<int>(od, po)(g);
}

bool Pravdepodobne(std::mt19937& g, double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(g) < p;
}

COLORREF SedaPasma(std::mt19937& g, unsigned pasmo) {
    return (32u * (pasmo % 8u) + static_cast<unsigned>(Nahodne(g, 0, 31))) * 0x010101u;
}

// The colour of a shape: mostly a grey of the band, else something that must not count.
COLORREF FarbaTvaru(std::mt19937& g, unsigned pasmo) {
    int druh = Nahodne(g, 0, 9);
    COLORREF seda = SedaPasma(g, pasmo);
    if (druh <= 5)
        return seda;
    if (druh == 6)
        return (32u * ((pasmo + 1u + static_cast<unsigned>(Nahodne(g, 0, 6))) % 8u) + 5u) *
               0x010101u;
    if (druh == 7)
        return seda ^ (1u << Nahodne(g, 0, 23));
    if (druh == 8)
        return seda | (static_cast<COLORREF>(Nahodne(g, 1, 255)) << 24);
    return static_cast<COLORREF>(Nahodne(g, 0, 0x7FFFFFFF));
}

struct Platno {
    Obrazovka& o;
    std::mt19937& g;
    unsigned pasmo;
    COLORREF farba;
    bool pestra; // each pixel draws its own band grey
};

void Bod(Platno& p, int x, int y) {
    if (x < 0 || y < 0 || x >= p.o.sirka || y >= p.o.vyska)
        return;
    COLORREF c = p.pestra ? SedaPasma(p.g, p.pasmo) : p.farba;
    p.o.farby[static_cast<size_t>(y) * p.o.krok + x] = c;
}

void Obdlznik(Platno& p, int x0, int y0, int w, int h, int hrubka) {
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            bool okraj =
                x < x0 + hrubka || x >= x0 + w - hrubka || y < y0 + hrubka || y >= y0 + h - hrubka;
            if (hrubka == 0 || okraj)
                Bod(p, x, y);
        }
}

void Kruh(Platno& p, int cx, int cy, int r) {
    for (int y = -r; y <= r; y++)
        for (int x = -r; x <= r; x++)
            if (x * x + y * y <= r * r)
                Bod(p, cx + x, cy + y);
}

void Trojuholnik(Platno& p, int x0, int y0, int a, bool obrateny) {
    for (int y = 0; y < a; y++)
        for (int x = 0; x <= (obrateny ? a - 1 - y : y); x++)
            Bod(p, x0 + x, y0 + y);
}

// A U (bar at the bottom) or an n (bar at the top).
void Podkova(Platno& p, int x0, int y0, int w, int h, int hrubka, bool hore) {
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            bool stlpik = x < hrubka || x >= w - hrubka;
            bool priecka = hore ? y < hrubka : y >= h - hrubka;
            if (stlpik || priecka)
                Bod(p, x0 + x, y0 + y);
        }
}

void Hreben(Platno& p, int x0, int y0, int zubov, int dlzka, bool hore) {
    int medzera = Nahodne(p.g, 1, 3);
    int sirkaZubu = Nahodne(p.g, 1, 3);
    int w = zubov * (sirkaZubu + medzera);
    for (int x = 0; x < w; x++)
        Bod(p, x0 + x, hore ? y0 : y0 + dlzka);
    for (int z = 0; z < zubov; z++)
        for (int y = 0; y < dlzka; y++)
            for (int x = 0; x < sirkaZubu; x++)
                Bod(p, x0 + z * (sirkaZubu + medzera) + x, y0 + (hore ? 1 : 0) + y);
}

void Sum(Platno& p, int x0, int y0, int w, int h, double hustota) {
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++)
            if (Pravdepodobne(p.g, hustota))
                Bod(p, x, y);
}

void RiadkySMedzerami(Platno& p, int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; y++) {
        if (Pravdepodobne(p.g, 0.2))
            continue;
        for (int x = x0; x < x0 + w; x++)
            if (!Pravdepodobne(p.g, 0.15))
                Bod(p, x, y);
    }
}

void Ciara(Platno& p, int x0, int y0, int dlzka, int smer) {
    for (int i = 0; i < dlzka; i++) {
        if (smer == 0)
            Bod(p, x0 + i, y0);
        else if (smer == 1)
            Bod(p, x0, y0 + i);
        else
            Bod(p, x0 + i, y0 + i), Bod(p, x0 + i + 1, y0 + i);
    }
}

void Tvar(Platno& p) {
    Obrazovka& o = p.o;
    int x = Nahodne(p.g, -8, o.sirka + 2);
    int y = Nahodne(p.g, -8, o.vyska + 2);
    int w = Nahodne(p.g, 1, 24);
    int h = Nahodne(p.g, 1, 24);
    p.farba = FarbaTvaru(p.g, p.pasmo);
    p.pestra = Pravdepodobne(p.g, 0.15);
    switch (Nahodne(p.g, 0, 11)) {
    case 0:
        Obdlznik(p, x, y, w, h, 0);
        break;
    case 1:
        Obdlznik(p, x, y, w, h, Nahodne(p.g, 1, 3));
        break;
    case 2:
        Kruh(p, x, y, Nahodne(p.g, 0, 12));
        break;
    case 3:
        Trojuholnik(p, x, y, w, Pravdepodobne(p.g, 0.5));
        break;
    case 4:
    case 5:
        Podkova(p, x, y, w + 2, h + 2, Nahodne(p.g, 1, 3), Pravdepodobne(p.g, 0.5));
        break;
    case 6:
        Hreben(p, x, y, Nahodne(p.g, 2, 8), Nahodne(p.g, 1, 12), Pravdepodobne(p.g, 0.5));
        break;
    case 7:
    case 8:
        Sum(p, x, y, w, h, std::uniform_real_distribution<double>(0.2, 0.9)(p.g));
        break;
    case 9:
        RiadkySMedzerami(p, x, y, w, h);
        break;
    case 10:
        Ciara(p, x, y, Nahodne(p.g, 1, 30), Nahodne(p.g, 0, 2));
        break;
    default:
        for (int i = Nahodne(p.g, 1, 20); i > 0; i--)
            Bod(p, Nahodne(p.g, 0, o.sirka), Nahodne(p.g, 0, o.vyska));
        break;
    }
}

Obrazovka Prazdna(std::mt19937& g, int sirka, int vyska, unsigned pasmo, COLORREF pozadie) {
    Obrazovka o;
    o.sirka = sirka;
    o.vyska = vyska;
    o.krok = sirka + (Pravdepodobne(g, 0.5) ? Nahodne(g, 1, 5) : 0);
    o.farby.assign(static_cast<size_t>(o.krok) * vyska, pozadie);
    for (int y = 0; y < vyska; y++)
        for (int x = sirka; x < o.krok; x++)
            o.farby[static_cast<size_t>(y) * o.krok + x] = SedaPasma(g, pasmo);
    return o;
}

} // namespace

Obrazovka NahodnaObrazovka(std::mt19937& g, int sirka, int vyska, unsigned pasmo) {
    static const COLORREF pozadia[] = {0xFFFFFF, 0xF0F0F0, 0x000000, 0x336699, 0xFFFFFFFF};
    COLORREF pozadie = pozadia[Nahodne(g, 0, 4)];
    if (Pravdepodobne(g, 0.1))
        pozadie = SedaPasma(g, pasmo);
    Obrazovka o = Prazdna(g, sirka, vyska, pasmo, pozadie);
    Platno p = {o, g, pasmo, 0, false};
    int tvarov = Nahodne(g, 0, 2 + sirka * vyska / 120);
    for (int i = 0; i < tvarov; i++)
        Tvar(p);
    return o;
}

Obrazovka SumovaObrazovka(std::mt19937& g, int sirka, int vyska, unsigned pasmo, double p) {
    Obrazovka o = Prazdna(g, sirka, vyska, pasmo, 0xFFFFFF);
    for (int y = 0; y < vyska; y++)
        for (int x = 0; x < sirka; x++) {
            COLORREF c = Pravdepodobne(g, 0.5) ? 0xFFFFFFu : 0u;
            if (Pravdepodobne(g, p))
                c = SedaPasma(g, pasmo);
            o.farby[static_cast<size_t>(y) * o.krok + x] = c;
        }
    return o;
}

Obrazovka ObrazovkaZTextu(const std::vector<const char*>& riadky) {
    Obrazovka o;
    o.vyska = static_cast<int>(riadky.size());
    o.sirka = 0;
    for (const char* r : riadky)
        if (static_cast<int>(std::strlen(r)) > o.sirka)
            o.sirka = static_cast<int>(std::strlen(r));
    o.krok = o.sirka;
    o.farby.assign(static_cast<size_t>(o.krok) * o.vyska, 0xFFFFFF);
    for (int y = 0; y < o.vyska; y++)
        for (int x = 0; riadky[y][x] != 0; x++)
            if (riadky[y][x] == '#')
                o.farby[static_cast<size_t>(y) * o.krok + x] = 64u * 0x010101u;
    return o;
}
