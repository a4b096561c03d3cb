// The main window's key table and search bookkeeping as plain state changes, free of the platform.
#include "keys/klavesy.h"

#include "base/stav.h"

DWORD KrokVelkostiHore(DWORD velkost) {
    if (velkost != 0)
        velkost += 1;
    if (velkost > 10)
        velkost += 4;
    if (velkost > 50)
        velkost += 5;
    if (velkost > 200)
        velkost += 10;
    if (velkost > 500)
        velkost += 30;
    if (velkost > 1000)
        velkost += 50;
    return velkost;
}

DWORD KrokVelkostiDole(DWORD velkost) {
    velkost -= 1;
    if (velkost > 10)
        velkost -= 4;
    if (velkost > 50)
        velkost -= 5;
    if (velkost > 200)
        velkost -= 10;
    if (velkost > 500)
        velkost -= 30;
    if (velkost > 1000)
        velkost -= 50;
    return velkost;
}

void KlavesVlavo() {
    switch (volba) {
    case kVolbaObjekt:
        if (cislo_objektu > 1)
            cislo_objektu -= 1;
        break;
    case kVolbaVypln:
        if (percento_vyplne > 5)
            percento_vyplne -= 5;
        break;
    case kVolbaVelkost:
        if (VelkostObjektu > 1)
            VelkostObjektu = KrokVelkostiDole(VelkostObjektu);
        break;
    case kVolbaStupen:
        if (cielova_farba != kBezFarby)
            cielova_farba = kBezFarby;
        else if (stupne_sedi != 0)
            stupne_sedi -= 1;
        break;
    }
}

void KlavesVpravo(int sirka_desktopu) {
    switch (volba) {
    case kVolbaObjekt:
        if (cislo_objektu < PocetObjektov)
            cislo_objektu += 1;
        break;
    case kVolbaVypln:
        if (percento_vyplne <= 99)
            percento_vyplne += 5;
        break;
    case kVolbaVelkost:
        // The settings compare unsigned: a desktop narrower than 100 pixels leaves no bound.
        if (VelkostObjektu < static_cast<DWORD>(sirka_desktopu - 100))
            VelkostObjektu = KrokVelkostiHore(VelkostObjektu);
        break;
    case kVolbaStupen:
        if (cielova_farba != kBezFarby)
            cielova_farba = kBezFarby;
        else if (stupne_sedi <= 6)
            stupne_sedi += 1;
        break;
    }
}

void KlavesFarba(COLORREF farba) {
    if ((farba >> 24) == 0)
        cielova_farba = farba;
}

namespace {
DWORD PoslednyRiadok() {
    return PocetObjektov > 0 ? kVolbaObjekt : kVolbaVypln;
}
} // namespace

void KlavesHore() {
    volba -= 1;
    if (volba < kVolbaStupen)
        volba = PoslednyRiadok();
}

void KlavesDole() {
    volba += 1;
    if (volba > PoslednyRiadok())
        volba = kVolbaStupen;
}

void ZaciatokHladania() {
    status = kStatusHladam;
}

void VysledokHladania(int pocet) {
    PocetObjektov = pocet > 0 ? pocet : 0;
    if (PocetObjektov > 0) {
        status = kStatusPocet;
        if (cislo_objektu == 0)
            cislo_objektu = 1;
    }
    if (PocetObjektov == 0) {
        status = kStatusNic;
        if (volba == kVolbaObjekt)
            volba = kVolbaVelkost;
        cislo_objektu = 0;
    }
    if (PocetObjektov < cislo_objektu)
        cislo_objektu = PocetObjektov;
    vypinac_TAB = 1;
    if (pocet < 0)
        status = kStatusMaloPamate;
}

void StredyNezapisane() {
    // Running out of memory says more than the file that followed from it.
    if (status != kStatusMaloPamate)
        status = kStatusNezapisane;
}

namespace {
// The first jump after a search stays on the current object; row 4 never steps.
int Skok(POINT* ciel, int krok) {
    if (cislo_objektu <= 0 || cislo_objektu > PocetObjektov)
        return 0;
    if (volba != kVolbaObjekt && vypinac_TAB == 0)
        cislo_objektu += krok;
    if (cislo_objektu > PocetObjektov)
        cislo_objektu = 1;
    if (cislo_objektu < 1)
        cislo_objektu = PocetObjektov;
    *ciel = centers[cislo_objektu - 1];
    vypinac_TAB = 0;
    return 1;
}
} // namespace

int SkokTAB(POINT* ciel) {
    return Skok(ciel, 1);
}

int SkokSpat(POINT* ciel) {
    return Skok(ciel, -1);
}

int ObrysyNaUkazanie(int vsetky, int* od, int* po) {
    *od = vsetky ? 1 : cislo_objektu;
    *po = vsetky ? PocetObjektov : cislo_objektu;
    if (ukazat_objekty == 0 || *od < 1) {
        *od = 1;
        *po = 0;
    }
    return *od <= *po;
}

void VolbaPoVytvoreni() {
    if (volba == kVolbaObjekt)
        volba = kVolbaVelkost;
}

void KlikDoOkna() {
    status = kStatusNapoveda;
}
