// Checks inside wine what cannot be seen from outside: the drawing primitives (the device context
// left as found, the flags, the code page 1250 widening, extents, no GDI object kept per call); the
// program's screen copy against the images put on the screen, for two screens copied by one
// process; the mouse toolbox. Arguments: the images, raw RGB rows top-down. Before each copy after
// the first it prints "next" and waits for a line on standard input (the screen has changed).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <functional>
#include <vector>

#include "draw/kreslenie.h"
#include "mouse/mys.h"
#include "search/hladanie.h"

namespace {

int chyby = 0, sirka = 0, vyska = 0, kliky = 0;
HDC dc = nullptr;
std::vector<unsigned char> obraz;

void Over(bool podmienka, const char* co) {
    if (!podmienka && ++chyby)
        std::printf("FAIL %s\n", co);
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

void Primitivy() {
    HDC obrazovka = GetDC(nullptr);
    dc = CreateCompatibleDC(obrazovka);
    SelectObject(dc, CreateCompatibleBitmap(obrazovka, 300, 200));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    SetTextColor(dc, RGB(1, 2, 3));
    // A routine that keeps a GDI object per call leaves its handle's slot taken: the slot of the
    // next new object then moves on by the number of calls.
    for (const auto& p : kPrimitivy) {
        HPEN pero = CreatePen(PS_SOLID, 1, 0);
        const UINT_PTR pred = reinterpret_cast<UINT_PTR>(pero);
        DeleteObject(pero);
        for (int i = 0; i < 3000; i++)
            p.kresli();
        pero = CreatePen(PS_SOLID, 1, 0);
        Over(((reinterpret_cast<UINT_PTR>(pero) - pred) & 0xFFFF) < 100 && DeleteObject(pero),
             p.meno);
        Over(GetCurrentObject(dc, OBJ_FONT) == GetStockObject(SYSTEM_FONT) &&
                 GetCurrentObject(dc, OBJ_PEN) == GetStockObject(BLACK_PEN) &&
                 GetCurrentObject(dc, OBJ_BRUSH) == GetStockObject(GRAY_BRUSH) &&
                 GetTextColor(dc) == RGB(1, 2, 3),
             p.meno);
    }
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
}

// Every pixel of the copy against the image (a top byte left set differs too).
void Kopia(const char* cesta) {
    const size_t pixelov = static_cast<size_t>(sirka) * vyska;
    obraz.assign(3 * pixelov + 1, 0);
    FILE* subor = std::fopen(cesta, "rb");
    const bool cele = subor && std::fread(obraz.data(), 1, obraz.size(), subor) == 3 * pixelov;
    if (subor)
        std::fclose(subor);
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    Over(farby && cele, "a copy and an image of the screen's size");
    long rozne = 0;
    for (size_t i = 0; farby && cele && i < pixelov; ++i) {
        const unsigned char* p = &obraz[3 * i];
        if (farby[i] != RGB(p[0], p[1], p[2]) && ++rozne <= 5)
            std::printf("  at (%d, %d) the copy has 0x%08lx\n", static_cast<int>(i % sirka),
                        static_cast<int>(i / sirka), static_cast<unsigned long>(farby[i]));
    }
    Over(rozne == 0, cesta);
}

LRESULT CALLBACK Terc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    kliky += sprava == WM_LBUTTONDOWN;
    return DefWindowProcA(okno, sprava, wParam, lParam);
}

void Pumpuj(int ms) {
    MSG sprava;
    for (const DWORD koniec = GetTickCount() + ms; GetTickCount() < koniec; Sleep(20))
        while (PeekMessageA(&sprava, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&sprava);
}

bool Kurzor(int x, int y) {
    const POINT p = PolohaMysiDesktop(nullptr);
    return p.x == x && p.y == y;
}

// Movement seen to the pixel, the cursor and the colour under it (on a target window and on the
// image), clicks counted as presses where aimed, none for a count below 1.
void Mys() {
    WNDCLASSA trieda = {};
    trieda.lpfnWndProc = Terc;
    trieda.hInstance = GetModuleHandleA(nullptr);
    trieda.hbrBackground = CreateSolidBrush(RGB(12, 34, 56));
    trieda.lpszClassName = "Terc";
    RegisterClassA(&trieda);
    CreateWindowExA(WS_EX_TOPMOST, "Terc", "", WS_POPUP | WS_VISIBLE, 300, 200, 100, 100, nullptr,
                    nullptr, trieda.hInstance, nullptr);
    Pumpuj(1000);
    const int pohyby[][3] = {
        {310, 220, 0}, {310, 220, 0}, {311, 220, 1}, {311, 221, 1}, {311, 221, 0}};
    for (const auto& p : pohyby) {
        SetCursorPos(p[0], p[1]);
        Pumpuj(200);
        Over(AktivitaMysi(nullptr) == p[2], "a move of one pixel seen, none when still or first");
    }
    Over(Kurzor(311, 221) && FarbaMysiDesktop() == RGB(12, 34, 56),
         "cursor and colour on the target");
    const int klikanie[][6] = {{0, 340, 240, 0, 311, 221},
                               {-1, 340, 240, 0, 311, 221},
                               {1, 330, 240, 1, 330, 240},
                               {3, 350, 260, 4, 350, 260}};
    for (const auto& k : klikanie) {
        k[0] == 1 ? KlikMysou(k[1], k[2]) : KlikanieMysou(k[0], k[1], k[2]);
        Pumpuj(300);
        Over(kliky == k[3] && Kurzor(k[4], k[5]), "presses counted, the cursor where aimed");
    }
    SetCursorPos(21, 230);
    Pumpuj(200);
    const unsigned char* p = &obraz[3 * (static_cast<size_t>(230) * sirka + 21)];
    Over(FarbaMysiDesktop() == RGB(p[0], p[1], p[2]), "the colour under the cursor on the image");
}

// The DPI settings of the program's manifest as the loader reads them.
void Manifest(const char* program) {
    wchar_t cesta[MAX_PATH] = {};
    MultiByteToWideChar(CP_UTF8, 0, program, -1, cesta, MAX_PATH);
    ACTCTXW kontext = {};
    kontext.cbSize = sizeof(kontext);
    kontext.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    kontext.lpSource = cesta;
    kontext.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE h = CreateActCtxW(&kontext);
    Over(h != INVALID_HANDLE_VALUE, "the program's manifest loads");
    const wchar_t* const nastavenia[][3] = {
        {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", L"true/pm"},
        {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness",
         L"PerMonitorV2, PerMonitor"}};
    for (const auto& n : nastavenia) {
        wchar_t hodnota[64] = {};
        SIZE_T dlzka = 0;
        Over(QueryActCtxSettingsW(0, h, n[0], n[1], hodnota, 64, &dlzka) &&
                 std::wcscmp(hodnota, n[2]) == 0,
             "a DPI setting of the manifest as the loader reads it");
    }
    ReleaseActCtx(h);
}

} // namespace

int main(int argc, char** argv) {
    Primitivy();
    if (argc > 1 && std::strncmp(argv[1], "manifest=", 9) == 0) {
        Manifest(argv[1] + 9);
        ++argv;
        --argc;
    }
    VelkostDesktopu(&sirka, &vyska);
    for (int i = 1; i < argc; ++i) {
        char riadok[8];
        if (i > 1 && std::printf("next\n") && !std::fflush(stdout) &&
            !std::fgets(riadok, sizeof riadok, stdin))
            return 1;
        Kopia(argv[i]);
    }
    Mys();
    std::printf("%s %d\n", chyby ? "FAILED" : "OK", chyby);
    return chyby ? 1 : 0;
}
