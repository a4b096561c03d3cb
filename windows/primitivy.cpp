// The text, box and line primitives and the key-cap and arrow glyphs, drawn with GDI.
#include "base/stav.h"
#include "layout/rozlozenie.h"
#include "windows/kreslenie.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

const COLORREF KLAVESA_OBRYS = RGB(0, 190, 255);
const COLORREF KLAVESA_PLOCHA = RGB(150, 200, 255);
const COLORREF KLAVESA_TEXT = RGB(0, 70, 95);
const COLORREF SIPKA_FARBA = RGB(80, 100, 120);
const int SIPKA_ROH = 8;

struct ZnamePismo {
    char tvar[LF_FACESIZE];
    int vyska;
    int vaha;
    int uhol;
    HFONT pismo;
};

// Grows only with the distinct fonts asked for: a handful per DPI the window has had.
std::vector<ZnamePismo>& ZnamePisma() {
    static std::vector<ZnamePismo> pisma;
    return pisma;
}

// The stock GUI font's description with the given face, weight and escapement, and the given
// height unless it is 0.
HFONT VytvorPismo(const char* tvar, int vyska, int vaha, int uhol) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    std::strncpy(lf.lfFaceName, tvar, LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    if (vyska != 0) {
        lf.lfHeight = vyska;
    }
    lf.lfWeight = vaha;
    lf.lfEscapement = uhol;
    return CreateFontIndirectA(&lf);
}

int S(int hodnota) {
    return Skaluj(hodnota, dpi_okna);
}

// The narrow GDI calls would read the texts in the system's code page; they are code page 1250
// whatever the system's is, so they are widened here and drawn with the wide calls.
int Rozsir(const char* text, int dlzka, WCHAR* siroky) {
    if (dlzka > NAPIS_BUFFER - 1) {
        dlzka = NAPIS_BUFFER - 1;
    }
    for (int i = 0; i < dlzka; i++) {
        siroky[i] = static_cast<WCHAR>(ZnakCp1250(static_cast<unsigned char>(text[i])));
    }
    return dlzka;
}

void Zmeraj(HDC dc, const char* text, int dlzka, SIZE* rozmer) {
    WCHAR siroky[NAPIS_BUFFER];
    dlzka = Rozsir(text, dlzka, siroky);
    GetTextExtentPoint32W(dc, siroky, dlzka, rozmer);
}

void Vypis(HDC dc, int x, int y, const char* text, int dlzka) {
    WCHAR siroky[NAPIS_BUFFER];
    dlzka = Rozsir(text, dlzka, siroky);
    TextOutW(dc, x, y, siroky, dlzka);
}

// Writes an already formatted text and reports its extent. The extent is measured in the font's
// 96-DPI size, so that what is laid out from it is the 96-DPI face scaled; the text itself is drawn
// in the font's size at the window's DPI.
void NapisText(HDC dc, SIZE* rozmer, const char* text, int dlzka, int x, int y, COLORREF farba,
               const char* tvar, int vyska, int vaha, int uhol) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF staraFarba = SetTextColor(dc, farba);
    HGDIOBJ starePismo = SelectObject(dc, Pismo(tvar, vyska, vaha, uhol));
    SIZE nepouzity;
    Zmeraj(dc, text, dlzka, rozmer ? rozmer : &nepouzity);
    SelectObject(dc, Pismo(tvar, S(vyska), vaha, uhol));
    Vypis(dc, S(x), S(y), text, dlzka);
    SelectObject(dc, starePismo);
    SetTextColor(dc, staraFarba);
}

int Vaha(int tucne) {
    return tucne == 1 ? 600 : 0;
}

// A key cap; the small one draws its cap 3 units narrower on each side and 1 lower on top.
void KlavesaTvaru(HDC dc, SIZE* rozmer, const char* text, int roh, int x, int y, bool mala) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF staraFarba = SetTextColor(dc, KLAVESA_TEXT);
    const char* tvar = mala ? "Times New Roman" : "Segoe UI";
    const int vyska = mala ? -9 : -12;
    HPEN pero = CreatePen(PS_INSIDEFRAME, S(1), KLAVESA_OBRYS);
    HBRUSH stetec = CreateSolidBrush(KLAVESA_PLOCHA);
    HGDIOBJ starePismo = SelectObject(dc, Pismo(tvar, vyska, 0, 0));
    HGDIOBJ starePero = SelectObject(dc, pero);
    HGDIOBJ staryStetec = SelectObject(dc, stetec);
    const int dlzka = static_cast<int>(strnlen(text, NAPIS_BUFFER - 1));
    SIZE velkost;
    Zmeraj(dc, text, dlzka, &velkost);
    const int vlavo = mala ? x + 3 : x;
    const int hore = mala ? y + 1 : y;
    const int vpravo = mala ? x + 11 : x + 14;
    RoundRect(dc, S(vlavo), S(hore), S(vpravo + velkost.cx), S(y + 4 + velkost.cy), S(roh), S(roh));
    SelectObject(dc, Pismo(tvar, S(vyska), 0, 0));
    Vypis(dc, S(x + 7), S(y + 2), text, dlzka);
    SelectObject(dc, starePero);
    SelectObject(dc, staryStetec);
    SelectObject(dc, starePismo);
    DeleteObject(stetec);
    DeleteObject(pero);
    SetTextColor(dc, staraFarba);
    if (rozmer) {
        *rozmer = velkost;
    }
}

void Sipka(HDC dc, SmerSipky smer, int s, int x, int y) {
    Okienko(dc, static_cast<int>(KLAVESA_OBRYS), static_cast<int>(KLAVESA_PLOCHA), SIPKA_ROH, x, y,
            s, s);

    POINT vrcholy[6];
    VrcholySipky(smer, s, x, y, vrcholy);
    for (POINT& vrchol : vrcholy) {
        vrchol = POINT{S(vrchol.x), S(vrchol.y)};
    }
    HBRUSH stetecSipky = CreateSolidBrush(SIPKA_FARBA);
    HPEN peroSipky = CreatePen(PS_SOLID, S(2), SIPKA_FARBA);
    HGDIOBJ starePero = SelectObject(dc, peroSipky);
    HGDIOBJ staryStetec = SelectObject(dc, stetecSipky);
    Polygon(dc, vrcholy, 6);
    SelectObject(dc, starePero);
    SelectObject(dc, staryStetec);
    DeleteObject(stetecSipky);
    DeleteObject(peroSipky);
}

} // namespace

HFONT Pismo(const char* tvar, int vyska, int vaha, int uhol) {
    for (const ZnamePismo& z : ZnamePisma()) {
        if (z.vyska == vyska && z.vaha == vaha && z.uhol == uhol &&
            std::strncmp(z.tvar, tvar, LF_FACESIZE - 1) == 0) {
            return z.pismo;
        }
    }
    ZnamePismo nove = {};
    std::strncpy(nove.tvar, tvar, LF_FACESIZE - 1);
    nove.vyska = vyska;
    nove.vaha = vaha;
    nove.uhol = uhol;
    nove.pismo = VytvorPismo(tvar, vyska, vaha, uhol);
    ZnamePisma().push_back(nove);
    return nove.pismo;
}

void NapisVBodoch(HDC dc, const char* text, int x, int y, COLORREF farba, const char* tvar,
                  int vyska) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF staraFarba = SetTextColor(dc, farba);
    HGDIOBJ starePismo = SelectObject(dc, Pismo(tvar, vyska, 0, 0));
    Vypis(dc, x, y, text, static_cast<int>(strnlen(text, NAPIS_BUFFER - 1)));
    SelectObject(dc, starePismo);
    SetTextColor(dc, staraFarba);
}

SIZE RozmerTextu(HDC dc, const char* text, int vyska, const char* tvar) {
    HGDIOBJ starePismo = SelectObject(dc, Pismo(tvar, vyska, 0, 0));
    SIZE rozmer = {};
    Zmeraj(dc, text, static_cast<int>(strnlen(text, NAPIS_BUFFER - 1)), &rozmer);
    SelectObject(dc, starePismo);
    return rozmer;
}

void Napis(HDC dc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int tucne, int otocit, const char* pismo) {
    char text[NAPIS_BUFFER];
    const int dlzka = FormatujNapis(text, format, hodnota);
    NapisText(dc, rozmer, text, dlzka, x, y, farba, pismo ? pismo : "", vyska, Vaha(tucne),
              otocit == 1 ? 900 : 0);
}

void NapisDouble(HDC dc, SIZE* rozmer, const char* format, double hodnota, int x, int y,
                 COLORREF farba, int vyska, int tucne, const char* pismo) {
    char text[NAPIS_BUFFER];
    const int dlzka = FormatujNapisDouble(text, format, hodnota);
    NapisText(dc, rozmer, text, dlzka, x, y, farba, pismo ? pismo : "", vyska, Vaha(tucne), 0);
}

void NapisFloat(HDC dc, SIZE* rozmer, const char* format, float hodnota, int x, int y,
                COLORREF farba, int vyska, int tucne, const char* pismo) {
    NapisDouble(dc, rozmer, format, static_cast<double>(hodnota), x, y, farba, vyska, tucne, pismo);
}

void Okienko(HDC dc, int obrys, int vypln, int roh, int vlavo, int hore, int sirka, int vyska) {
    HPEN pero = CreatePen(PS_INSIDEFRAME, S(1), static_cast<COLORREF>(obrys));
    HGDIOBJ starePero = SelectObject(dc, pero);
    HBRUSH stetec = CreateSolidBrush(static_cast<COLORREF>(vypln));
    HGDIOBJ staryStetec = SelectObject(dc, stetec);
    RoundRect(dc, S(vlavo), S(hore), S(vlavo + sirka), S(hore + vyska), S(roh), S(roh));
    SelectObject(dc, starePero);
    SelectObject(dc, staryStetec);
    DeleteObject(pero);
    DeleteObject(stetec);
}

void Usecka(HDC dc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2) {
    HPEN pero = CreatePen(PS_SOLID, S(hrubka), farba);
    HGDIOBJ starePero = SelectObject(dc, pero);
    MoveToEx(dc, S(x1), S(y1), nullptr);
    LineTo(dc, S(x2), S(y2));
    SelectObject(dc, starePero);
    DeleteObject(pero);
}

void Klavesa(HDC dc, SIZE* rozmer, const char* text, int roh, int x, int y) {
    KlavesaTvaru(dc, rozmer, text, roh, x, y, false);
}

void KlavesaMala(HDC dc, SIZE* rozmer, const char* text, int roh, int x, int y) {
    KlavesaTvaru(dc, rozmer, text, roh, x, y, true);
}

void SipkaVpravo(HDC dc, int s, int x, int y) {
    Sipka(dc, SIPKA_VPRAVO, s, x, y);
}
void SipkaVlavo(HDC dc, int s, int x, int y) {
    Sipka(dc, SIPKA_VLAVO, s, x, y);
}
void SipkaHore(HDC dc, int s, int x, int y) {
    Sipka(dc, SIPKA_HORE, s, x, y);
}
void SipkaDole(HDC dc, int s, int x, int y) {
    Sipka(dc, SIPKA_DOLE, s, x, y);
}
