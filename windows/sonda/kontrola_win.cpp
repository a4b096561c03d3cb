// The tests' helper inside wine: "sonda [close]" prints the main window's and dialogs' rectangles,
// styles and controls (then may close the window); "drzi FILE" holds the file open without sharing
// until its input ends; "popredie X Y W H" keeps a grey window in front for a minute; "terc [pgup]"
// shows a target of grey buttons that reports every click (and may hold the chord Ctrl+Alt+PAGE UP
// first); else it checks the drawing primitives and the screen copy.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

#include "search/desktop.h"
#include "windows/hladanie_win.h"
#include "windows/kreslenie.h"

namespace {

int chyby = 0, sirka = 0, vyska = 0;
HDC dc = nullptr;

void Over(bool podmienka, const char* co) {
    if (!podmienka && ++chyby)
        std::printf("FAIL %s\n", co);
}

void Obdlznik(const char* meno, const char* pripona, RECT r, HWND okno = nullptr) {
    if (okno != nullptr)
        MapWindowPoints(okno, nullptr, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%s%s %ld %ld %ld %ld\n", meno, pripona, static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
}

// A window's rectangle as "meno", its client area as "meno_client", its controls as "meno_<id>".
void Okno(HWND okno, const char* meno) {
    RECT r;
    GetWindowRect(okno, &r);
    Obdlznik(meno, "", r);
    GetClientRect(okno, &r);
    Obdlznik(meno, "_client", r, okno);
    for (int id : {IDOK, IDCANCEL, 501, 502, 503, 511, 512, 513, 521, 522}) {
        char pripona[8];
        std::snprintf(pripona, sizeof pripona, "_%d", id);
        if (GetDlgItem(okno, id) != nullptr && GetWindowRect(GetDlgItem(okno, id), &r))
            Obdlznik(meno, pripona, r);
    }
    if (GetDlgItem(okno, 501) != nullptr)
        std::printf("%s_checked %d\n", meno,
                    static_cast<int>(SendDlgItemMessageA(okno, 501, BM_GETCHECK, 0, 0)));
    if (GetDlgItem(okno, 521) != nullptr)
        std::printf("%s_tolerance %u\n", meno, GetDlgItemInt(okno, 521, nullptr, FALSE));
}

int Sonda(bool zavri) {
    HWND okno = FindWindowA("WindowClass", " Objekty");
    std::printf("found %d\n", okno != nullptr ? 1 : 0);
    if (okno == nullptr)
        return 1;
    Okno(okno, "window");
    std::printf("style 0x%08lx\nexstyle 0x%08lx\n",
                static_cast<unsigned long>(GetWindowLongPtrA(okno, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongPtrA(okno, GWL_EXSTYLE)));
    for (const char* dialog : {" Nastavenia", " O programe"}) {
        HWND d = FindWindowA("#32770", dialog);
        if (d != nullptr && IsWindowVisible(d))
            Okno(d, dialog[1] == 'N' ? "settings" : "about");
    }
    if (zavri)
        PostMessageA(okno, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

int Drz(const char* cesta) {
    HANDLE subor = CreateFileA(cesta, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (subor == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    return std::getchar() == EOF ? 0 : 1; // the tests write nothing: their end closes the input
}

SIZE Text(const char* text, LONG vyska, int tucne = 0, int otoc = 0, int x = 0, int y = 0) {
    SIZE s = {};
    Napis(dc, &s, text, -1, x, y, 0, vyska, tucne, otoc, "Tahoma");
    return s;
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

const std::function<void()> kPrimitivy[] = {
    [] { Text("%d", -12); },
    [] { NapisDouble(dc, nullptr, "%.1f", 2.5, 0, 0, 0, -12, 0, "Tahoma"); },
    [] { Okienko(dc, 1, 2, 12, 0, 0, 10, 10); },
    [] { Usecka(dc, 3, 2, 0, 0, 5, 5); },
    [] { Klavesa(dc, nullptr, "ESC", 6, 8, 69); },
    [] { KlavesaMala(dc, nullptr, "TAB", 6, 0, 0); },
    [] { SipkaHore(dc, 21, 0, 0); },
};

// The highest slot of 8 new pens (deleted again): moved on by every GDI object a routine keeps.
UINT_PTR Vrch() {
    HPEN pera[8];
    UINT_PTR vrch = 0;
    for (HPEN& p : pera)
        vrch = std::max<UINT_PTR>(vrch, reinterpret_cast<UINT_PTR>(p = CreatePen(PS_SOLID, 1, 0)) &
                                            0xFFFF);
    for (HPEN p : pera)
        DeleteObject(p);
    return vrch;
}

void Primitivy() {
    HDC obrazovka = GetDC(nullptr);
    dc = CreateCompatibleDC(obrazovka);
    SelectObject(dc, CreateCompatibleBitmap(obrazovka, 300, 200));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    SetTextColor(dc, RGB(1, 2, 3));
    for (const auto& kresli : kPrimitivy) {
        const UINT_PTR pred = Vrch();
        for (int i = 0; i < 3000; i++)
            kresli();
        Over(Vrch() < pred + 100 && GetCurrentObject(dc, OBJ_FONT) == GetStockObject(SYSTEM_FONT) &&
                 GetCurrentObject(dc, OBJ_PEN) == GetStockObject(BLACK_PEN) &&
                 GetCurrentObject(dc, OBJ_BRUSH) == GetStockObject(GRAY_BRUSH) &&
                 GetTextColor(dc) == RGB(1, 2, 3),
             "a primitive keeps no GDI object and leaves the device context as found");
    }
    Over(Text("MMMMMMMM", -20, 1).cx > Text("MMMMMMMM", -20).cx, "bold flag 1 is bold");
    Over(Text("MMMMMMMM", -20, 2).cx == Text("MMMMMMMM", -20).cx, "bold flag 2 is not bold");
    LOGFONTA gui;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    Over(Text("Xy", 0).cy == Text("Xy", gui.lfHeight).cy, "height 0 keeps the GUI font's height");
    const SIZE hore = Kresba("HHHHHHHH", 1, 100, 180), napriec = Kresba("HHHHHHHH", 2, 100, 100);
    Over(hore.cy > 2 * hore.cx && napriec.cx > 2 * napriec.cy,
         "turn flag 1 writes upwards, 2 across");
    // Byte 0xE8 is c with caron in code page 1250 (e with grave in 1252): as wide as c, and higher.
    Over(Text("\xe8", -40).cx == Text("c", -40).cx && Text("e", -40).cx != Text("c", -40).cx &&
             Kresba("\xe8", 0, 50, 50).cy > Kresba("c", 0, 50, 50).cy,
         "byte 0xE8 is c with caron");
}

// Every pixel of the copy against the image (a top byte left set differs too).
void Kopia(const char* cesta) {
    const size_t pixelov = static_cast<size_t>(sirka) * vyska;
    std::vector<unsigned char> obraz(3 * pixelov + 1);
    FILE* subor = std::fopen(cesta, "rb");
    const bool cele = subor && std::fread(obraz.data(), 1, obraz.size(), subor) == 3 * pixelov;
    if (subor)
        std::fclose(subor);
    const COLORREF* farby = SnimkaObrazovky(sirka, vyska);
    long rozne = farby && cele ? 0 : 1;
    for (size_t i = 0; rozne == 0 && i < pixelov; ++i)
        rozne = farby[i] != RGB(obraz[3 * i], obraz[3 * i + 1], obraz[3 * i + 2]);
    Over(rozne == 0, cesta);
}

void Pumpuj(int ms) {
    MSG sprava;
    for (const DWORD koniec = GetTickCount() + ms; GetTickCount() < koniec; Sleep(20))
        while (PeekMessageA(&sprava, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&sprava);
}

// A grey popup (band 0) in front at x, y, w x h: "front" once Windows has it as the foreground
// window, then it stays until it is stopped or a minute has passed.
int Popredie(char** argv) {
    WNDCLASSA trieda = {};
    trieda.lpfnWndProc = DefWindowProcA;
    trieda.hInstance = GetModuleHandleA(nullptr);
    trieda.hbrBackground = CreateSolidBrush(RGB(20, 20, 20));
    trieda.lpszClassName = "Popredie";
    RegisterClassA(&trieda);
    HWND okno = CreateWindowExA(WS_EX_TOPMOST, "Popredie", "Popredie", WS_POPUP, std::atoi(argv[0]),
                                std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), nullptr,
                                nullptr, trieda.hInstance, nullptr);
    ShowWindow(okno, SW_SHOW);
    SetForegroundWindow(okno);
    UpdateWindow(okno);
    for (int i = 0; i < 100 && GetForegroundWindow() != okno; ++i)
        Pumpuj(50);
    std::puts(GetForegroundWindow() == okno ? "front" : "not in front");
    std::fflush(stdout);
    Pumpuj(60000);
    return 0;
}

// The target: 4 x 3 grey buttons 40 x 30, 120 and 80 pixels apart, in a window at (100, 100).
// Each press prints "klik" with its kind (L, R, D for the second press of a double click), the
// button (-1 for none), the modifiers held (MK_SHIFT 4, MK_CONTROL 8, Alt 32) and whether the
// target is the foreground window; a change of the keyboard focus prints "fokus 1" or "fokus 0".
const int kTercX = 100, kTercY = 100;

int Tlacidlo(LPARAM bod) {
    const int x = static_cast<short>(LOWORD(bod)) - 20, y = static_cast<short>(HIWORD(bod)) - 20;
    const bool na = x >= 0 && y >= 0 && x % 120 < 40 && y % 80 < 30 && x < 480 && y < 240;
    return na ? y / 80 * 4 + x / 120 : -1;
}

LRESULT CALLBACK Tlacidla(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    const char* druh = sprava == WM_LBUTTONDOWN     ? "L"
                       : sprava == WM_RBUTTONDOWN   ? "R"
                       : sprava == WM_LBUTTONDBLCLK ? "D"
                                                    : nullptr;
    if (druh != nullptr)
        std::printf("klik %s %d %d %d\n", druh, Tlacidlo(lParam),
                    static_cast<int>(wParam & (MK_SHIFT | MK_CONTROL)) |
                        (GetKeyState(VK_MENU) < 0 ? 32 : 0),
                    GetForegroundWindow() == okno ? 1 : 0);
    if (sprava == WM_SETFOCUS || sprava == WM_KILLFOCUS)
        std::printf("fokus %d\n", sprava == WM_SETFOCUS ? 1 : 0);
    if (sprava == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC kde = BeginPaint(okno, &ps);
        for (int i = 0; i < 12; i++) {
            const RECT r = {20 + i % 4 * 120, 20 + i / 4 * 80, 60 + i % 4 * 120, 50 + i / 4 * 80};
            FillRect(kde, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        EndPaint(okno, &ps);
        return 0;
    }
    std::fflush(stdout);
    return DefWindowProcA(okno, sprava, wParam, lParam);
}

int Terc(bool drz_skratku) {
    WNDCLASSA trieda = {};
    trieda.style = CS_DBLCLKS;
    trieda.lpfnWndProc = Tlacidla;
    trieda.hInstance = GetModuleHandleA(nullptr);
    trieda.hbrBackground = CreateSolidBrush(RGB(200, 220, 240));
    trieda.hCursor = LoadCursor(nullptr, IDC_ARROW);
    trieda.lpszClassName = "ZornavitTerc";
    RegisterClassA(&trieda);
    HWND okno = CreateWindowExA(0, "ZornavitTerc", "terc", WS_POPUP | WS_VISIBLE, kTercX, kTercY,
                                500, 260, nullptr, nullptr, trieda.hInstance, nullptr);
    if (drz_skratku)
        std::printf("drzi %d\n", RegisterHotKey(okno, 1, MOD_CONTROL | MOD_ALT, VK_PRIOR) ? 1 : 0);
    std::puts("terc");
    std::fflush(stdout);
    MSG sprava;
    while (GetMessageA(&sprava, nullptr, 0, 0) > 0)
        DispatchMessageA(&sprava);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "sonda") == 0)
        return Sonda(argc > 2 && std::strcmp(argv[2], "close") == 0);
    if (argc == 3 && std::strcmp(argv[1], "drzi") == 0)
        return Drz(argv[2]);
    if (argc == 6 && std::strcmp(argv[1], "popredie") == 0)
        return Popredie(argv + 2);
    if (argc > 1 && std::strcmp(argv[1], "terc") == 0)
        return Terc(argc > 2);
    Primitivy();
    ObnovDesktop();
    VelkostDesktopu(&sirka, &vyska);
    Kopia(argc > 1 ? argv[1] : "");
    std::printf("%s %d\n", chyby ? "FAILED" : "OK", chyby);
    return chyby ? 1 : 0;
}
