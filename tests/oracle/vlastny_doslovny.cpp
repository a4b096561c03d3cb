// A plain point-list search, used as the reference until the program's own plain search is kept here.
#include "tests/oracle/hladanie_doslovne.h"

#include <cstddef>
#include <vector>

namespace {

enum Rezim { HLADA, RIADOK_SEMENA, RASTIE };
enum Stav { ZIADNY, OTVORENY, HOTOVY };

struct Bod {
    int x;
    int y;
};

} // namespace

int HladajObjektyDoslovne(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno,
                          unsigned stupen_sedi, int min_velkost, int percento_vyplne,
                          POINT* stredy, RECT* boxy, int kapacita) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    std::vector<Bod> polohy;
    std::vector<int> rz(static_cast<std::size_t>(vyska) + 5, -1), rk(static_cast<std::size_t>(vyska) + 5, -1);
    for (int y = 0; y < vyska; y++)
        for (int x = 0; x < sirka; x++) {
            if (okno.left <= x && x <= okno.right && okno.top <= y && y <= okno.bottom)
                continue;
            COLORREF farba = farby[static_cast<std::size_t>(y) * krok + x];
            for (unsigned j = 0; j < 32; j++) {
                unsigned g = (32u * stupen_sedi + j) % 256u;
                if (farba == g * 0x010101u) {
                    polohy.push_back({x, y});
                    break;
                }
            }
        }
    int k = 0;
    int uzaver = 0;
    int rmin = 0, rmax = -1;
    for (;;) {
        int n = static_cast<int>(polohy.size());
        Rezim rezim = HLADA;
        Stav stav = ZIADNY;
        int refs = 0, refe = 0;
        bool pripojeny = false;
        int ss = 0, se = 0, sy = 0, si = 0, sd = 0;
        int hore = 0, dole = 0, preskok = 0;
        int dlzka = 0;
        int i = 0;
        while (i < n) {
            dlzka++;
            Bod p = polohy[i];
            bool koniec = i + 1 == n || polohy[i + 1].y != p.y || polohy[i + 1].x != p.x + 1;
            if (!koniec) {
                i++;
                continue;
            }
            int s = p.x - dlzka + 1, e = p.x, y = p.y;
            int d = i + 1 < n ? polohy[i + 1].y - p.y : 2;
            int pokracuj = -1;
            if (rezim == HLADA) {
                ss = s, se = e, sy = y, si = i, sd = dlzka;
                refs = s, refe = e;
                rezim = RIADOK_SEMENA;
            }
            if (rezim == RIADOK_SEMENA && d > 1)
                rezim = HLADA;
            if (rezim == RASTIE) {
                if (s <= refe && e >= refs) {
                    pripojeny = true;
                    if (s < rmin)
                        rmin = s;
                    if (e > rmax) {
                        rmax = e;
                        uzaver = i;
                    }
                    rz[sy] = ss, rk[sy] = se;
                    hore = sy;
                    dole = y;
                    preskok = si - sd + 1;
                }
                if (d >= 1 && pripojeny) {
                    rz[y] = rmin, rk[y] = rmax;
                    refs = rmin, refe = rmax;
                }
                if (d >= 1 && !pripojeny) {
                    rezim = HLADA;
                    pokracuj = si + 1;
                }
                if (d > 1)
                    rezim = HLADA;
            }
            if (d == 1 && (rezim == RIADOK_SEMENA || rezim == RASTIE))
                rezim = RASTIE;
            dlzka = 0;
            if (d >= 1) {
                if (!pripojeny && stav == OTVORENY)
                    stav = HOTOVY;
                if (pripojeny)
                    stav = OTVORENY;
                pripojeny = false;
                if (stav == HOTOVY)
                    break;
                rmin = sirka, rmax = -1;
            }
            i = pokracuj >= 0 ? pokracuj : i + 1;
        }
        if (stav == ZIADNY)
            break;

        // Closing pass.
        int pocet = 0;
        int lavy = 0, pravy = 0;
        int odstranenePred = 0;
        bool prvy = true, riadokPripojeny = false;
        dlzka = 0;
        int j = uzaver;
        for (;;) {
            dlzka++;
            Bod p = polohy[j];
            Bod pred = j > 0 ? polohy[j - 1] : Bod{p.x, p.y - 1};
            if (!(pred.x == p.x - 1 && pred.y == p.y)) {
                int s = p.x, e = p.x + dlzka - 1, y = p.y;
                bool pripoj = false;
                if (prvy) {
                    refs = rz[y], refe = rk[y];
                    lavy = refs, pravy = refe;
                    pripoj = true;
                    prvy = false;
                } else if (s <= refe && e >= refs) {
                    if (rz[y] == -1 && rk[y] == -1) {
                        rz[y] = s, rk[y] = e;
                        if (y < hore)
                            hore = y;
                    } else {
                        if (s < rz[y])
                            rz[y] = s;
                        if (e > rk[y])
                            rk[y] = e;
                    }
                    pripoj = true;
                }
                if (pripoj) {
                    pocet += dlzka;
                    if (j < preskok)
                        odstranenePred += dlzka;
                    polohy.erase(polohy.begin() + j, polohy.begin() + j + dlzka);
                    riadokPripojeny = true;
                }
                dlzka = 0;
                if (pred.y != p.y) {
                    if (riadokPripojeny) {
                        refs = rz[y], refe = rk[y];
                        if (refs < lavy)
                            lavy = refs;
                        if (refe > pravy)
                            pravy = refe;
                    }
                    if (!riadokPripojeny || pred.y < p.y - 1 || j == 0)
                        break;
                    riadokPripojeny = false;
                }
            }
            j--;
        }
        polohy.erase(polohy.begin(), polohy.begin() + (preskok - odstranenePred));

        for (int y = hore; y <= dole; y++)
            rz[y] = -1, rk[y] = -1;
        double w = pravy - lavy + 1, h = dole - hore + 1, a = w * h;
        if (w >= min_velkost && h >= min_velkost && pocet >= percento_vyplne * a / 100 &&
            k < kapacita) {
            stredy[k].x = (lavy + pravy) / 2;
            stredy[k].y = (hore + dole) / 2;
            boxy[k].left = lavy, boxy[k].top = hore, boxy[k].right = pravy, boxy[k].bottom = dole;
            k++;
        }
    }
    return k;
}
