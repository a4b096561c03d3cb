// Compares the program's screen copy with GetPixel of the screen and with the image put on it; then
// tries the mouse toolbox over the last screen.
//
// Reads commands from standard input, one per line, so that the caller can change the screen
// between copies made by the same process (the copy keeps its bitmap from one search to the next):
//   <image.rgb> <0|1>   copy the screen and compare it with the image (raw RGB rows, top-down);
//                       1 also compares every pixel with GetPixel of the screen's device context
// and answers each with one line: "ok ..." or "fail ...", with details of the first differences.
// At the end of the input the mouse toolbox is tried, answered the same way.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "mouse/mys.h"
#include "search/hladanie.h"

namespace {

bool NacitajObraz(const char* cesta, size_t velkost, std::vector<unsigned char>* obraz) {
    FILE* subor = std::fopen(cesta, "rb");
    if (subor == nullptr)
        return false;
    obraz->assign(velkost + 1, 0);
    const size_t precitane = std::fread(obraz->data(), 1, velkost + 1, subor);
    std::fclose(subor);
    obraz->resize(velkost);
    return precitane == velkost;
}

// Every pixel of the copy against the image (a top byte left set differs too) and, when asked,
// against GetPixel: under wine each call of it is a round trip to the X server.
bool Skontroluj(const char* cesta, bool porovnat_getpixel, std::vector<unsigned char>* obraz) {
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    const size_t pixelov = static_cast<size_t>(sirka) * vyska;
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    if (pixelov == 0 || !NacitajObraz(cesta, 3 * pixelov, obraz) || farby == nullptr) {
        std::printf("fail no %dx%d copy to compare with %s\n", sirka, vyska, cesta);
        return false;
    }
    HDC obrazovka = porovnat_getpixel ? GetDC(nullptr) : nullptr;
    long rozne[2] = {0, 0};
    for (size_t i = 0; i < pixelov; ++i) {
        const unsigned char* p = obraz->data() + 3 * i;
        const int x = static_cast<int>(i % sirka), y = static_cast<int>(i / sirka);
        const COLORREF chceme[2] = {RGB(p[0], p[1], p[2]),
                                    obrazovka ? GetPixel(obrazovka, x, y) : farby[i]};
        for (int k = 0; k < 2; ++k)
            if (farby[i] != chceme[k] && ++rozne[k] + rozne[1 - k] <= 10)
                std::printf("  at (%d, %d): copy 0x%08lx, %s 0x%08lx\n", x, y,
                            static_cast<unsigned long>(farby[i]), k ? "GetPixel" : "image",
                            static_cast<unsigned long>(chceme[k]));
    }
    if (obrazovka != nullptr)
        ReleaseDC(nullptr, obrazovka);
    std::printf("%s %dx%d pixels, %ld unlike the image, %ld unlike GetPixel%s\n",
                rozne[0] + rozne[1] ? "fail" : "ok", sirka, vyska, rozne[0], rozne[1],
                obrazovka ? "" : " (not asked)");
    return rozne[0] + rozne[1] == 0;
}

// Left-button presses that reached the click target.
int g_kliky = 0;

LRESULT CALLBACK ProceduraTerca(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    if (sprava == WM_LBUTTONDOWN)
        ++g_kliky;
    return DefWindowProcA(okno, sprava, wParam, lParam);
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

bool Kurzor(int x, int y) {
    const POINT p = PolohaMysiDesktop(nullptr);
    return p.x == x && p.y == y;
}

int g_chyby_mysi = 0;

void Over(bool podmienka, const char* sprava) {
    if (!podmienka) {
        ++g_chyby_mysi;
        std::printf("  mouse: %s\n", sprava);
    }
}

// Movement seen to the pixel, the cursor and the colour under it (on the target and on the image
// around it), clicks counted as presses where they were aimed, none for a count below 1.
bool MysovyNastroj(const std::vector<unsigned char>& obraz, int sirka) {
    const COLORREF terc = RGB(12, 34, 56);
    WNDCLASSA trieda = {};
    trieda.lpfnWndProc = ProceduraTerca;
    trieda.hInstance = GetModuleHandleA(nullptr);
    trieda.hbrBackground = CreateSolidBrush(terc);
    trieda.lpszClassName = "Terc";
    RegisterClassA(&trieda);
    CreateWindowExA(WS_EX_TOPMOST, "Terc", "", WS_POPUP | WS_VISIBLE, 300, 200, 100, 100, nullptr,
                    nullptr, trieda.hInstance, nullptr);
    Pumpuj(1000);
    const struct {
        int x, y, pohyb;
        const char* co;
    } pohyby[] = {{310, 220, 0, "the first probe reports a movement"},
                  {310, 220, 0, "a still cursor reported as moving"},
                  {311, 220, 1, "a move of one pixel in x is not seen"},
                  {311, 221, 1, "a move of one pixel in y is not seen"},
                  {311, 221, 0, "a still cursor reported as moving"}};
    for (const auto& p : pohyby) {
        SetCursorPos(p.x, p.y);
        Pumpuj(200);
        Over(AktivitaMysi(nullptr) == p.pohyb, p.co);
    }
    Over(Kurzor(311, 221), "cursor position not read");
    Over(FarbaMysiDesktop() == terc, "wrong colour under the cursor on the target");
    // A count of 1 stands for KlikMysou; the presses add up, the cursor stays where aimed.
    const struct {
        int pocet, x, y, kliky, kurzor_x, kurzor_y;
    } kliky[] = {{0, 340, 240, 0, 311, 221},
                 {-1, 340, 240, 0, 311, 221},
                 {1, 330, 240, 1, 330, 240},
                 {3, 350, 260, 4, 350, 260}};
    for (const auto& k : kliky) {
        k.pocet == 1 ? KlikMysou(k.x, k.y) : KlikanieMysou(k.pocet, k.x, k.y);
        Pumpuj(300);
        char sprava[80];
        std::snprintf(sprava, sizeof sprava, "%d click(s) at (%d, %d)", k.pocet, k.x, k.y);
        Over(Kurzor(k.kurzor_x, k.kurzor_y) && g_kliky == k.kliky, sprava);
    }
    SetCursorPos(21, 230);
    Pumpuj(200);
    const size_t i = 3 * (static_cast<size_t>(230) * sirka + 21);
    Over(obraz.size() > i + 2 && FarbaMysiDesktop() == RGB(obraz[i], obraz[i + 1], obraz[i + 2]),
         "wrong colour under the cursor on the image");
    std::printf("%s mouse toolbox, %d failure(s)\n", g_chyby_mysi ? "fail" : "ok", g_chyby_mysi);
    return g_chyby_mysi == 0;
}

} // namespace

int main() {
    char riadok[1024];
    int zlyhania = 0;
    std::vector<unsigned char> obraz;
    while (std::fgets(riadok, sizeof riadok, stdin) != nullptr) {
        char cesta[1024];
        int getpixel = 0;
        if (std::sscanf(riadok, "%1023s %d", cesta, &getpixel) != 2) {
            std::printf("fail bad command: %s", riadok);
            ++zlyhania;
        } else if (!Skontroluj(cesta, getpixel != 0, &obraz)) {
            ++zlyhania;
        }
        std::fflush(stdout);
    }
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    if (!MysovyNastroj(obraz, sirka))
        ++zlyhania;
    return zlyhania == 0 ? 0 : 1;
}
