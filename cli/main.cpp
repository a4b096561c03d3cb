// zornavit-cli: the program's object search run on a PNG screenshot.
#include "base/verzia.h"
#include "cli/cli.h"
#include "search/ciselne_subory.h"
#include "search/desktop.h"
#include "search/hladanie.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

int Zlyhanie(std::string sprava) {
    std::replace(sprava.begin(), sprava.end(), '\n', ' ');
    std::fprintf(stderr, "zornavit-cli: %s\n", sprava.c_str());
    return 2;
}

// The search with result arrays sized as the program sizes them for a desktop of this image's size.
int Hladaj(const COLORREF* tabulka, int sirka, int vyska, const NastaveniaCli& n, POINT** stredy,
           RECT** boxy) {
    NastavVelkostDesktopu(sirka, vyska);
    int pocet_bodov = 0;
    int pocet_boxov = 0;
    *stredy = AlokaciaDsktPointPola(&pocet_bodov);
    *boxy = AlokaciaDsktRectPola(&pocet_boxov);
    if (*stredy == nullptr || *boxy == nullptr) {
        return -1;
    }
    const Odtien odtien = {n.stupen_sedi, n.odchylka, n.farba};
    return HladajObjekty(tabulka, sirka, sirka, vyska, n.okno, odtien, n.min_velkost,
                         n.percento_vyplne, n.spajanie, *stredy, *boxy,
                         std::min(pocet_bodov, pocet_boxov));
}

} // namespace

int main(int argc, char** argv) {
    NastaveniaCli n;
    std::string chyba;
    if (!CitajArgumenty(argc, argv, &n, &chyba)) {
        return Zlyhanie(chyba);
    }
    if (n.pomoc) {
        std::fputs(kPouzitie, stdout);
        return 0;
    }
    if (n.verzia) {
        std::fputs("zornavit-cli " ZORNAVIT_VERZIA "\n", stdout);
        return 0;
    }
    COLORREF* tabulka = nullptr;
    int sirka = 0;
    int vyska = 0;
    if (!CitajPng(n.obrazok, &tabulka, &sirka, &vyska, &chyba)) {
        return Zlyhanie(chyba);
    }
    POINT* stredy = nullptr;
    RECT* boxy = nullptr;
    const int pocet = Hladaj(tabulka, sirka, vyska, n, &stredy, &boxy);
    std::free(tabulka);
    if (pocet < 0) {
        return Zlyhanie("not enough memory to search a " + std::to_string(sirka) + " x " +
                        std::to_string(vyska) + " image");
    }
    if (n.vystupny_subor != nullptr && !ZapisStredy(n.vystupny_subor, stredy, pocet, &chyba)) {
        return Zlyhanie(chyba);
    }
    const std::string text = TextVysledku(stredy, boxy, pocet, n.json);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return Zlyhanie("cannot write to standard output");
    }
    return 0;
}
