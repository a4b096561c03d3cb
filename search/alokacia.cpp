// The result arrays of the program, grown with what the search finds, and the desktop-sized
// arrays of (H + 5) x (W + 5) zero-filled entries, never freed.
#include "base/stav.h"
#include "search/desktop.h"
#include "search/hladanie.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Entry count for the current desktop, computed in double precision and truncated.
int PocetDsktPoloziek() {
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    return static_cast<int>((static_cast<double>(vyska) + 5.0) *
                            (static_cast<double>(sirka) + 5.0));
}

} // namespace

POINT* AlokaciaDsktPointPola(int* pocet) {
    static POINT* pamat = nullptr;
    *pocet = PocetDsktPoloziek();
    pamat = static_cast<POINT*>(std::calloc(static_cast<size_t>(*pocet), sizeof(POINT)));
    return pamat;
}

RECT* AlokaciaDsktRectPola(int* pocet) {
    static RECT* pamat = nullptr;
    *pocet = PocetDsktPoloziek();
    pamat = static_cast<RECT*>(std::calloc(static_cast<size_t>(*pocet), sizeof(RECT)));
    return pamat;
}

double* AlokaciaDsktDoublePola(int* pocet) {
    static double* pamat = nullptr;
    *pocet = PocetDsktPoloziek();
    pamat = static_cast<double*>(std::calloc(static_cast<size_t>(*pocet), sizeof(double)));
    return pamat;
}

namespace {

// Room the results start with, and the factor by which they grow when a search fills them.
const int kZaciatokVysledkov = 1024;
const long long kRastVysledkov = 8;

void UvolniVysledky() {
    std::free(centers);
    std::free(objekty);
    centers = nullptr;
    objekty = nullptr;
    poloziek_dskt_point_pola = 0;
    poloziek_dskt_rect_pola = 0;
}

} // namespace

int RezervujVysledky(int pocet) {
    pocet = std::max(pocet, kZaciatokVysledkov);
    if (centers != nullptr && objekty != nullptr && poloziek_dskt_point_pola >= pocet &&
        poloziek_dskt_rect_pola >= pocet)
        return 1;
    // The old entries are not kept: every search writes its results from the start.
    UvolniVysledky();
    centers = static_cast<POINT*>(std::calloc(static_cast<size_t>(pocet), sizeof(POINT)));
    objekty = static_cast<RECT*>(std::calloc(static_cast<size_t>(pocet), sizeof(RECT)));
    if (centers == nullptr || objekty == nullptr) {
        UvolniVysledky();
        return 0;
    }
    poloziek_dskt_point_pola = pocet;
    poloziek_dskt_rect_pola = pocet;
    return 1;
}

// The results start small before WinMain runs; a search grows them to what it finds.
[[maybe_unused]] static const int vysledky_pripravene = RezervujVysledky(0);

long long NajviacObjektov(int sirka, int vyska) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    return (static_cast<long long>(sirka) * vyska + 1) / 2;
}

int HladajDoVysledkov(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                      Odtien odtien, int min_velkost, int percento_vyplne, int spajanie) {
    const long long strop = std::max(NajviacObjektov(sirka, vyska), 1LL);
    long long kapacita =
        std::min<long long>(std::min(poloziek_dskt_point_pola, poloziek_dskt_rect_pola), strop);
    for (;;) {
        if (!RezervujVysledky(static_cast<int>(kapacita)))
            return -1;
        kapacita =
            std::min<long long>(std::min(poloziek_dskt_point_pola, poloziek_dskt_rect_pola), strop);
        const int pocet =
            HladajObjekty(farby, krok, sirka, vyska, okno, odtien, min_velkost, percento_vyplne,
                          spajanie, centers, objekty, static_cast<int>(kapacita));
        if (pocet < kapacita || kapacita >= strop)
            return pocet;
        kapacita = std::min(strop, kapacita * kRastVysledkov);
    }
}

void PamatHladania(int sirka, int vyska, long long* vopred, long long* najviac) {
    const long long vysledok = static_cast<long long>(sizeof(POINT) + sizeof(RECT));
    const long long kopia =
        static_cast<long long>(sirka) * vyska * static_cast<long long>(sizeof(COLORREF));
    *vopred = kopia + PamatTabuliek(sirka, vyska) + vysledok * kZaciatokVysledkov;
    *najviac =
        *vopred + vysledok * std::max(NajviacObjektov(sirka, vyska) - kZaciatokVysledkov, 0LL);
}
