// The number files: the centre file and the module's other writers and readers of 32-bit numbers.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "search/ciselne_subory.h"

namespace {

// Closes the file and turns the outcome of the writes and the close into the writers' 1 or 0.
// Flushed first: a C runtime may drop the error of the flush that its close does (wine's does), and
// a full disk shows only there.
int ZavriPoZapise(FILE* subor, bool zapisy_ok) {
    const bool vyprazdneny = std::fflush(subor) == 0;
    const bool chyba = !vyprazdneny || std::ferror(subor) != 0;
    const bool zavrety = std::fclose(subor) == 0;
    return zapisy_ok && !chyba && zavrety ? 1 : 0;
}

bool ZapisLE(FILE* subor, DWORD hodnota) {
    const unsigned char bajty[4] = {
        static_cast<unsigned char>(hodnota), static_cast<unsigned char>(hodnota >> 8),
        static_cast<unsigned char>(hodnota >> 16), static_cast<unsigned char>(hodnota >> 24)};
    return std::fwrite(bajty, 1, 4, subor) == 4;
}

bool CitajLE(FILE* subor, DWORD* hodnota) {
    unsigned char b[4];
    if (std::fread(b, 1, 4, subor) != 4) {
        return false;
    }
    *hodnota = static_cast<DWORD>(b[0]) | static_cast<DWORD>(b[1]) << 8 |
               static_cast<DWORD>(b[2]) << 16 | static_cast<DWORD>(b[3]) << 24;
    return true;
}

} // namespace

std::string TextStredov(const POINT* body, int pocet) {
    // An explicit CR LF: the same bytes on every platform.
    std::string text;
    char riadok[32];
    for (int i = 0; i < pocet; ++i) {
        std::snprintf(riadok, sizeof riadok, "%d,%d\r\n", static_cast<int>(body[i].x),
                      static_cast<int>(body[i].y));
        text += riadok;
    }
    return text;
}

std::string TextVysledku(const POINT* stredy, const RECT* boxy, int pocet, bool json) {
    std::string text = json ? "[" : "";
    char riadok[160];
    for (int i = 0; i < pocet; ++i) {
        const POINT& s = stredy[i];
        const RECT& b = boxy[i];
        if (json) {
            std::snprintf(riadok, sizeof riadok,
                          "%s\n  {\"x\": %d, \"y\": %d, \"left\": %d, \"top\": %d, \"right\": %d, "
                          "\"bottom\": %d}",
                          i == 0 ? "" : ",", static_cast<int>(s.x), static_cast<int>(s.y),
                          static_cast<int>(b.left), static_cast<int>(b.top),
                          static_cast<int>(b.right), static_cast<int>(b.bottom));
        } else {
            std::snprintf(riadok, sizeof riadok, "%d,%d %d,%d,%d,%d\n", static_cast<int>(s.x),
                          static_cast<int>(s.y), static_cast<int>(b.left), static_cast<int>(b.top),
                          static_cast<int>(b.right), static_cast<int>(b.bottom));
        }
        text += riadok;
    }
    if (json) {
        text += pocet > 0 ? "\n]\n" : "]\n";
    }
    return text;
}

int PointPoleDoTxt(const char* cesta, const POINT* body, int pocet) {
    // Binary mode: the line ends stay as the text has them.
    FILE* subor = std::fopen(cesta, "wb");
    if (subor == nullptr) {
        return 0;
    }
    const std::string text = TextStredov(body, pocet);
    const bool ok = std::fwrite(text.data(), 1, text.size(), subor) == text.size();
    return ZavriPoZapise(subor, ok);
}

int PointPoleCiselDoTXT(const char* cesta, const char* rezim, const POINT* body, int pocet) {
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return 0;
    }
    bool ok = true;
    for (int i = 0; i < pocet; ++i) {
        ok = std::fprintf(subor, "{%d,%d}, ", static_cast<int>(body[i].x),
                          static_cast<int>(body[i].y)) > 0 &&
             ok;
        if ((i + 1) % 10 == 0) {
            ok = std::fputc('\n', subor) != EOF && ok;
        }
    }
    ok = std::fputc('\n', subor) != EOF && ok;
    return ZavriPoZapise(subor, ok);
}

int PoleCiselDoTXT(const char* cesta, const char* rezim, const int* hodnoty, int pocet) {
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return 0;
    }
    bool ok = true;
    for (int i = 0; i < pocet; ++i) {
        ok = std::fprintf(subor, "%d, ", hodnoty[i]) > 0 && ok;
    }
    ok = std::fputc('\n', subor) != EOF && ok;
    return ZavriPoZapise(subor, ok);
}

int CislaFariebDoTXT(const char* cesta, const char* rezim, const DWORD* hodnoty, int pocet) {
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return 0;
    }
    bool ok = true;
    for (int i = 0; i < pocet; ++i) {
        // Line ends before value 1 and then before every sixth value: 0 | 1..6 | 7..12 | ...
        if (i % 6 == 1) {
            ok = std::fputc('\n', subor) != EOF && ok;
        }
        ok = std::fprintf(subor, "%d,  ", static_cast<int>(hodnoty[i])) > 0 && ok;
    }
    ok = std::fputc('\n', subor) != EOF && ok;
    return ZavriPoZapise(subor, ok);
}

int CislaDoTXT(const char* cesta, const char* rezim, int hodnota) {
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return 0;
    }
    bool ok = true;
    if (hodnota >= 0) {
        ok = std::fprintf(subor, "%d, ", hodnota) > 0;
    }
    return ZavriPoZapise(subor, ok);
}

int CislaDoBIN(const char* cesta, const char* rezim, int hodnota) {
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return 0;
    }
    bool ok = true;
    if (hodnota >= 0) {
        ok = ZapisLE(subor, static_cast<DWORD>(hodnota));
    }
    return ZavriPoZapise(subor, ok);
}

int CislaFariebDoBIN(const char* cesta, const char* rezim, const DWORD* hodnoty, int pocet) {
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return 0;
    }
    int zapisane = 0;
    while (zapisane < pocet && ZapisLE(subor, hodnoty[zapisane])) {
        ++zapisane;
    }
    return ZavriPoZapise(subor, true) == 1 ? zapisane : 0;
}

int CislaFariebZ_BIN(const char* cesta, DWORD* buffer, int pocet) {
    FILE* subor = std::fopen(cesta, "rb");
    if (subor == nullptr) {
        return 0;
    }
    int precitane = 0;
    while (precitane < pocet && CitajLE(subor, &buffer[precitane])) {
        ++precitane;
    }
    std::fclose(subor);
    return precitane;
}

int* CislaZoSuboruDoPola(const char* cesta, const char* rezim, int* pocet) {
    static int* pamat = nullptr;
    *pocet = 0;
    FILE* subor = std::fopen(cesta, rezim);
    if (subor == nullptr) {
        return nullptr;
    }
    // Counts beyond what an int and the address space hold are not read.
    const size_t max_pocet = std::min<size_t>(INT_MAX, PTRDIFF_MAX / sizeof(int)) - 10;
    DWORD hodnota = 0;
    size_t n = 0;
    while (n < max_pocet && CitajLE(subor, &hodnota)) {
        ++n;
    }
    pamat = static_cast<int*>(std::calloc(n + 10, sizeof(int)));
    if (pamat == nullptr) {
        std::fclose(subor);
        return nullptr;
    }
    std::rewind(subor);
    size_t precitane = 0;
    while (precitane < n && CitajLE(subor, &hodnota)) {
        pamat[precitane++] = static_cast<int>(hodnota);
    }
    std::fclose(subor);
    *pocet = static_cast<int>(precitane);
    return pamat;
}
