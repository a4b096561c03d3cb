// Loading and saving the settings and the window's placement through the registry wrappers. Free of
// windows.h, so that the tests run it natively over an in-memory key.
#include "windows/ulozenie.h"

#include "base/stav.h"
#include "search/desktop.h"
#include "settings/nastavenia.h"

namespace {
const char* const kKluc = "Software\\Zornavit";

// The target colour is there only while objects are of a colour: absent, they are greys. A value
// with a top byte is no colour either.
void CitajFarbu(HKEY kluc, DWORD* farba) {
    registry_ReadDWORD(kluc, "Farba", farba);
    *farba = ZnamaFarba(*farba);
}

int ZapisFarbu(HKEY kluc, DWORD farba) {
    return farba == kBezFarby ? registry_DeleteValue(kluc, "Farba")
                              : registry_WriteDWORD(kluc, "Farba", farba);
}
} // namespace

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
    vysledok &= registry_ReadDWORD(kluc, "Skratky", &skratky);
    vysledok &= registry_ReadDWORD(kluc, "Odchylka", &odchylka);
    CitajFarbu(kluc, &cielova_farba);
    vysledok &= registry_CloseKey(kluc);
    // A grouping the program does not know groups by rows.
    spajanie = ZnameSpajanie(spajanie);
    odchylka = ZnamaOdchylka(odchylka);
    // Monitors that shrank or went since the last run must not leave the window out of reach.
    RECT plochy[kNajviacMonitorov];
    RECT pracovne[kNajviacMonitorov];
    if (!NaPracovnejPloche(g_dwWindowPos, pracovne, Monitory(plochy, pracovne, kNajviacMonitorov)))
        g_dwWindowPos = stred;
    return vysledok;
}

int CitajNastaveniaHladania(NastaveniaHladania* nastavenia) {
    HKEY kluc = registry_OpenKeyReadOnly(kKluc);
    if (kluc == nullptr)
        return 0;
    int vysledok = registry_ReadDWORD(kluc, "StupneSedi", &nastavenia->stupne_sedi);
    vysledok &= registry_ReadDWORD(kluc, "VelkostObjektu", &nastavenia->VelkostObjektu);
    vysledok &= registry_ReadDWORD(kluc, "percento_vyplne", &nastavenia->percento_vyplne);
    vysledok &= registry_ReadDWORD(kluc, "Spajanie", &nastavenia->spajanie);
    vysledok &= registry_ReadDWORD(kluc, "Odchylka", &nastavenia->odchylka);
    CitajFarbu(kluc, &nastavenia->farba);
    vysledok &= registry_CloseKey(kluc);
    nastavenia->spajanie = ZnameSpajanie(nastavenia->spajanie);
    nastavenia->odchylka = ZnamaOdchylka(nastavenia->odchylka);
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
    vysledok &= registry_WriteDWORD(kluc, "Skratky", skratky);
    vysledok &= registry_WriteDWORD(kluc, "Odchylka", odchylka);
    vysledok &= ZapisFarbu(kluc, cielova_farba);
    vysledok &= registry_CloseKey(kluc);
    return vysledok;
}
