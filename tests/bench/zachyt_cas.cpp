// Times the three steps of a search as the program makes them (screen copy, search, centre file) on
// the current screen; a measuring tool run under wine64 by scripts/bench-wine, not a test.
//
// usage: zachyt_cas.exe [repetitions] [grey setting] [min size] [fill percent]
// Prints "name: value" lines; times in milliseconds, the first repetition (which also makes the
// copy's bitmap and the search's tables) apart from the median and minimum of the others.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/stav.h"
#include "search/hladanie.h"

namespace {

double Milisekundy(LARGE_INTEGER od, LARGE_INTEGER po, LARGE_INTEGER frekvencia) {
    return 1000.0 * static_cast<double>(po.QuadPart - od.QuadPart) /
           static_cast<double>(frekvencia.QuadPart);
}

double Median(std::vector<double> hodnoty) {
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n % 2 == 1 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2.0;
}

void VypisCasy(const char* meno, const std::vector<double>& casy) {
    std::printf("%s_first_ms: %.3f\n", meno, casy.front());
    if (casy.size() < 2)
        return;
    const std::vector<double> dalsie(casy.begin() + 1, casy.end());
    std::printf("%s_median_ms: %.3f\n", meno, Median(dalsie));
    std::printf("%s_min_ms: %.3f\n", meno, *std::min_element(dalsie.begin(), dalsie.end()));
}

int Argument(int argc, char** argv, int i, int predvolene) {
    return argc > i ? std::atoi(argv[i]) : predvolene;
}

} // namespace

int main(int argc, char** argv) {
    const int opakovania = std::max(1, Argument(argc, argv, 1, 10));
    const unsigned stupen = static_cast<unsigned>(Argument(argc, argv, 2, 0));
    const int min_velkost = Argument(argc, argv, 3, 20);
    const int percento = Argument(argc, argv, 4, 70);

    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    // Where the program's window stands on its first start: centred, 224 x 242.
    const RECT okno = {sirka / 2 - 112, vyska / 2 - 121, sirka / 2 + 112, vyska / 2 + 121};
    const int kapacita = std::min(poloziek_dskt_point_pola, poloziek_dskt_rect_pola);

    LARGE_INTEGER frekvencia;
    QueryPerformanceFrequency(&frekvencia);
    std::vector<double> kopia, hladanie, subor, spolu;
    int pocet = 0;
    for (int i = 0; i < opakovania; ++i) {
        LARGE_INTEGER t0, t1, t2, t3;
        QueryPerformanceCounter(&t0);
        const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
        QueryPerformanceCounter(&t1);
        if (farby == nullptr) {
            std::printf("error: no copy of the %dx%d screen\n", sirka, vyska);
            return 1;
        }
        pocet = HladajObjekty(farby, sirka, sirka, vyska, okno, stupen, min_velkost, percento,
                              centers, objekty, kapacita);
        QueryPerformanceCounter(&t2);
        const int zapisane = PointPoleDoTxt("Stredy.txt", centers, std::max(pocet, 0));
        QueryPerformanceCounter(&t3);
        if (pocet < 0 || zapisane != 1) {
            std::printf("error: search %d, centre file %d\n", pocet, zapisane);
            return 1;
        }
        kopia.push_back(Milisekundy(t0, t1, frekvencia));
        hladanie.push_back(Milisekundy(t1, t2, frekvencia));
        subor.push_back(Milisekundy(t2, t3, frekvencia));
        spolu.push_back(Milisekundy(t0, t3, frekvencia));
    }
    std::printf("screen: %dx%d\n", sirka, vyska);
    std::printf("objects: %d\n", pocet);
    std::printf("repetitions: %d\n", opakovania);
    VypisCasy("capture", kopia);
    VypisCasy("search", hladanie);
    VypisCasy("file", subor);
    VypisCasy("total", spolu);
    return 0;
}
