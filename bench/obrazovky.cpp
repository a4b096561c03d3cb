// Deterministic benchmark screens: a desktop, a grey user interface and noise.
#include "bench/obrazovky.h"

#include <cstddef>
#include <cstdint>

namespace {

// A small fixed generator, so the screens are the same on every platform and library.
struct Generator {
    uint64_t stav;
};

uint32_t Dalsie(Generator& g) {
    g.stav = g.stav * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(g.stav >> 33);
}

int Medzi(Generator& g, int od, int po) {
    return od + static_cast<int>(Dalsie(g) % static_cast<uint32_t>(po - od + 1));
}

COLORREF Seda(Generator& g) {
    return (32u * kPasmoBench + Dalsie(g) % 32u) * 0x010101u;
}

void Vypln(std::vector<COLORREF>& o, int sirka, int vyska, int x0, int y0, int w, int h,
           COLORREF c) {
    for (int y = y0 < 0 ? 0 : y0; y < y0 + h && y < vyska; y++)
        for (int x = x0 < 0 ? 0 : x0; x < x0 + w && x < sirka; x++)
            o[static_cast<std::size_t>(y) * sirka + x] = c;
}

void Kruh(std::vector<COLORREF>& o, int sirka, int vyska, int cx, int cy, int r, COLORREF c) {
    for (int y = cy - r; y <= cy + r; y++)
        for (int x = cx - r; x <= cx + r; x++)
            if (x >= 0 && y >= 0 && x < sirka && y < vyska &&
                (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                o[static_cast<std::size_t>(y) * sirka + x] = c;
}

} // namespace

std::vector<COLORREF> ObrazovkaPlocha(int sirka, int vyska) {
    Generator g = {1};
    std::vector<COLORREF> o(static_cast<std::size_t>(sirka) * vyska, 0xF4F0EC);
    // Lighter and darker panels of non-grey light colours.
    for (int i = 0; i < 12; i++)
        Vypln(o, sirka, vyska, Medzi(g, 0, sirka), Medzi(g, 0, vyska), Medzi(g, 100, 800),
              Medzi(g, 100, 600), 0xE0E8F0u + Dalsie(g) % 8u);
    int tvarov = static_cast<int>(200.0 * sirka * vyska / (1920.0 * 1080.0));
    for (int i = 0; i < tvarov; i++) {
        int x = Medzi(g, 0, sirka - 1);
        int y = Medzi(g, 0, vyska - 1);
        int w = Medzi(g, 10, 80);
        int h = Medzi(g, 10, 80);
        COLORREF c = Seda(g);
        switch (i % 3) {
        case 0:
            Vypln(o, sirka, vyska, x, y, w, h, c);
            break;
        case 1:
            Kruh(o, sirka, vyska, x, y, w / 2, c);
            break;
        default:
            Vypln(o, sirka, vyska, x, y, w, h, c);
            Vypln(o, sirka, vyska, x + 3, y + 3, w - 6, h - 6, 0xF4F0EC);
            break;
        }
    }
    // A task bar, a title bar and two scroll bars.
    Vypln(o, sirka, vyska, 0, vyska - 40, sirka, 40, Seda(g));
    Vypln(o, sirka, vyska, 0, 0, sirka, 24, Seda(g));
    Vypln(o, sirka, vyska, sirka - 18, 24, 18, vyska - 64, Seda(g));
    Vypln(o, sirka, vyska, 0, vyska - 58, sirka - 18, 18, Seda(g));
    return o;
}

std::vector<COLORREF> ObrazovkaSedeRozhranie(int sirka, int vyska) {
    Generator g = {2};
    std::vector<COLORREF> o(static_cast<std::size_t>(sirka) * vyska, 0xFFFFFF);
    // Panels covering about two thirds of the screen.
    int bunka = 160;
    for (int y0 = 0; y0 < vyska; y0 += bunka)
        for (int x0 = 0; x0 < sirka; x0 += bunka)
            if (Dalsie(g) % 100 < 70)
                Vypln(o, sirka, vyska, x0 + 2, y0 + 2, bunka - 4, bunka - 4, Seda(g));
    // Lines of text: glyphs of 6 x 9 cells, about a third of each glyph's pixels dark.
    for (int y = 4; y + 9 < vyska; y += 14)
        for (int x = 4; x + 6 < sirka; x += 7) {
            if (Dalsie(g) % 100 < 15)
                continue;
            for (int dy = 0; dy < 9; dy++)
                for (int dx = 0; dx < 6; dx++)
                    if (Dalsie(g) % 100 < 30)
                        o[static_cast<std::size_t>(y + dy) * sirka + x + dx] = 0x202020u;
        }
    return o;
}

std::vector<COLORREF> ObrazovkaSum(int sirka, int vyska) {
    Generator g = {3};
    std::vector<COLORREF> o(static_cast<std::size_t>(sirka) * vyska);
    for (COLORREF& c : o)
        c = Dalsie(g) % 2 == 0 ? Seda(g) : 0x00406080u + Dalsie(g) % 64u;
    return o;
}
