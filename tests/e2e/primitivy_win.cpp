// Checks inside wine what the drawing primitives promise: the device context left as found, the
// flags, the code page 1250 widening, the reported extents, and no GDI object kept per call.
#include "draw/kreslenie.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

int chyby = 0;
HDC dc = nullptr;

void Over(bool podmienka, const char* co) {
    if (!podmienka) {
        std::printf("FAIL %s\n", co);
        chyby++;
    }
}

SIZE Text(const char* text, LONG vyska, int tucne = 0, int otoc = 0, int x = 0, int y = 0) {
    SIZE s = {};
    Napis(dc, &s, text, -1, x, y, 0, vyska, tucne, otoc, "Tahoma");
    return s;
}

bool Rovnake(SIZE a, SIZE b) {
    return a.cx == b.cx && a.cy == b.cy;
}

// Width and height of what a text drawn alone on the white 300 x 200 plane covers.
SIZE Kresba(const char* text, int otoc, int x, int y) {
    RECT r = {0, 0, 300, 200};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Text(text, -16, 0, otoc, x, y);
    r = {300, 200, -1, -1};
    for (int j = 0; j < 200; j++)
        for (int i = 0; i < 300; i++)
            if (GetPixel(dc, i, j) != RGB(255, 255, 255))
                r = {i < r.left ? i : r.left, j < r.top ? j : r.top, i > r.right ? i : r.right,
                     j > r.bottom ? j : r.bottom};
    return {r.right - r.left, r.bottom - r.top};
}

const struct {
    const char* meno;
    std::function<void()> kresli;
} kPrimitivy[] = {
    {"Napis", [] { Text("%d", -12); }},
    {"NapisDouble", [] { NapisDouble(dc, nullptr, "%.1f", 2.5, 0, 0, 0, -12, 0, "Tahoma"); }},
    {"Okienko", [] { Okienko(dc, 1, 2, 12, 0, 0, 10, 10); }},
    {"Usecka", [] { Usecka(dc, 3, 2, 0, 0, 5, 5); }},
    {"Klavesa", [] { Klavesa(dc, nullptr, "ESC", 6, 8, 69); }},
    {"KlavesaMala", [] { KlavesaMala(dc, nullptr, "TAB", 6, 0, 0); }},
    {"SipkaHore", [] { SipkaHore(dc, 21, 0, 0); }},
};

} // namespace

int main() {
    HDC obrazovka = GetDC(nullptr);
    dc = CreateCompatibleDC(obrazovka);
    SelectObject(dc, CreateCompatibleBitmap(obrazovka, 300, 200));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    SetTextColor(dc, RGB(1, 2, 3));
    const SIZE prvy = Text("MMMM 12345", -15, 1);
    for (const auto& p : kPrimitivy) {
        for (int i = 0; i < 20000; i++)
            p.kresli();
        Over(GetCurrentObject(dc, OBJ_FONT) == GetStockObject(SYSTEM_FONT) &&
                 GetCurrentObject(dc, OBJ_PEN) == GetStockObject(BLACK_PEN) &&
                 GetCurrentObject(dc, OBJ_BRUSH) == GetStockObject(GRAY_BRUSH) &&
                 GetTextColor(dc) == RGB(1, 2, 3),
             p.meno);
    }
    // Every routine creates and deletes its own objects: after 140000 calls new ones can be made.
    HPEN pero = CreatePen(PS_SOLID, 1, 0);
    Over(pero != nullptr && DeleteObject(pero) && Rovnake(Text("MMMM 12345", -15, 1), prvy),
         "after many calls objects can be made and texts keep their fonts");
    SIZE s;
    Napis(dc, &s, "%d", 100, 0, 0, 0, -12, 0, 0, "Tahoma");
    Over(Rovnake(s, Text("100", -12)) && s.cx > 0, "Napis reports the formatted text's extent");
    Over(Text("MMMMMMMM", -20, 1).cx > Text("MMMMMMMM", -20).cx, "bold flag 1 is bold");
    Over(Rovnake(Text("MMMMMMMM", -20, 2), Text("MMMMMMMM", -20)), "bold flag 2 is not bold");
    LOGFONTA gui;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    Over(Rovnake(Text("Xy", 0), Text("Xy", gui.lfHeight)), "height 0 keeps the GUI font's height");
    const SIZE hore = Kresba("HHHHHHHH", 1, 100, 180), napriec = Kresba("HHHHHHHH", 2, 100, 100);
    Over(hore.cy > 2 * hore.cx && napriec.cx > 2 * napriec.cy,
         "turn flag 1 writes upwards, 2 across");
    // Byte 0xE8 is c with caron in code page 1250 (e with grave in 1252): as wide as c, and higher.
    Over(Text("\xe8", -40).cx == Text("c", -40).cx && Text("e", -40).cx != Text("c", -40).cx,
         "byte 0xE8 is as wide as c, unlike e");
    Over(Kresba("\xe8", 0, 50, 50).cy > Kresba("c", 0, 50, 50).cy, "the caron stands above the c");
    std::printf("%s %d\n", chyby ? "FAILED" : "OK", chyby);
    return chyby ? 1 : 0;
}
