// The text, box and line primitives and the key-cap and arrow glyphs, drawn with GDI.
#include "draw/kreslenie.h"

#include <windows.h>

#include <cstring>

namespace {

const COLORREF KLAVESA_OBRYS = RGB(0, 190, 255);
const COLORREF KLAVESA_PLOCHA = RGB(150, 200, 255);
const COLORREF KLAVESA_TEXT = RGB(0, 70, 95);
const COLORREF SIPKA_FARBA = RGB(80, 100, 120);
const int SIPKA_ROH = 8;

// Description of the stock GUI font with the given face, and the given height unless it is 0.
LOGFONTA ZakladPisma(const char* pismo, int vyska) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    std::strncpy(lf.lfFaceName, pismo ? pismo : "", LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    if (vyska != 0) {
        lf.lfHeight = vyska;
    }
    return lf;
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

// Writes an already formatted text in the described font and reports its extent.
void NapisText(HDC dc, SIZE* rozmer, const char* text, int dlzka, int x, int y, COLORREF farba,
               const LOGFONTA& lf) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF staraFarba = SetTextColor(dc, farba);
    HFONT pismo = CreateFontIndirectA(&lf);
    HGDIOBJ starePismo = SelectObject(dc, pismo);
    Vypis(dc, x, y, text, dlzka);
    SIZE nepouzity;
    Zmeraj(dc, text, dlzka, rozmer ? rozmer : &nepouzity);
    SelectObject(dc, starePismo);
    DeleteObject(pismo);
    SetTextColor(dc, staraFarba);
}

LOGFONTA PismoNapisu(const char* pismo, int vyska, int tucne) {
    LOGFONTA lf = ZakladPisma(pismo, vyska);
    lf.lfWeight = tucne == 1 ? 600 : 0;
    return lf;
}

// A key cap; the small one draws its cap 3 pixels narrower on each side and 1 lower on top.
void KlavesaTvaru(HDC dc, SIZE* rozmer, const char* text, int roh, int x, int y, bool mala) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF staraFarba = SetTextColor(dc, KLAVESA_TEXT);
    LOGFONTA lf = mala ? ZakladPisma("Times New Roman", -9) : ZakladPisma("Segoe UI", -12);
    HFONT pismo = CreateFontIndirectA(&lf);
    HPEN pero = CreatePen(PS_INSIDEFRAME, 1, KLAVESA_OBRYS);
    HBRUSH stetec = CreateSolidBrush(KLAVESA_PLOCHA);
    HGDIOBJ starePismo = SelectObject(dc, pismo);
    HGDIOBJ starePero = SelectObject(dc, pero);
    HGDIOBJ staryStetec = SelectObject(dc, stetec);
    const int dlzka = static_cast<int>(strnlen(text, NAPIS_BUFFER - 1));
    SIZE velkost;
    Zmeraj(dc, text, dlzka, &velkost);
    if (mala) {
        RoundRect(dc, x + 3, y + 1, x + velkost.cx + 11, y + velkost.cy + 4, roh, roh);
    } else {
        RoundRect(dc, x, y, x + velkost.cx + 14, y + velkost.cy + 4, roh, roh);
    }
    Vypis(dc, x + 7, y + 2, text, dlzka);
    SelectObject(dc, starePero);
    SelectObject(dc, staryStetec);
    SelectObject(dc, starePismo);
    DeleteObject(stetec);
    DeleteObject(pero);
    DeleteObject(pismo);
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
    HBRUSH stetecSipky = CreateSolidBrush(SIPKA_FARBA);
    HPEN peroSipky = CreatePen(PS_SOLID, 2, SIPKA_FARBA);
    HGDIOBJ starePero = SelectObject(dc, peroSipky);
    HGDIOBJ staryStetec = SelectObject(dc, stetecSipky);
    Polygon(dc, vrcholy, 6);
    SelectObject(dc, starePero);
    SelectObject(dc, staryStetec);
    DeleteObject(stetecSipky);
    DeleteObject(peroSipky);
}

} // namespace

void Napis(HDC dc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int tucne, int otocit, const char* pismo) {
    LOGFONTA lf = PismoNapisu(pismo, vyska, tucne);
    lf.lfEscapement = otocit == 1 ? 900 : 0;
    char text[NAPIS_BUFFER];
    const int dlzka = FormatujNapis(text, format, hodnota);
    NapisText(dc, rozmer, text, dlzka, x, y, farba, lf);
}

void NapisDouble(HDC dc, SIZE* rozmer, const char* format, double hodnota, int x, int y,
                 COLORREF farba, int vyska, int tucne, const char* pismo) {
    char text[NAPIS_BUFFER];
    const int dlzka = FormatujNapisDouble(text, format, hodnota);
    NapisText(dc, rozmer, text, dlzka, x, y, farba, PismoNapisu(pismo, vyska, tucne));
}

void NapisFloat(HDC dc, SIZE* rozmer, const char* format, float hodnota, int x, int y,
                COLORREF farba, int vyska, int tucne, const char* pismo) {
    NapisDouble(dc, rozmer, format, static_cast<double>(hodnota), x, y, farba, vyska, tucne, pismo);
}

void Okienko(HDC dc, int obrys, int vypln, int roh, int vlavo, int hore, int sirka, int vyska) {
    HPEN pero = CreatePen(PS_INSIDEFRAME, 1, static_cast<COLORREF>(obrys));
    HGDIOBJ starePero = SelectObject(dc, pero);
    HBRUSH stetec = CreateSolidBrush(static_cast<COLORREF>(vypln));
    HGDIOBJ staryStetec = SelectObject(dc, stetec);
    RoundRect(dc, vlavo, hore, vlavo + sirka, hore + vyska, roh, roh);
    SelectObject(dc, starePero);
    SelectObject(dc, staryStetec);
    DeleteObject(pero);
    DeleteObject(stetec);
}

void Usecka(HDC dc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2) {
    HPEN pero = CreatePen(PS_SOLID, hrubka, farba);
    HGDIOBJ starePero = SelectObject(dc, pero);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
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
