// The face of the main window: setting rows, object rows, status box and key legend.
#include "base/stav.h"
#include "keys/klavesy.h"
#include "layout/rozlozenie.h"
#include "windows/kreslenie.h"

#include <windows.h>

#include <iterator>

namespace {

const int OKRAJ = 7;
const int STRANA_SIPKY = 21;

const COLORREF POPIS_FARBA = RGB(0, 0, 160);
const COLORREF HODNOTA_FARBA = RGB(0, 0, 0);
const COLORREF ROZSAH_FARBA = RGB(90, 90, 90);
const COLORREF POZNAMKA_FARBA = RGB(140, 140, 140);

void Popis(HDC dc, SIZE* rozmer, const char* text, int x, int y) {
    Napis(dc, rozmer, text, -1, x, y, POPIS_FARBA, -12, 0, 0, "Segoe UI");
}

void Legenda(HDC dc, SIZE* rozmer, const char* text, int x, int y) {
    Napis(dc, rozmer, text, -1, x, y, POPIS_FARBA, -9, 0, 0, "Verdana");
}

void Hodnota(HDC dc, SIZE* rozmer, const char* format, int hodnota, int x, int y) {
    Napis(dc, rozmer, format, hodnota, x, y, HODNOTA_FARBA, -15, 1, 0, "System");
}

// The value is drawn once to learn its width, boxed, and drawn again on top of the box.
void PoleHodnoty(HDC dc, SIZE* rozmer, int hodnota, int vx, int vy, int prvyY, DWORD riadok,
                 const char* format = "%d") {
    Hodnota(dc, rozmer, format, hodnota, vx, prvyY);
    const int sirka = rozmer->cx + 12;
    Okienko(dc, RGB(180, 180, 180), RGB(205, 205, 205), 12, vx - 6, vy - 2, sirka, 21);
    if (volba == riadok) {
        Okienko(dc, RGB(255, 230, 255), RGB(255, 255, 140), 12, vx - 6, vy - 2, sirka, 21);
    }
    Hodnota(dc, rozmer, format, hodnota, vx, vy);
}

// Where the band's strip stands (x, y as the strip's), a swatch of the target colour, and above it
// its red, green and blue where the band's levels stand.
void VzorkaFarby(HDC dc, int x, int y) {
    Okienko(dc, ROZSAH_FARBA, static_cast<int>(cielova_farba), 4, x + 1, y + 3, 65, 13);
    const int zlozky[] = {GetRValue(cielova_farba), GetGValue(cielova_farba),
                          GetBValue(cielova_farba)};
    SIZE pomocny;
    for (int i = 0; i < 3; i++)
        Napis(dc, &pomocny, "%d", zlozky[i], x + 24 * i, y - 8, ROZSAH_FARBA, -9, 0, 0, "Tahoma");
}

// Row 1: grey level, the strip of the band's 32 greys and the band's first and last level; with a
// target colour, "Farba", F (its key) as the value and the colour's swatch. Returns the row's y.
int RiadokSedi(HDC dc, SIZE* rozmer) {
    const int y = 2 + 10;
    const bool farba = cielova_farba != kBezFarby;
    Popis(dc, rozmer,
          farba ? "Farba"
                : "Stupne \x9a"
                  "edi",
          OKRAJ + 3, y);
    const int vx = OKRAJ + 3 + rozmer->cx + 15;
    PoleHodnoty(dc, rozmer, static_cast<int>(stupne_sedi + 1), vx, y - 2, y - 2, kVolbaStupen,
                farba ? "F" : "%d");
    const int x = vx + rozmer->cx + 19;
    if (farba) {
        VzorkaFarby(dc, x, y);
        return y;
    }
    for (int i = 0; i < 32; i++) {
        const BYTE g = SivaPasika(stupne_sedi, i);
        Usecka(dc, RGB(g, g, g), 2, x + 2 * (i + 1), y + 4, x + 2 * (i + 1), y + 14);
    }
    SIZE pomocny;
    const int prvy = static_cast<int>(32 * stupne_sedi);
    Napis(dc, &pomocny, "%d", prvy, x, y - 8, ROZSAH_FARBA, -9, 0, 0, "Tahoma");
    Napis(dc, &pomocny, "%d", prvy + 31, x + 55, y - 8, ROZSAH_FARBA, -9, 0, 0, "Tahoma");
    return y;
}

int RiadokRozmeru(HDC dc, SIZE* rozmer, int y1) {
    const int y = DalsiRiadok(y1, rozmer->cy);
    Popis(dc, rozmer, "Min. rozmer", OKRAJ + 3, y);
    const int vx = OKRAJ + 3 + rozmer->cx + 12;
    PoleHodnoty(dc, rozmer, static_cast<int>(VelkostObjektu), vx, y, y - 2, kVolbaVelkost);
    Popis(dc, rozmer, "pixelov", vx + rozmer->cx + 11, y);
    return y;
}

void SlovoTvaru(HDC dc, int hx, int y) {
    const char* text = nullptr;
    int x = hx;
    if (percento_vyplne == 100) {
        text = "\x9atvorec";
        x = hx + 2;
    } else if (percento_vyplne == 75) {
        text = ">kruh";
    } else if (percento_vyplne == 50) {
        text = ">trojuholn\xedk";
        x = hx - 4;
    }
    if (text) {
        SIZE pomocny;
        Napis(dc, &pomocny, text, -1, x, y, POZNAMKA_FARBA, -11, 0, 0, "Segoe UI");
    }
}

int RiadokVyplne(HDC dc, SIZE* rozmer, int y2) {
    const int y = DalsiRiadok(y2, rozmer->cy);
    Popis(dc, rozmer, "V\xfdpl\xf2 objektu", OKRAJ + 3, y);
    const int vx = OKRAJ + 3 + rozmer->cx + 12;
    PoleHodnoty(dc, rozmer, static_cast<int>(percento_vyplne), vx, y, y, kVolbaVypln);
    const int px = vx + rozmer->cx + 9;
    Popis(dc, rozmer, "%%", px, y);
    SlovoTvaru(dc, px + rozmer->cx + 11, y);
    return y;
}

// Rows 4 and 5: the object TAB goes to and its size. Returns the status box's y.
int RiadkyObjektu(HDC dc, SIZE* rozmer, int y3) {
    const int y = DalsiRiadok(y3, rozmer->cy);
    SIZE klavesa;
    KlavesaMala(dc, &klavesa, "TAB", 6, OKRAJ, y);
    const int lx = OKRAJ + klavesa.cx + 11;
    Popis(dc, rozmer, " - my\x9a na stred objektu \xe8.", lx, y);
    const int vx = lx + rozmer->cx + 8;
    PoleHodnoty(dc, rozmer, cislo_objektu, vx, y - 1, y - 1, kVolbaObjekt);
    const int y5 = RiadokVelkosti(y, rozmer->cy);
    if (objekty && cislo_objektu >= 1 && cislo_objektu <= PocetObjektov) {
        const RECT& r = objekty[cislo_objektu - 1];
        const int x5 = OKRAJ + 76;
        Napis(dc, rozmer, "%d x ", r.right - r.left + 1, x5, y5, POZNAMKA_FARBA, -9, 0, 0,
              "Verdana");
        Napis(dc, rozmer, "%d", r.bottom - r.top + 1, x5 + rozmer->cx, y5, POZNAMKA_FARBA, -9, 0, 0,
              "Verdana");
    }
    return StatusPoObjektoch(y5, rozmer->cy);
}

// One status's text (a count goes in at %d), its left edge and drop below the box's top, colour,
// height and face.
struct RiadokStatusu {
    const char* text;
    int x;
    int dole;
    COLORREF farba;
    int vyska;
    const char* pismo;
};

// In the order of the kStatus values.
const RiadokStatusu STATUSY[] = {
    {"ENTER - h\xbe"
     "adanie",
     55, 1, RGB(0, 160, 160), -13, "Segoe UI"},
    {"H \xbe a d \xe1 m", 71, 1, RGB(0, 200, 200), -13, "Segoe UI"},
    {"Po\xe8"
     "et objektov %d",
     47, 2, RGB(0, 0, 200), -13, "System"},
    {"Ni\xe8 sa nena\x9alo", 63, 1, RGB(250, 0, 0), -13, "Segoe UI"},
    {"Stredy.txt sa ned\xe1 zap\xedsa\x9d", 43, 3, RGB(250, 0, 0), -10, "Segoe UI"},
    {"M\xe1lo pam\xe4te", 66, 1, RGB(250, 0, 0), -13, "Segoe UI"},
};

// The chords another program holds, centred in the box at the largest height that fits.
void StatusSkratiek(HDC dc, int y) {
    char text[NAPIS_BUFFER];
    TextObsadenychSkratiek(text, sizeof text);
    int vyska = -10;
    SIZE r = RozmerTextu(dc, text, vyska, "Segoe UI");
    while (r.cx > 134 && vyska < -8)
        r = RozmerTextu(dc, text, ++vyska, "Segoe UI");
    Napis(dc, &r, text, -1, 35 + (140 - r.cx) / 2, y + (21 - r.cy) / 2, RGB(250, 0, 0), vyska, 0, 0,
          "Segoe UI");
}

void StatusBox(HDC dc, SIZE* rozmer, int y) {
    Okienko(dc, RGB(160, 210, 210), RGB(230, 240, 240), 16, 35, y, 140, 21);
    if (status == kStatusSkratky) {
        StatusSkratiek(dc, y);
        return;
    }
    if (status < 0 || status >= static_cast<int>(std::size(STATUSY)))
        return;
    const RiadokStatusu& r = STATUSY[status];
    Napis(dc, rozmer, r.text, PocetObjektov, r.x, y + r.dole, r.farba, r.vyska, 0, 0, r.pismo);
}

void LegendaKlaves(HDC dc) {
    SIZE klavesa;
    SIZE pomocny;
    KlavesaMala(dc, &klavesa, "ESC", 6, 8, 169);
    Legenda(dc, &pomocny, "- koniec", 8 + klavesa.cx + 13, 171);
    SipkaHore(dc, STRANA_SIPKY, 115, 141);
    Legenda(dc, &pomocny,
            " - v\xfd"
            "ber",
            138, 145);
    SipkaDole(dc, STRANA_SIPKY, 115, 164);
    SipkaVlavo(dc, STRANA_SIPKY, 92, 164);
    SipkaVpravo(dc, STRANA_SIPKY, 138, 164);
    Legenda(dc, &pomocny, " - zmena", 161, 168);
}

} // namespace

void OnWM_PAINT(HDC* dc, HWND okno) {
    (void)okno;
    HDC kam = *dc;
    SIZE rozmer = {0, 0};
    const int y1 = RiadokSedi(kam, &rozmer);
    const int y2 = RiadokRozmeru(kam, &rozmer, y1);
    const int y3 = RiadokVyplne(kam, &rozmer, y2);
    const int yStatus =
        PocetObjektov > 0 ? RiadkyObjektu(kam, &rozmer, y3) : StatusBezObjektov(y3, rozmer.cy);
    StatusBox(kam, &rozmer, yStatus);
    LegendaKlaves(kam);
}
