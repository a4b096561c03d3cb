// Checks the GDI drawing primitives inside wine: device context state, extents, pixels, no leaks.
#include "draw/kreslenie.h"

#include <windows.h>

#include <cstdio>

namespace {

int chyby = 0;

void Over(bool podmienka, const char* co) {
    if (!podmienka) {
        std::printf("FAIL %s\n", co);
        chyby++;
    }
}

bool RovnakyRozmer(SIZE a, SIZE b) {
    return a.cx == b.cx && a.cy == b.cy;
}

// A memory device context with a white 300 x 200 bitmap and known objects selected.
struct Plocha {
    HDC dc;
    HBITMAP bitmapa;
    HGDIOBJ pismo, pero, stetec;
};

Plocha NovaPlocha() {
    Plocha p;
    HDC obrazovka = GetDC(nullptr);
    p.dc = CreateCompatibleDC(obrazovka);
    p.bitmapa = CreateCompatibleBitmap(obrazovka, 300, 200);
    ReleaseDC(nullptr, obrazovka);
    SelectObject(p.dc, p.bitmapa);
    RECT r = {0, 0, 300, 200};
    FillRect(p.dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    p.pismo = SelectObject(p.dc, GetStockObject(SYSTEM_FONT));
    p.pero = SelectObject(p.dc, GetStockObject(BLACK_PEN));
    p.stetec = SelectObject(p.dc, GetStockObject(GRAY_BRUSH));
    SetTextColor(p.dc, RGB(1, 2, 3));
    SetBkMode(p.dc, OPAQUE);
    return p;
}

void Vycisti(HDC dc) {
    RECT r = {0, 0, 300, 200};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void OverVyber(const Plocha& p, const char* kto) {
    char opis[128];
    std::snprintf(opis, sizeof opis, "%s leaves the font, pen, brush and text colour", kto);
    Over(GetCurrentObject(p.dc, OBJ_FONT) == GetStockObject(SYSTEM_FONT) &&
             GetCurrentObject(p.dc, OBJ_PEN) == GetStockObject(BLACK_PEN) &&
             GetCurrentObject(p.dc, OBJ_BRUSH) == GetStockObject(GRAY_BRUSH) &&
             GetTextColor(p.dc) == RGB(1, 2, 3),
         opis);
}

// The extent of a text in the default GUI font's description with another face and height.
SIZE Rozmer(HDC dc, const char* text, const char* tvar, LONG vyska) {
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lstrcpyA(lf.lfFaceName, tvar);
    if (vyska != 0)
        lf.lfHeight = vyska;
    HFONT f = CreateFontIndirectA(&lf);
    HGDIOBJ stare = SelectObject(dc, f);
    SIZE s;
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &s);
    SelectObject(dc, stare);
    DeleteObject(f);
    return s;
}

// Bounding box of the pixels that are not white.
RECT Kreslene(HDC dc) {
    RECT r = {300, 200, -1, -1};
    for (int y = 0; y < 200; y++) {
        for (int x = 0; x < 300; x++) {
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                r.left = x < r.left ? x : r.left;
                r.top = y < r.top ? y : r.top;
                r.right = x > r.right ? x : r.right;
                r.bottom = y > r.bottom ? y : r.bottom;
            }
        }
    }
    return r;
}

// Napis in Tahoma at (x, y); the extent it reports.
SIZE Text(const Plocha& p, const char* format, int hodnota, LONG vyska, int tucne = 0, int otoc = 0,
          int x = 0, int y = 0) {
    SIZE s;
    Napis(p.dc, &s, format, hodnota, x, y, 0, vyska, tucne, otoc, "Tahoma");
    return s;
}

// What a text drawn alone on the white plane covers.
RECT Kresba(const Plocha& p, const char* text, LONG vyska, int otoc, int x, int y) {
    Vycisti(p.dc);
    Text(p, text, -1, vyska, 0, otoc, x, y);
    return Kreslene(p.dc);
}

void SkusNapis(const Plocha& p) {
    SIZE s1, s2, s3, s4;
    Napis(p.dc, &s1, "%d", 100, 10, 10, RGB(0, 0, 160), -12, 0, 0, "Tahoma");
    Over(GetBkMode(p.dc) == TRANSPARENT, "Napis leaves the background mode transparent");
    OverVyber(p, "Napis");
    Napis(p.dc, &s2, "100", -1, 10, 10, RGB(0, 0, 160), -12, 0, 0, "Tahoma");
    Over(RovnakyRozmer(s1, s2) && s1.cx > 0, "Napis reports the formatted text's extent");
    s3 = Text(p, "%%", -1, -12);
    s4 = Text(p, "%c", '%', -12);
    Over(s3.cx > 0 && RovnakyRozmer(s3, s4), "\"%%\" is measured as one percent sign");

    const SIZE tenke = Text(p, "MMMMMMMM", -1, -20);
    Over(Text(p, "MMMMMMMM", -1, -20, 1).cx > tenke.cx, "bold flag 1 gives a wider, bold text");
    Over(RovnakyRozmer(Text(p, "MMMMMMMM", -1, -20, 2), tenke), "bold flag 2 is not bold");

    const SIZE predvolene = Text(p, "Xy", -1, 0);
    Over(Text(p, "Xy", -1, -30).cy > predvolene.cy, "a height of -30 is larger than the default");
    Over(RovnakyRozmer(predvolene, Rozmer(p.dc, "Xy", "Tahoma", 0)),
         "height 0 keeps the default GUI font's height");

    // Turned text runs upwards: taller than wide; flag 2 does not turn.
    RECT r = Kresba(p, "HHHHHHHH", -16, 1, 100, 180);
    Over(r.bottom - r.top > 2 * (r.right - r.left), "turn flag 1 writes upwards");
    r = Kresba(p, "HHHHHHHH", -16, 2, 100, 100);
    Over(r.right - r.left > 2 * (r.bottom - r.top), "turn flag 2 writes across");

    // Byte 0xE8 is c with caron in code page 1250 (e with grave in 1252): as wide as c, with a
    // mark above it.
    const SIZE c = Text(p, "c", -1, -40);
    Over(Text(p, "\xe8", -1, -40).cx == c.cx, "c with caron is as wide as c");
    Over(Text(p, "e", -1, -40).cx != c.cx, "e and c differ in width in the test font");
    const RECT caron = Kresba(p, "\xe8", -40, 0, 50, 50);
    const RECT bez = Kresba(p, "c", -40, 0, 50, 50);
    Over(caron.top < bez.top && caron.bottom == bez.bottom, "the caron stands above the c");

    // A text longer than the buffer is cut at 99 characters.
    char dlhy[160];
    for (int i = 0; i < 159; i++) {
        dlhy[i] = 'i';
    }
    dlhy[159] = 0;
    const SIZE dlhe = Text(p, dlhy, -1, -8);
    dlhy[99] = 0;
    Over(RovnakyRozmer(dlhe, Text(p, dlhy, -1, -8)), "a long text is cut at 99 characters");

    SIZE d, fl;
    NapisDouble(p.dc, &d, "%.1f", 2.5, 0, 0, 0, -12, 0, "Tahoma");
    NapisFloat(p.dc, &fl, "%.1f", 2.5f, 0, 0, 0, -12, 0, "Tahoma");
    s1 = Text(p, "2.5", -1, -12);
    Over(RovnakyRozmer(d, s1) && RovnakyRozmer(fl, s1), "NapisDouble and NapisFloat format");
    OverVyber(p, "NapisDouble");
}

void SkusOkienko(const Plocha& p) {
    Vycisti(p.dc);
    Okienko(p.dc, RGB(255, 0, 0), RGB(0, 0, 255), 0, 35, 10, 140, 21);
    OverVyber(p, "Okienko");
    RECT r = Kreslene(p.dc);
    Over(r.left == 35 && r.top == 10 && r.right == 174 && r.bottom == 30,
         "a box 140 x 21 at (35, 10) covers x 35..174, y 10..30");
    Over(GetPixel(p.dc, 35, 10) == RGB(255, 0, 0) && GetPixel(p.dc, 174, 30) == RGB(255, 0, 0),
         "corner size 0 gives square corners in the outline colour");
    Over(GetPixel(p.dc, 100, 20) == RGB(0, 0, 255), "the box is filled");
}

void SkusUsecku(const Plocha& p) {
    Vycisti(p.dc);
    Usecka(p.dc, RGB(9, 9, 9), 2, 10, 5, 10, 15);
    Usecka(p.dc, RGB(10, 10, 10), 2, 12, 5, 12, 15);
    OverVyber(p, "Usecka");
    POINT kde;
    GetCurrentPositionEx(p.dc, &kde);
    Over(kde.x == 12 && kde.y == 15, "the current position stays at the line's end");
    RECT r = Kreslene(p.dc);
    Over(r.right - r.left + 1 == 4, "two strokes 2 wide and 2 apart cover 4 columns");
    for (int x = r.left; x <= r.right; x++) {
        Over(GetPixel(p.dc, x, 10) != RGB(255, 255, 255), "the strokes touch without a gap");
    }
}

void SkusKlavesy(const Plocha& p) {
    SIZE tab;
    KlavesaMala(p.dc, &tab, "TAB", 6, 7, 87);
    OverVyber(p, "KlavesaMala");
    Over(RovnakyRozmer(tab, Rozmer(p.dc, "TAB", "Times New Roman", -9)),
         "a key cap reports its label's extent");

    Vycisti(p.dc);
    KlavesaMala(p.dc, &tab, "ESC", 6, 8, 169 - 100);
    RECT r = Kreslene(p.dc);
    Over(r.left == 8 + 3 && r.top == 69 + 1,
         "the small cap starts 3 right of and 1 below its anchor");
    Over(r.right == 8 + tab.cx + 11 - 1 && r.bottom == 69 + tab.cy + 4 - 1,
         "the small cap ends at the label's extent plus its margins");
    Vycisti(p.dc);
    Klavesa(p.dc, &tab, "ESC", 6, 8, 69);
    OverVyber(p, "Klavesa");
    r = Kreslene(p.dc);
    Over(r.left == 8 && r.top == 69 && r.right == 8 + tab.cx + 14 - 1 &&
             r.bottom == 69 + tab.cy + 4 - 1,
         "the cap spans the label's extent plus 14 by 4");

    // The arrow keys' pixels are checked on the program's face.
    SipkaVpravo(p.dc, 21, 138, 64);
    OverVyber(p, "SipkaVpravo");
}

// Every routine creates and deletes its own objects: after many calls new objects can still be
// made and the routines still draw in their own fonts.
void SkusUniky(const Plocha& p) {
    SIZE prvy, posledny, k1, k2;
    Napis(p.dc, &prvy, "%d", 12345, 0, 0, 0, -15, 1, 0, "System");
    KlavesaMala(p.dc, &k1, "TAB", 6, 0, 0);
    for (int i = 0; i < 40000; i++) {
        Napis(p.dc, &posledny, "%d", 12345, 0, 0, 0, -15, 1, 0, "System");
        NapisDouble(p.dc, &posledny, "%.0f", 12345.0, 0, 0, 0, -15, 1, "System");
        Okienko(p.dc, 1, 2, 12, 0, 0, 10, 10);
        Usecka(p.dc, 3, 2, 0, 0, 5, 5);
        KlavesaMala(p.dc, &k2, "TAB", 6, 0, 0);
        SipkaHore(p.dc, 21, 0, 0);
    }
    Napis(p.dc, &posledny, "%d", 12345, 0, 0, 0, -15, 1, 0, "System");
    Over(RovnakyRozmer(prvy, posledny) && RovnakyRozmer(k1, k2),
         "after 240000 calls the texts still come out in their own fonts");
    HPEN pero = CreatePen(PS_SOLID, 1, 0);
    Over(pero != nullptr, "after 240000 calls a new pen can still be made");
    DeleteObject(pero);
    OverVyber(p, "the routines after many calls");
}

} // namespace

int main() {
    Plocha p = NovaPlocha();
    SkusNapis(p);
    SkusOkienko(p);
    SkusUsecku(p);
    SkusKlavesy(p);
    SkusUniky(p);
    std::printf("%s %d\n", chyby ? "FAILED" : "OK", chyby);
    return chyby ? 1 : 0;
}
