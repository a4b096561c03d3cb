// Times the three steps of a search as the program makes them (screen copy, search, centre file) on
// the current screen, and writes the benchmark screens; a measuring tool run under wine64 by
// scripts/bench-wine, not a test.
//
// usage: zachyt_cas.exe screen desktop|greyui|noise OUT.rgb
//          writes that benchmark screen at the desktop's size as raw RGB rows, top-down
//        zachyt_cas.exe time REPETITIONS GREY MIN_SIZE FILL [LEFT TOP RIGHT BOTTOM]
//          times the steps with the given settings, leaving out the given window rectangle
// Times the fast search that the program calls, then the plain one kept as its reference. Prints
// "name: value" lines; times in milliseconds. The first repetition, which also makes the copy's
// bitmap and the search's tables, is printed apart from the median and minimum of the rest.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/stav.h"
#include "bench/obrazovky.h"
#include "search/ciselne_subory.h"
#include "search/desktop.h"
#include "search/hladanie.h"
#include "tests/oracle/hladanie_doslovne.h"
#include "windows/hladanie_win.h"

namespace {

using Hladanie = int (*)(const COLORREF*, int, int, int, RECT, Odtien, int, int, int, POINT*, RECT*,
                         int);

struct Nastavenia {
    int opakovania;
    unsigned stupen;
    int min_velkost;
    int percento;
    RECT okno;
};

using Cas = std::chrono::steady_clock::time_point;

Cas Teraz() {
    return std::chrono::steady_clock::now();
}

double Milisekundy(Cas od, Cas po) {
    return std::chrono::duration<double, std::milli>(po - od).count();
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

int ZapisObrazovku(const char* meno, const char* cesta) {
    int sirka = 0;
    int vyska = 0;
    ObnovDesktop();
    VelkostDesktopu(&sirka, &vyska);
    std::vector<COLORREF> obraz;
    if (std::strcmp(meno, "desktop") == 0)
        obraz = ObrazovkaPlocha(sirka, vyska);
    else if (std::strcmp(meno, "greyui") == 0)
        obraz = ObrazovkaSedeRozhranie(sirka, vyska);
    else if (std::strcmp(meno, "noise") == 0)
        obraz = ObrazovkaSum(sirka, vyska);
    else
        return 2;
    std::vector<unsigned char> rgb;
    rgb.reserve(obraz.size() * 3);
    for (COLORREF c : obraz) {
        for (int kanal = 0; kanal < 3; kanal++) // COLORREF holds red in its low byte
            rgb.push_back(static_cast<unsigned char>(c >> 8 * kanal));
    }
    FILE* subor = std::fopen(cesta, "wb");
    const bool dobre =
        subor != nullptr && std::fwrite(rgb.data(), 1, rgb.size(), subor) == rgb.size();
    if (subor != nullptr)
        std::fclose(subor);
    std::printf("band: %u\n", kPasmoBench);
    return dobre ? 0 : 1;
}

struct Casy {
    std::vector<double> kopia, hladanie, subor, spolu;
};

// One search as Zornavit makes it, timed, with the centre file written; -1 when a step failed.
int JednoHladanie(const Nastavenia& n, Hladanie hladaj, Casy* casy) {
    int sirka = 0;
    int vyska = 0;
    ObnovDesktop();
    VelkostDesktopu(&sirka, &vyska);
    // Room for every object the screen can hold, so that each search runs once.
    if (!RezervujVysledky(static_cast<int>(NajviacObjektov(sirka, vyska))))
        return -1;
    const int kapacita = std::min(poloziek_dskt_point_pola, poloziek_dskt_rect_pola);
    const Cas t0 = Teraz();
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    const Cas t1 = Teraz();
    const int pocet = farby == nullptr
                          ? -1
                          : hladaj(farby, sirka, sirka, vyska, n.okno, Odtien{n.stupen},
                                   n.min_velkost, n.percento, 0, centers, objekty, kapacita);
    const Cas t2 = Teraz();
    if (pocet < 0 || PointPoleDoTxt("Stredy.txt", centers, pocet) != 1)
        return -1;
    const Cas t3 = Teraz();
    casy->kopia.push_back(Milisekundy(t0, t1));
    casy->hladanie.push_back(Milisekundy(t1, t2));
    casy->subor.push_back(Milisekundy(t2, t3));
    casy->spolu.push_back(Milisekundy(t0, t3));
    return pocet;
}

// Times one search; the lines come out at once, so that a caller that gives up on a slow search
// still has those of the searches before it.
bool Casuj(const Nastavenia& n, Hladanie hladaj, const char* meno) {
    Casy c;
    int pocet = 0;
    // A slow search is repeated only while it has taken less than 10 s, and at least twice.
    double cas = 0.0;
    for (int i = 0; i < n.opakovania && pocet >= 0 && (i < 2 || cas < 10000.0); ++i) {
        pocet = JednoHladanie(n, hladaj, &c);
        cas += c.spolu.empty() ? 0.0 : c.spolu.back();
    }
    if (pocet < 0) {
        std::printf("error: a step of the %s search failed\n", meno);
        return false;
    }
    char nazov[64];
    std::printf("objects_%s: %d\nrepetitions_%s: %zu\n", meno, pocet, meno, c.spolu.size());
    std::snprintf(nazov, sizeof nazov, "capture_%s", meno);
    VypisCasy(nazov, c.kopia);
    std::snprintf(nazov, sizeof nazov, "search_%s", meno);
    VypisCasy(nazov, c.hladanie);
    std::snprintf(nazov, sizeof nazov, "file_%s", meno);
    VypisCasy(nazov, c.subor);
    std::snprintf(nazov, sizeof nazov, "total_%s", meno);
    VypisCasy(nazov, c.spolu);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "screen") == 0)
        return ZapisObrazovku(argv[2], argv[3]);
    if ((argc != 6 && argc != 10) || std::strcmp(argv[1], "time") != 0) {
        std::printf(
            "usage: zachyt_cas screen desktop|greyui|noise OUT.rgb\n"
            "       zachyt_cas time REPETITIONS GREY MIN_SIZE FILL [LEFT TOP RIGHT BOTTOM]\n");
        return 2;
    }
    Nastavenia n = {std::max(1, std::atoi(argv[2])),
                    static_cast<unsigned>(std::atoi(argv[3])),
                    std::atoi(argv[4]),
                    std::atoi(argv[5]),
                    {-1, -1, -1, -1}};
    if (argc == 10)
        n.okno = {std::atoi(argv[6]), std::atoi(argv[7]), std::atoi(argv[8]), std::atoi(argv[9])};
    int sirka = 0;
    int vyska = 0;
    ObnovDesktop();
    VelkostDesktopu(&sirka, &vyska);
    std::printf("screen: %dx%d\n", sirka, vyska);
    // The fast search first: the plain one can take very long on busy screens. The centre file
    // left behind is the plain search's.
    return Casuj(n, HladajObjekty, "fast") && Casuj(n, HladajObjektyDoslovne, "plain") ? 0 : 1;
}
