// Loading and saving the settings through the registry wrappers, and the placement arithmetic.
#include "app/register.h"

#include "app/stav.h"
#include "search/hladanie.h"

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

int MimoDesktopu(DWORD poloha, int sirka_desktopu, int vyska_desktopu) {
    // Both halves unpack unsigned, so the window can only fall off to the right or below.
    const int x = static_cast<int>(poloha & 0xFFFFu);
    const int y = static_cast<int>(poloha >> 16);
    return x >= sirka_desktopu || y >= vyska_desktopu;
}

void PritiahniNaDesktop(RECT* okno, int sirka_desktopu, int vyska_desktopu) {
    if (okno->left < 0) {
        okno->right -= okno->left;
        okno->left = 0;
    }
    if (okno->top < 0) {
        okno->bottom -= okno->top;
        okno->top = 0;
    }
    if (okno->bottom > vyska_desktopu) {
        okno->top += vyska_desktopu - okno->bottom;
        okno->bottom = vyska_desktopu;
    }
    if (okno->right > sirka_desktopu) {
        okno->left += sirka_desktopu - okno->right;
        okno->right = sirka_desktopu;
    }
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
    vysledok &= registry_CloseKey(kluc);
    // A grouping the program does not know groups by rows.
    if (spajanie != 4 && spajanie != 8)
        spajanie = 0;
    // A screen that shrank since the last run must not leave the window out of reach.
    if (MimoDesktopu(g_dwWindowPos, sirka, vyska))
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
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    PritiahniNaDesktop(&okno, sirka, vyska);
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
    vysledok &= registry_CloseKey(kluc);
    return vysledok;
}
