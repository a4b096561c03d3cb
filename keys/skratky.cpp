// The keys that reach out of the window: the system-wide chords, the clicks and the jump by number.
#include "keys/klavesy.h"

#include "base/stav.h"

#include <cstdio>
#include <cstring>

namespace {

struct Skratka {
    int klaves;
    int ukon;
    const char* meno; // in the status box
};

const Skratka kSkratky[kPocetSkratiek] = {{kKlavesEnter, kUkonHladaj, "ENTER"},
                                          {kKlavesPgDn, kUkonDalsi, "PgDn"},
                                          {kKlavesPgUp, kUkonSpat, "PgUp"},
                                          {kKlavesMedzera, kUkonKlik, "SPACE"}};
const int kVsetkySkratky = (1 << kPocetSkratiek) - 1;

const int kKlaves0 = 0x30;
const int kKlavesNum0 = 0x60; // the numeric keypad's 0

int pisane_cislo = 0;   // the number typed so far, 0 when none
unsigned cas_cifry = 0; // tick of its last digit

} // namespace

int UkonKlavesu(int klaves, int shift, int ctrl, int opakovany) {
    switch (klaves) {
    case kKlavesTab:
        return shift ? kUkonSpat : kUkonDalsi;
    case kKlavesEnter:
        return kUkonHladaj;
    case kKlavesMedzera:
        if (opakovany)
            return kUkonNic;
        return ctrl ? kUkonDvojklik : shift ? kUkonKlikPravy : kUkonKlik;
    }
    return kUkonNic;
}

int KlavesSkratky(int i) {
    return kSkratky[i].klaves;
}

int UkonSkratky(int i) {
    return i >= 0 && i < kPocetSkratiek ? kSkratky[i].ukon : kUkonNic;
}

void SkratkyObsadene(int maska) {
    obsadene_skratky = maska & kVsetkySkratky;
    if (obsadene_skratky != 0)
        status = kStatusSkratky;
    else if (status == kStatusSkratky)
        status = kStatusNapoveda;
}

int TextObsadenychSkratiek(char* text, int velkost) {
    if (obsadene_skratky == kVsetkySkratky) // most likely the program runs twice
        return std::snprintf(text, velkost, "Skratky Ctrl+Alt s\xfa obsaden\xe9");
    char mena[32] = "";
    int pocet = 0;
    for (int i = 0; i < kPocetSkratiek; i++)
        if (obsadene_skratky & (1 << i)) {
            std::strcat(mena, pocet++ ? "," : "");
            std::strcat(mena, kSkratky[i].meno);
        }
    return std::snprintf(
        text, velkost, pocet == 1 ? "Ctrl+Alt+%s je obsaden\xe1" : "Ctrl+Alt+%s obsaden\xe9", mena);
}

int CielKliku(POINT* ciel) {
    if (cislo_objektu <= 0 || cislo_objektu > PocetObjektov)
        return 0;
    *ciel = centers[cislo_objektu - 1];
    vypinac_TAB = 0; // the cursor is on the current object: the next TAB goes on
    return 1;
}

int CifraKlavesu(int klaves) {
    if (klaves >= kKlaves0 && klaves <= kKlaves0 + 9)
        return klaves - kKlaves0;
    if (klaves >= kKlavesNum0 && klaves <= kKlavesNum0 + 9)
        return klaves - kKlavesNum0;
    return -1;
}

int CifraCisla(int cifra, unsigned cas) {
    if (cas - cas_cifry >= kCasCifier)
        pisane_cislo = 0;
    cas_cifry = cas;
    const long long cislo = pisane_cislo * 10LL + cifra;
    pisane_cislo = 0;
    if (cislo > PocetObjektov)
        return kCisloZiadne;
    if (cislo == 0) // a leading zero
        return kCisloCaka;
    if (cislo * 10 > PocetObjektov)
        return static_cast<int>(cislo);
    pisane_cislo = static_cast<int>(cislo);
    return kCisloCaka;
}

int KoniecCisla() {
    const int cislo = pisane_cislo;
    pisane_cislo = 0;
    return cislo >= 1 && cislo <= PocetObjektov ? cislo : kCisloZiadne;
}

void ZrusCislo() {
    pisane_cislo = 0;
}

void SkokNaCislo(int cislo, POINT* ciel) {
    cislo_objektu = cislo;
    *ciel = centers[cislo - 1];
    vypinac_TAB = 0;
}
