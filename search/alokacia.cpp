// The desktop-sized result arrays: (H + 5) x (W + 5) zero-filled entries, never freed.
#include "search/hladanie.h"

#include <cstdlib>

namespace {

// Entry count for the current desktop, computed in double precision and truncated.
int PocetDsktPoloziek() {
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    return static_cast<int>((static_cast<double>(vyska) + 5.0) * (static_cast<double>(sirka) + 5.0));
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
