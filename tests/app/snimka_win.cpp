// The program's screen copy and the mouse toolbox on a screen of known colours: the copy gives the
// same table as GetPixel, a search over it finds what was drawn, the probes and clicks act where
// they should. A Win32 console program; exit status 0 when every check holds.
#include <windows.h>

#include <cstdio>

#include "app/stav.h"
#include "mouse/mys.h"
#include "search/hladanie.h"

namespace {

const int kX = 100; // the pattern window, placed off the origin to catch offset mistakes
const int kY = 50;
const int kStrana = 256;
// A grey RGB(70, 70, 70) square inside the pattern, in pattern coordinates.
const int kSedyOd = 150;
const int kSedyDo = 179;

int g_chyby = 0;

void Chyba(const char* sprava, int x, int y, COLORREF ma_byt, COLORREF je) {
    if (++g_chyby <= 10)
        std::printf("%s at (%d, %d): expected %06lx, got %06lx\n", sprava, x, y,
                    static_cast<unsigned long>(ma_byt), static_cast<unsigned long>(je));
}

// Every channel takes many values and no pixel is a pure grey except inside the square and (0, 0).
COLORREF Vzor(int x, int y) {
    if (x >= kSedyOd && x <= kSedyDo && y >= kSedyOd && y <= kSedyDo)
        return RGB(70, 70, 70);
    return RGB(x, y, (3 * x + 5 * y) & 0xFF);
}

// Left-button presses that reached the pattern window.
int g_kliky_vzoru = 0;

LRESULT CALLBACK ProceduraVzoru(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    if (sprava == WM_LBUTTONDOWN)
        ++g_kliky_vzoru;
    if (sprava != WM_PAINT)
        return DefWindowProcA(okno, sprava, wParam, lParam);
    static DWORD bity[kStrana * kStrana];
    for (int y = 0; y < kStrana; ++y)
        for (int x = 0; x < kStrana; ++x) {
            const COLORREF c = Vzor(x, y); // DIB order: blue in the low byte
            bity[y * kStrana + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kStrana;
    info.bmiHeader.biHeight = -kStrana;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(okno, &ps);
    SetDIBitsToDevice(dc, 0, 0, kStrana, kStrana, 0, 0, 0, kStrana, bity, &info, DIB_RGB_COLORS);
    EndPaint(okno, &ps);
    return 0;
}

HWND Okno(int x, int y, int sirka, int vyska) {
    HWND okno = CreateWindowExA(WS_EX_TOPMOST, "Vzor", "", WS_POPUP | WS_VISIBLE, x, y, sirka,
                                vyska, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(okno);
    return okno;
}

void Pumpuj(int ms) {
    const DWORD koniec = GetTickCount() + static_cast<DWORD>(ms);
    MSG sprava;
    while (GetTickCount() < koniec) {
        while (PeekMessageA(&sprava, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&sprava);
        Sleep(20);
    }
}

void PorovnajSGetPixel(const COLORREF* farby, int sirka, int vyska) {
    HDC obrazovka = GetDC(nullptr);
    for (int y = 0; y < kStrana; ++y)
        for (int x = 0; x < kStrana; ++x) {
            const COLORREF t = farby[(kY + y) * sirka + kX + x];
            if (t != Vzor(x, y))
                Chyba("table differs from the drawn colour", kX + x, kY + y, Vzor(x, y), t);
        }
    // GetPixel is slow; a grid over the whole screen and a dense patch of the pattern.
    for (int y = 0; y < vyska; y += 37)
        for (int x = 0; x < sirka; x += 41) {
            const COLORREF g = GetPixel(obrazovka, x, y);
            if (farby[y * sirka + x] != g)
                Chyba("table differs from GetPixel", x, y, g, farby[y * sirka + x]);
        }
    for (int y = kY; y < kY + 40; ++y)
        for (int x = kX; x < kX + 40; ++x) {
            const COLORREF g = GetPixel(obrazovka, x, y);
            if (farby[y * sirka + x] != g)
                Chyba("table differs from GetPixel", x, y, g, farby[y * sirka + x]);
        }
    ReleaseDC(nullptr, obrazovka);
}

void Skontroluj(bool podmienka, const char* sprava) {
    if (!podmienka) {
        ++g_chyby;
        std::printf("%s\n", sprava);
    }
}

bool Kurzor(int x, int y) {
    POINT p = {};
    GetCursorPos(&p);
    return p.x == x && p.y == y;
}

void MysovyNastroj() {
    SetCursorPos(kX + 10, kY + 20);
    Pumpuj(200);
    Skontroluj(AktivitaMysi(nullptr) == 0, "first movement probe reports a movement");
    Skontroluj(AktivitaMysi(nullptr) == 0, "still cursor reported as moving");
    SetCursorPos(kX + 11, kY + 20);
    Pumpuj(200);
    Skontroluj(AktivitaMysi(nullptr) == 1, "a move of one pixel in x is not seen");
    SetCursorPos(kX + 11, kY + 21);
    Pumpuj(200);
    Skontroluj(AktivitaMysi(nullptr) == 1, "a move of one pixel in y is not seen");
    Skontroluj(AktivitaMysi(nullptr) == 0, "still cursor reported as moving");

    const POINT p = PolohaMysiDesktop(nullptr);
    Skontroluj(p.x == kX + 11 && p.y == kY + 21, "cursor position not read");
    Skontroluj(FarbaMysiDesktop() == Vzor(11, 21), "wrong colour under the cursor");

    KlikanieMysou(0, kX + 40, kY + 40);
    KlikanieMysou(-1, kX + 40, kY + 40);
    Pumpuj(200);
    Skontroluj(Kurzor(kX + 11, kY + 21) && g_kliky_vzoru == 0,
               "a click count of 0 or less did something");
    KlikMysou(kX + 30, kY + 40);
    Pumpuj(300);
    Skontroluj(Kurzor(kX + 30, kY + 40), "a click leaves the cursor elsewhere");
    Skontroluj(g_kliky_vzoru == 1, "one click is not one press");
    KlikanieMysou(3, kX + 50, kY + 60);
    Pumpuj(300);
    Skontroluj(Kurzor(kX + 50, kY + 60), "repeated clicks leave the cursor elsewhere");
    Skontroluj(g_kliky_vzoru == 4, "three clicks are not three presses");
}

} // namespace

int main() {
    WNDCLASSA trieda = {};
    trieda.lpfnWndProc = ProceduraVzoru;
    trieda.hInstance = GetModuleHandleA(nullptr);
    trieda.lpszClassName = "Vzor";
    RegisterClassA(&trieda);
    HWND vzor = Okno(kX, kY, kStrana, kStrana);
    HWND male = Okno(1000, 700, 8, 8); // stands in for the program's window
    Pumpuj(1500);

    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    Skontroluj(sirka >= kX + kStrana && vyska >= kY + kStrana, "desktop too small for the pattern");
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    Skontroluj(farby != nullptr, "no screen copy");
    if (farby == nullptr)
        return 1;
    for (size_t i = 0; i < static_cast<size_t>(sirka) * vyska; ++i)
        if (farby[i] >> 24 != 0) {
            Skontroluj(false, "a colour with a top byte");
            break;
        }
    PorovnajSGetPixel(farby, sirka, vyska);

    // Twice, so that the kept copy is reused; band 2 holds 64..95.
    for (int kolo = 0; kolo < 2; ++kolo) {
        const int pocet = Zornavit(male, 2, 20, 70);
        Skontroluj(pocet == 1, "the grey square is not the one object found");
        const int stred = (kSedyOd + kSedyDo) / 2;
        Skontroluj(pocet >= 1 && centers[0].x == kX + stred && centers[0].y == kY + stred,
                   "wrong centre of the grey square");
        Skontroluj(pocet >= 1 && objekty[0].left == kX + kSedyOd &&
                       objekty[0].top == kY + kSedyOd && objekty[0].right == kX + kSedyDo &&
                       objekty[0].bottom == kY + kSedyDo,
                   "wrong box of the grey square");
    }
    // The search leaves the given window out: over the pattern window the square is gone.
    Skontroluj(Zornavit(vzor, 2, 20, 70) == 0, "the square was found inside the excluded window");

    MysovyNastroj();

    std::printf("%s: %d failure(s)\n", g_chyby ? "FAIL" : "OK", g_chyby);
    return g_chyby ? 1 : 0;
}
