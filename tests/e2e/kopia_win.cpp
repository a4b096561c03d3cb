// Compares the program's screen copy with the images put on the screen and with GetPixel, for two
// screens copied by one process (the copy keeps its bitmap); then tries the mouse toolbox.
// Arguments: the images, raw RGB rows top-down. Before each copy after the first it prints "next"
// and waits for a line on standard input: the caller has changed the screen by then.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "mouse/mys.h"
#include "search/hladanie.h"

namespace {

int chyby = 0, sirka = 0, vyska = 0, kliky = 0;
std::vector<unsigned char> obraz;

void Over(bool podmienka, const char* co) {
    if (!podmienka && ++chyby)
        std::printf("FAIL %s\n", co);
}

// Every pixel of the copy against the image (a top byte left set differs too) and, for the first,
// against GetPixel: under wine each call of it is a round trip to the X server.
void Kopia(const char* cesta, bool getpixel) {
    const size_t pixelov = static_cast<size_t>(sirka) * vyska;
    obraz.assign(3 * pixelov + 1, 0);
    FILE* subor = std::fopen(cesta, "rb");
    const bool cele = subor && std::fread(obraz.data(), 1, obraz.size(), subor) == 3 * pixelov;
    if (subor)
        std::fclose(subor);
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    Over(farby && cele, "a copy and an image of the screen's size");
    HDC obrazovka = GetDC(nullptr);
    long rozne = 0;
    for (size_t i = 0; farby && cele && i < pixelov; ++i) {
        const int x = static_cast<int>(i % sirka), y = static_cast<int>(i / sirka);
        const unsigned char* p = &obraz[3 * i];
        if ((farby[i] != RGB(p[0], p[1], p[2]) ||
             (getpixel && farby[i] != GetPixel(obrazovka, x, y))) &&
            ++rozne <= 5)
            std::printf("  at (%d, %d) the copy has 0x%08lx\n", x, y,
                        static_cast<unsigned long>(farby[i]));
    }
    ReleaseDC(nullptr, obrazovka);
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

} // namespace

int main(int argc, char** argv) {
    VelkostDesktopu(&sirka, &vyska);
    for (int i = 1; i < argc; ++i) {
        char riadok[8];
        if (i > 1 && std::printf("next\n") && !std::fflush(stdout) &&
            !std::fgets(riadok, sizeof riadok, stdin))
            return 1;
        Kopia(argv[i], i == 1);
    }
    Mys();
    std::printf("%s %d\n", chyby ? "FAILED" : "OK", chyby);
    return chyby ? 1 : 0;
}
