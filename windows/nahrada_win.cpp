// The centre file whole or not at all: written beside the old one and put in its place in one step.
#include <windows.h>

#include "search/ciselne_subory.h"
#include "windows/hladanie_win.h"

#include <cstdio>
#include <string>

int NahradSubor(const char* zdroj, const char* ciel) {
    // Fails, leaving the target as it was, while another program holds it open without sharing.
    return MoveFileExA(zdroj, ciel, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}

int PointPoleDoTxtCely(const char* cesta, const POINT* body, int pocet) {
    const std::string docasny = std::string(cesta) + ".tmp";
    if (PointPoleDoTxt(docasny.c_str(), body, pocet) == 1 &&
        NahradSubor(docasny.c_str(), cesta) == 1)
        return 1;
    std::remove(docasny.c_str());
    return 0;
}
