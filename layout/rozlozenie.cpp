// Layout arithmetic of the face and its readout strip, its scaling, and the arrow keys' vertices.
#include "layout/rozlozenie.h"

#include <algorithm>

namespace {

const int DLZKA_DRIEKU = 7;   // tail to the base of the head
const int POLSIRKA_HROTU = 4; // head reaches this far to each side of the centre line
const float FAKTOR_DLZKY = 1.9f;
const float DELITEL_OKRAJA = 2.0f;
const float FAKTOR_RIADKU = 1.6f;

// Rounds to single precision, then truncates toward zero: a value just below an integer in double
// precision can round up to it in single precision, which moves the pixel.
int Orez(double hodnota) {
    return static_cast<int>(static_cast<float>(hodnota));
}

} // namespace

void VrcholySipky(SmerSipky smer, int s, int x, int y, POINT vrcholy[6]) {
    const double dlzka = DLZKA_DRIEKU * static_cast<double>(FAKTOR_DLZKY);
    const double okraj = (s - dlzka) / static_cast<double>(DELITEL_OKRAJA);
    const bool vodorovne = smer == SIPKA_VPRAVO || smer == SIPKA_VLAVO;
    const bool kladne = smer == SIPKA_VPRAVO || smer == SIPKA_DOLE;
    const int zaciatok = vodorovne ? x : y;
    const int stred = vodorovne ? y + s / 2 : x + s / 2;
    const int chvost = kladne ? Orez(zaciatok + okraj) : Orez((zaciatok + s) - okraj);
    const int smerom = kladne ? 1 : -1;
    const int zaklad = chvost + smerom * DLZKA_DRIEKU;
    const int hrot = Orez(chvost + smerom * dlzka);
    // Along the arrow, across it: tail, base, head corner, tip, other head corner, base.
    const int pozdlz[6] = {chvost, zaklad, zaklad, hrot, zaklad, zaklad};
    const int napriec[6] = {stred, stred, stred + POLSIRKA_HROTU, stred, stred - POLSIRKA_HROTU,
                            stred};
    for (int i = 0; i < 6; i++) {
        vrcholy[i].x = vodorovne ? pozdlz[i] : napriec[i];
        vrcholy[i].y = vodorovne ? napriec[i] : pozdlz[i];
    }
}

int DalsiRiadok(int y, int cy) {
    return Orez(y + cy * static_cast<double>(FAKTOR_RIADKU));
}

int RiadokVelkosti(int y, int cy) {
    return y + cy - 1;
}

int StatusPoObjektoch(int y5, int cy) {
    return static_cast<int>(y5 + cy * 1.3);
}

int StatusBezObjektov(int y3, int cy) {
    return static_cast<int>(y3 + cy * 2.4);
}

unsigned char SivaPasika(DWORD stupne, int i) {
    return static_cast<unsigned char>((32 * stupne + static_cast<DWORD>(i)) & 0xFF);
}

RECT OblastObrysov(const RECT* boxy, int od, int po, int okraj, RECT obrazovka) {
    if (od > po)
        return RECT{obrazovka.left, obrazovka.top, obrazovka.left, obrazovka.top};
    RECT r = boxy[od - 1];
    for (int i = od + 1; i <= po; ++i) {
        r.left = std::min(r.left, boxy[i - 1].left);
        r.top = std::min(r.top, boxy[i - 1].top);
        r.right = std::max(r.right, boxy[i - 1].right);
        r.bottom = std::max(r.bottom, boxy[i - 1].bottom);
    }
    return RECT{std::max<LONG>(r.left - okraj, obrazovka.left),
                std::max<LONG>(r.top - okraj, obrazovka.top),
                std::min<LONG>(r.right + 1 + okraj, obrazovka.right),
                std::min<LONG>(r.bottom + 1 + okraj, obrazovka.bottom)};
}

// The bottom line first: a label sits above its box wherever there is room.
RECT OblastBezCelehoMonitora(RECT oblast, const RECT* monitory, int pocet) {
    for (int i = 0; i < pocet; ++i) {
        const RECT& m = monitory[i];
        if (oblast.left > m.left || oblast.top > m.top || oblast.right < m.right ||
            oblast.bottom < m.bottom)
            continue;
        if (oblast.bottom == m.bottom)
            oblast.bottom -= 1;
        else if (oblast.right == m.right)
            oblast.right -= 1;
        else if (oblast.top == m.top)
            oblast.top += 1;
        else if (oblast.left == m.left)
            oblast.left += 1;
    }
    return oblast;
}

namespace {

int Pomer(int hodnota, int cislovatel, int menovatel) {
    if (menovatel <= 0 || cislovatel <= 0)
        return hodnota;
    const long long s = static_cast<long long>(hodnota) * cislovatel;
    const long long polovica = menovatel / 2;
    return static_cast<int>(s >= 0 ? (s + polovica) / menovatel : -((polovica - s) / menovatel));
}

} // namespace

int Skaluj(int hodnota, int dpi) {
    return Pomer(hodnota, dpi, 96);
}

int Odskaluj(int hodnota, int dpi) {
    return Pomer(hodnota, 96, dpi);
}

namespace {

const int OBRYS_PASIKA = 1;
// Each field's place: from the client's left edge for x and y, from its right edge for the rest.
const int MIESTA_UDAJOV[POCET_UDAJOV] = {10, 50, -114, -77, -38};

// Forward, each field at its place or after the one before it; backward, each pulled left to
// end before the next one or before koniec. 1 when the first is still at its place.
int PolozUdaje(const int sirky[], const int miesta[], int medzera, int koniec, int polohy[]) {
    for (int i = 0; i < POCET_UDAJOV; ++i)
        polohy[i] =
            i == 0 ? miesta[0] : std::max(miesta[i], polohy[i - 1] + sirky[i - 1] + medzera);
    int hranica = koniec;
    for (int i = POCET_UDAJOV - 1; i >= 0; --i) {
        polohy[i] = std::min(polohy[i], hranica - sirky[i]);
        hranica = polohy[i] - medzera;
    }
    return polohy[0] >= miesta[0];
}

} // namespace

int RozlozUdaj(const char* const texty[POCET_UDAJOV], int vlavo, int vpravo, int dpi,
               SirkaTextu sirka, void* kontext, int polohy[POCET_UDAJOV]) {
    int miesta[POCET_UDAJOV];
    for (int i = 0; i < POCET_UDAJOV; ++i)
        miesta[i] = Skaluj((MIESTA_UDAJOV[i] < 0 ? vpravo : vlavo) + MIESTA_UDAJOV[i], dpi);
    const int medzera = Skaluj(MEDZERA_UDAJOV, dpi);
    const int koniec = Skaluj(vpravo, dpi) - Skaluj(OBRYS_PASIKA, dpi);
    for (int vyska = Skaluj(VYSKA_UDAJA, dpi);; --vyska) {
        int sirky[POCET_UDAJOV];
        for (int i = 0; i < POCET_UDAJOV; ++i)
            sirky[i] = sirka(texty[i], vyska, kontext);
        if (PolozUdaje(sirky, miesta, medzera, koniec, polohy) || vyska <= 1)
            return vyska;
    }
}
