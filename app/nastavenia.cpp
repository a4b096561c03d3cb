// Loading and saving the settings through the registry wrappers, and the placement arithmetic.
#include "app/register.h"

#include "app/stav.h"
#include "search/hladanie.h"

#include <algorithm>
#include <cstdint>

namespace {
const char* const kKluc = "Software\\Zornavit";
} // namespace

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

// 1 when the main window at the packed position would overlap one of the work areas.
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

// The monitor a window rectangle lies mostly on.
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

// Keeps the window's width and height; an area smaller than the window leaves it past the
// left and top edges.
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

} // namespace

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

int ReadRegistry() {
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    const DWORD stred = StredovaPoloha(sirka, vyska);

    int vysledok = 1;
    int vytvoreny = 0;
    HKEY kluc = registry_OpenKey(kKluc, &vytvoreny);
    if (kluc == nullptr)
        return 0;
    if (vytvoreny) {
        g_dwWindowPos = stred;
        g_dwWindowSize = ZbalSlova(hl_okno_sirka, hl_okno_vyska);
        g_dwWindowShow = 1;
        registry_CloseKey(kluc);
        return 1;
    }
    vysledok &= registry_ReadDWORD(kluc, "WindowPos", &g_dwWindowPos);
    vysledok &= registry_ReadDWORD(kluc, "WindowSize", &g_dwWindowSize);
    vysledok &= registry_ReadDWORD(kluc, "WindowShow", &g_dwWindowShow);
    vysledok &= registry_ReadDWORD(kluc, "StupneSedi", &stupne_sedi);
    vysledok &= registry_ReadDWORD(kluc, "VelkostObjektu", &VelkostObjektu);
    vysledok &= registry_ReadDWORD(kluc, "percento_vyplne", &percento_vyplne);
    vysledok &= registry_ReadDWORD(kluc, "Volba", &volba);
    vysledok &= registry_ReadBYTE(kluc, "InfoKurzor", &sledovanie_kurzora);
    vysledok &= registry_ReadDWORD(kluc, "Spajanie", &spajanie);
    vysledok &= registry_ReadDWORD(kluc, "UkazatObjekty", &ukazat_objekty);
    vysledok &= registry_CloseKey(kluc);
    // A grouping the program does not know groups by rows.
    if (spajanie != 4 && spajanie != 8)
        spajanie = 0;
    // Monitors that shrank or went since the last run must not leave the window out of reach.
    RECT plochy[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    if (!NaPracovnejPloche(g_dwWindowPos, pracovne, Monitory(plochy, pracovne, kNajviacMonitorov)))
        g_dwWindowPos = stred;
    return vysledok;
}

int PrvyZapisNastaveni() {
    const int prvy = nastavenia_ulozene == 0;
    nastavenia_ulozene = 1;
    return prvy;
}

int CitajNastaveniaHladania(NastaveniaHladania* nastavenia) {
    HKEY kluc = registry_OpenKeyReadOnly(kKluc);
    if (kluc == nullptr)
        return 0;
    int vysledok = registry_ReadDWORD(kluc, "StupneSedi", &nastavenia->stupne_sedi);
    vysledok &= registry_ReadDWORD(kluc, "VelkostObjektu", &nastavenia->VelkostObjektu);
    vysledok &= registry_ReadDWORD(kluc, "percento_vyplne", &nastavenia->percento_vyplne);
    vysledok &= registry_ReadDWORD(kluc, "Spajanie", &nastavenia->spajanie);
    vysledok &= registry_CloseKey(kluc);
    if (nastavenia->spajanie != 4 && nastavenia->spajanie != 8)
        nastavenia->spajanie = 0;
    return vysledok;
}

int ZapisNastavenia(RECT okno, DWORD zobrazenie) {
    RECT plochy[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    const int pocet = Monitory(plochy, pracovne, kNajviacMonitorov);
    if (pocet > 0)
        PritiahniNaPlochu(&okno, pracovne[MonitorOkna(okno, plochy, pocet)]);
    g_dwWindowShow = zobrazenie;
    if (zobrazenie == 1) {
        g_dwWindowPos = ZbalSlova(okno.left, okno.top);
        g_dwWindowSize = ZbalSlova(okno.right - okno.left, okno.bottom - okno.top);
    }

    int vysledok = 1;
    HKEY kluc = registry_OpenKey(kKluc, nullptr);
    if (kluc == nullptr)
        return 0;
    vysledok &= registry_WriteDWORD(kluc, "WindowPos", g_dwWindowPos);
    vysledok &= registry_WriteDWORD(kluc, "WindowSize", g_dwWindowSize);
    vysledok &= registry_WriteDWORD(kluc, "WindowShow", g_dwWindowShow);
    vysledok &= registry_WriteDWORD(kluc, "StupneSedi", stupne_sedi);
    vysledok &= registry_WriteDWORD(kluc, "VelkostObjektu", VelkostObjektu);
    vysledok &= registry_WriteDWORD(kluc, "percento_vyplne", percento_vyplne);
    vysledok &= registry_WriteDWORD(kluc, "Volba", volba);
    vysledok &=
        registry_WriteBYTE(kluc, "InfoKurzor", static_cast<BYTE>(sledovanie_kurzora & 0xFF));
    vysledok &= registry_WriteDWORD(kluc, "Spajanie", spajanie);
    vysledok &= registry_WriteDWORD(kluc, "UkazatObjekty", ukazat_objekty);
    vysledok &= registry_CloseKey(kluc);
    return vysledok;
}
