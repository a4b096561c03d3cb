// The steps of an ENTER timed for scripts/bench-wine, written only when asked for.
#include <windows.h>

#include <cstdio>

#include "windows/meranie.h"

namespace {

const char* const kMena[kKrokovHladania] = {"searching", "hide",    "copy",    "search",
                                            "file",      "repaint", "outlines"};
const int kNezistene = -1;

int zapnute = kNezistene;
char subor[MAX_PATH];
LARGE_INTEGER znacka;
double casy[kKrokovHladania];

double MilisekundyOdZnacky(LARGE_INTEGER teraz) {
    LARGE_INTEGER frekvencia;
    QueryPerformanceFrequency(&frekvencia);
    return 1000.0 * static_cast<double>(teraz.QuadPart - znacka.QuadPart) /
           static_cast<double>(frekvencia.QuadPart);
}

void ZapisCasy() {
    FILE* f = std::fopen(subor, "a");
    if (f == nullptr)
        return;
    for (int k = 0; k < kKrokovHladania; ++k)
        std::fprintf(f, "%s%s %.3f", k ? " " : "", kMena[k], casy[k]);
    std::fputs("\n", f);
    std::fclose(f);
}

} // namespace

void ZaciatokMerania() {
    if (zapnute == kNezistene) {
        const DWORD n = GetEnvironmentVariableA("ZORNAVIT_CASY", subor, sizeof subor);
        zapnute = n > 0 && n < sizeof subor;
    }
    if (zapnute)
        QueryPerformanceCounter(&znacka);
}

void KoniecKroku(KrokHladania krok) {
    if (zapnute != 1)
        return;
    LARGE_INTEGER teraz;
    QueryPerformanceCounter(&teraz);
    casy[krok] = MilisekundyOdZnacky(teraz);
    znacka = teraz;
    if (krok == kKrokObrysy)
        ZapisCasy();
}
