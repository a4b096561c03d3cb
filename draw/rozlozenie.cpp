// Layout arithmetic of the main window face, its scaling, and the vertices of the arrow keys.
#include "draw/kreslenie.h"

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

POINT PolohaCisla(RECT box, SIZE stitok, RECT oblast) {
    // The outline's outer ring lies one pixel outside the box; the label sits on it.
    POINT p = {box.left - 1, box.top - 1 - stitok.cy};
    if (p.y < oblast.top)
        p.y = box.bottom + 2;
    if (p.x > oblast.right - stitok.cx)
        p.x = oblast.right - stitok.cx;
    if (p.x < oblast.left)
        p.x = oblast.left;
    if (p.y > oblast.bottom - stitok.cy)
        p.y = oblast.bottom - stitok.cy;
    return p;
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
