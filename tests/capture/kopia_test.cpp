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

struct Rozdiely {
    long horny_bajt = 0;
    long obraz = 0;
    long getpixel = 0;
    int vypisane = 0;
};

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

void Vypis(Rozdiely* r, const char* co, int x, int y, COLORREF mame, COLORREF chceme) {
    if (r->vypisane >= 10)
        return;
    ++r->vypisane;
    std::printf("  %s at (%d, %d): copy 0x%08lx, expected 0x%08lx\n", co, x, y,
                static_cast<unsigned long>(mame), static_cast<unsigned long>(chceme));
}

// Compares every pixel of the table; GetPixel is asked only when porovnat_getpixel is set, since
// under wine each call is a round trip to the X server.
Rozdiely Porovnaj(const COLORREF* farby, int sirka, int vyska, const unsigned char* obraz,
                  bool porovnat_getpixel) {
    Rozdiely r;
    HDC obrazovka = porovnat_getpixel ? GetDC(nullptr) : nullptr;
    for (int y = 0; y < vyska; ++y) {
        for (int x = 0; x < sirka; ++x) {
            const COLORREF mame = farby[static_cast<size_t>(y) * sirka + x];
            const unsigned char* p = obraz + 3 * (static_cast<size_t>(y) * sirka + x);
            const COLORREF znamy = RGB(p[0], p[1], p[2]);
            if ((mame >> 24) != 0) {
                ++r.horny_bajt;
                Vypis(&r, "top byte", x, y, mame, mame & 0xFFFFFFu);
            }
            if (mame != znamy) {
                ++r.obraz;
                Vypis(&r, "image", x, y, mame, znamy);
            }
            if (obrazovka != nullptr) {
                const COLORREF bod = GetPixel(obrazovka, x, y);
                if (mame != bod) {
                    ++r.getpixel;
                    Vypis(&r, "GetPixel", x, y, mame, bod);
                }
            }
        }
    }
    if (obrazovka != nullptr)
        ReleaseDC(nullptr, obrazovka);
    return r;
}

bool Skontroluj(const char* cesta, bool porovnat_getpixel, std::vector<unsigned char>* obraz) {
    int sirka = 0;
    int vyska = 0;
    VelkostDesktopu(&sirka, &vyska);
    if (sirka <= 0 || vyska <= 0 ||
        !NacitajObraz(cesta, static_cast<size_t>(sirka) * vyska * 3, obraz)) {
        std::printf("fail %s is not a %dx%d RGB image\n", cesta, sirka, vyska);
        return false;
    }
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    if (farby == nullptr) {
        std::printf("fail no copy of the %dx%d screen\n", sirka, vyska);
        return false;
    }
    const Rozdiely r = Porovnaj(farby, sirka, vyska, obraz->data(), porovnat_getpixel);
    const bool dobre = r.horny_bajt == 0 && r.obraz == 0 && r.getpixel == 0;
    std::printf(
        "%s %dx%d pixels, %ld with a top byte, %ld unlike the image, %ld unlike GetPixel%s\n",
        dobre ? "ok" : "fail", sirka, vyska, r.horny_bajt, r.obraz, r.getpixel,
        porovnat_getpixel ? "" : " (not asked)");
    return dobre;
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
