// The settings' arithmetic: packed words, the placement on the monitors, the grouping's values.
#include "base/stav.h"
#include "settings/nastavenia.h"

#include <algorithm>
#include <cstdint>

DWORD ZbalSlova(int dolne, int horne) {
    return (static_cast<DWORD>(dolne) & 0xFFFFu) | ((static_cast<DWORD>(horne) & 0xFFFFu) << 16);
}

DWORD StredovaPoloha(int sirka_desktopu, int vyska_desktopu) {
    return ZbalSlova(sirka_desktopu / 2 - hl_okno_sirka / 2,
                     vyska_desktopu / 2 - hl_okno_vyska / 2);
}

void RozbalSlova(DWORD slovo, int* dolne, int* horne) {
    *dolne = static_cast<int16_t>(slovo & 0xFFFFu);
    *horne = static_cast<int16_t>(slovo >> 16);
}

namespace {

LONG Prekryv(LONG a0, LONG a1, LONG b0, LONG b1) {
    return std::max<LONG>(0, std::min(a1, b1) - std::max(a0, b0));
}

// How far apart two rectangles lie along one axis; 0 when they overlap on it.
LONG Medzera(LONG a0, LONG a1, LONG b0, LONG b1) {
    return std::max<LONG>({0, b0 - a1, a0 - b1});
}

// The area of the window on a monitor; off it, minus the square of the distance between them, so
// that the nearest monitor wins when the window is on none.
double Zakrytie(RECT okno, RECT m) {
    const double plocha = static_cast<double>(Prekryv(okno.left, okno.right, m.left, m.right)) *
                          Prekryv(okno.top, okno.bottom, m.top, m.bottom);
    const double dx = Medzera(okno.left, okno.right, m.left, m.right);
    const double dy = Medzera(okno.top, okno.bottom, m.top, m.bottom);
    return plocha > 0 ? plocha : -(dx * dx + dy * dy);
}

} // namespace

int NaPracovnejPloche(DWORD poloha, const RECT* pracovne, int pocet) {
    int x = 0;
    int y = 0;
    RozbalSlova(poloha, &x, &y);
    for (int i = 0; i < pocet; ++i) {
        const RECT& p = pracovne[i];
        if (Prekryv(x, x + hl_okno_sirka, p.left, p.right) > 0 &&
            Prekryv(y, y + hl_okno_vyska, p.top, p.bottom) > 0)
            return 1;
    }
    return 0;
}

int MonitorOkna(RECT okno, const RECT* plochy, int pocet) {
    int najlepsi = 0;
    double najviac = 0;
    for (int i = 0; i < pocet; ++i) {
        const double skore = Zakrytie(okno, plochy[i]);
        if (i == 0 || skore > najviac) {
            najviac = skore;
            najlepsi = i;
        }
    }
    return najlepsi;
}

void PritiahniNaPlochu(RECT* okno, RECT plocha) {
    if (okno->left < plocha.left) {
        okno->right += plocha.left - okno->left;
        okno->left = plocha.left;
    }
    if (okno->top < plocha.top) {
        okno->bottom += plocha.top - okno->top;
        okno->top = plocha.top;
    }
    if (okno->bottom > plocha.bottom) {
        okno->top += plocha.bottom - okno->bottom;
        okno->bottom = plocha.bottom;
    }
    if (okno->right > plocha.right) {
        okno->left += plocha.right - okno->right;
        okno->right = plocha.right;
    }
}

RECT OknoNaPracovnejPloche(RECT okno, const RECT* plochy, const RECT* pracovne, int pocet) {
    if (pocet <= 0)
        return okno;
    RECT plocha = pracovne[MonitorOkna(okno, plochy, pocet)];
    // Widened so that only the bottom and right edges are pulled in, and the window never past
    // where its top and left edges are.
    plocha.left = std::min(plocha.left, okno.left);
    plocha.top = std::min(plocha.top, okno.top);
    plocha.right = std::max(plocha.right, plocha.left + (okno.right - okno.left));
    plocha.bottom = std::max(plocha.bottom, plocha.top + (okno.bottom - okno.top));
    PritiahniNaPlochu(&okno, plocha);
    return okno;
}

int PrvyZapisNastaveni() {
    const int prvy = nastavenia_ulozene == 0;
    nastavenia_ulozene = 1;
    return prvy;
}

DWORD ZnameSpajanie(DWORD spajanie) {
    return spajanie == 4 || spajanie == 8 ? spajanie : 0;
}

int FarbaZTextu(const char* text, DWORD* farba) {
    DWORD rgb = 0;
    for (int i = 0; i < 6; ++i) {
        const char c = text[i];
        const int cislica = c >= '0' && c <= '9'   ? c - '0'
                            : c >= 'a' && c <= 'f' ? c - 'a' + 10
                            : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                   : -1;
        if (cislica < 0)
            return 0;
        rgb = rgb << 4 | static_cast<DWORD>(cislica);
    }
    if (text[6] != '\0')
        return 0;
    *farba = (rgb >> 16) | (rgb & 0xFF00u) | (rgb & 0xFFu) << 16;
    return 1;
}

DWORD ZnamaOdchylka(DWORD odchylka) {
    return odchylka < kNajvacsiaOdchylka ? odchylka : kNajvacsiaOdchylka;
}

DWORD ZnamaFarba(DWORD farba) {
    return (farba >> 24) == 0 ? farba : kBezFarby;
}
