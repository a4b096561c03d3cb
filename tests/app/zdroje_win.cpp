// The resources as built into the program, read back through the Windows loader. A Win32 console
// program given the path of zornavit.exe; exit status 0 when every check holds. The pictures' own
// bytes (formats, tones, hot spots) are checked natively on the generator's files, which the
// resource compiler copies as they are; here each must load under its number.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "res/resource.h"

namespace {

int g_chyby = 0;
HMODULE g_program = nullptr;

void Skontroluj(bool podmienka, const char* sprava, int cislo) {
    if (!podmienka) {
        ++g_chyby;
        std::printf("resource %d: %s\n", cislo, sprava);
    }
}

// The raw bytes of a resource in language 1033; null when there is none.
const BYTE* Data(LPCSTR typ, int cislo, DWORD* velkost) {
    HRSRC zdroj = FindResourceExA(g_program, typ, MAKEINTRESOURCEA(cislo),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    *velkost = zdroj ? SizeofResource(g_program, zdroj) : 0;
    return zdroj ? static_cast<const BYTE*>(LockResource(LoadResource(g_program, zdroj))) : nullptr;
}

template <typename T> T Citaj(const BYTE* p) {
    T hodnota;
    std::memcpy(&hodnota, p, sizeof(T));
    return hodnota;
}

void Menu() {
    HMENU menu = LoadMenuA(g_program, MAKEINTRESOURCEA(IDM_MENU));
    Skontroluj(menu != nullptr, "menu missing", IDM_MENU);
    if (menu == nullptr)
        return;
    const int prikazy[] = {IDM_NASTAVENIA, IDM_O_PROGRAME, IDM_KONIEC};
    const char* texty[] = {"&Nastavenia", "&O programe", "&Koniec"};
    Skontroluj(GetMenuItemCount(menu) == 3, "not three items", IDM_MENU);
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        Skontroluj(std::strcmp(text, texty[i]) == 0, "wrong item text", IDM_MENU);
        Skontroluj(GetMenuItemID(menu, i) == static_cast<UINT>(prikazy[i]), "wrong command",
                   IDM_MENU);
        Skontroluj(GetSubMenu(menu, i) == nullptr, "an item with a drop-down", IDM_MENU);
    }
    DestroyMenu(menu);
}

// A classic template: header, then menu, class, title (all three as UTF-16 strings or ordinals),
// the font, then the items, each DWORD-aligned.
struct Ovladac {
    WORD id;
    const wchar_t* text;
    DWORD styl;
    short x, y, cx, cy;
};

const BYTE* ZarovnajNaDword(const BYTE* zaciatok, const BYTE* p) {
    return zaciatok + ((p - zaciatok + 3) & ~3);
}

// Every control: predefined Button class, extended style 0, no creation data.
void Ovladace(int cislo, const BYTE* zaciatok, const BYTE* p, const Ovladac* ovladace, int pocet) {
    for (int i = 0; i < pocet; ++i) {
        p = ZarovnajNaDword(zaciatok, p);
        const Ovladac& o = ovladace[i];
        Skontroluj(Citaj<DWORD>(p) == (o.styl | WS_CHILD | WS_VISIBLE | WS_TABSTOP),
                   "wrong control style", cislo);
        Skontroluj(Citaj<DWORD>(p + 4) == 0, "control with an extended style", cislo);
        Skontroluj(Citaj<short>(p + 8) == o.x && Citaj<short>(p + 10) == o.y &&
                       Citaj<short>(p + 12) == o.cx && Citaj<short>(p + 14) == o.cy,
                   "wrong control rectangle", cislo);
        Skontroluj(Citaj<WORD>(p + 16) == o.id, "wrong control id", cislo);
        Skontroluj(Citaj<WORD>(p + 18) == 0xFFFF && Citaj<WORD>(p + 20) == 0x0080,
                   "not the predefined Button class", cislo);
        const wchar_t* text = reinterpret_cast<const wchar_t*>(p + 22);
        Skontroluj(wcscmp(text, o.text) == 0, "wrong control text", cislo);
        p += 22 + 2 * (wcslen(text) + 1);
        Skontroluj(Citaj<WORD>(p) == 0, "control with creation data", cislo);
        p += 2;
    }
}

void Dialog(int cislo, short x, short y, short cx, short cy, const wchar_t* titulok,
            const Ovladac* ovladace, int poloziek) {
    DWORD velkost = 0;
    const BYTE* p = Data(RT_DIALOG, cislo, &velkost);
    Skontroluj(p != nullptr, "dialog missing", cislo);
    if (p == nullptr)
        return;
    const DWORD styl = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    Skontroluj(Citaj<WORD>(p + 2) != 0xFFFF, "an extended template", cislo);
    Skontroluj(Citaj<DWORD>(p) == styl, "wrong style", cislo);
    Skontroluj(Citaj<DWORD>(p + 4) == WS_EX_APPWINDOW, "wrong extended style", cislo);
    Skontroluj(Citaj<WORD>(p + 8) == poloziek, "wrong number of controls", cislo);
    Skontroluj(Citaj<short>(p + 10) == x && Citaj<short>(p + 12) == y, "wrong position", cislo);
    Skontroluj(Citaj<short>(p + 14) == cx && Citaj<short>(p + 16) == cy, "wrong size", cislo);
    const wchar_t* s = reinterpret_cast<const wchar_t*>(p + 18);
    Skontroluj(s[0] == 0 && s[1] == 0, "a menu or a class of its own", cislo);
    Skontroluj(wcscmp(s + 2, titulok) == 0, "wrong title", cislo);
    const wchar_t* pismo = s + 2 + wcslen(titulok) + 1;
    Skontroluj(pismo[0] == 8 && wcscmp(pismo + 1, L"MS Sans Serif") == 0, "wrong font", cislo);
    const BYTE* koniec_pisma = reinterpret_cast<const BYTE*>(pismo + 1 + wcslen(pismo + 1) + 1);
    Ovladace(cislo, p, koniec_pisma, ovladace, poloziek);
}

void Bitmapa(int cislo, LONG sirka, LONG vyska) {
    // As a DIB section the bitmap keeps its own depth.
    HANDLE b = LoadImageA(g_program, MAKEINTRESOURCEA(cislo), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    BITMAP info = {};
    GetObjectA(b, sizeof(info), &info);
    Skontroluj(b != nullptr && info.bmWidth == sirka && info.bmHeight == vyska &&
                   info.bmBitsPixel == 24,
               "does not load as its 24-bit picture", cislo);
    DeleteObject(b);
}

void Ikony(int cislo, int pocet) {
    DWORD velkost = 0;
    const BYTE* p = Data(RT_GROUP_ICON, cislo, &velkost);
    Skontroluj(p != nullptr && Citaj<WORD>(p + 4) == pocet, "wrong number of images", cislo);
    Skontroluj(LoadIconA(g_program, MAKEINTRESOURCEA(cislo)) != nullptr, "does not load", cislo);
}

void Kurzor(int cislo, DWORD hx, DWORD hy) {
    HCURSOR kurzor = LoadCursorA(g_program, MAKEINTRESOURCEA(cislo));
    ICONINFO info = {};
    Skontroluj(kurzor != nullptr && GetIconInfo(kurzor, &info), "does not load", cislo);
    Skontroluj(!info.fIcon && info.xHotspot == hx && info.yHotspot == hy, "wrong hot spot", cislo);
}

void Manifest(const char* architektura) {
    DWORD velkost = 0;
    const BYTE* p = Data(MAKEINTRESOURCEA(24), 1, &velkost);
    Skontroluj(p != nullptr, "manifest missing", 1);
    if (p == nullptr)
        return;
    char text[2048] = {};
    std::memcpy(text, p, velkost < sizeof(text) - 1 ? velkost : sizeof(text) - 1);
    char hladane[64];
    std::snprintf(hladane, sizeof(hladane), "processorArchitecture=\"%s\"", architektura);
    const char* prve = std::strstr(text, hladane);
    Skontroluj(prve && std::strstr(prve + 1, hladane), "wrong architecture", 1);
    Skontroluj(std::strstr(text, "Microsoft.Windows.Common-Controls") &&
                   std::strstr(text, "version=\"6.0.0.0\"") &&
                   std::strstr(text, "6595b64144ccf1df"),
               "no common controls 6 dependency", 1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: zdroje_win PROGRAM.exe x86|amd64\n");
        return 2;
    }
    g_program = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (g_program == nullptr) {
        std::printf("cannot load %s\n", argv[1]);
        return 1;
    }
    Menu();
    const Ovladac o_programe[] = {{IDOK, L"&Ok", BS_DEFPUSHBUTTON, 138, 117, 40, 12}};
    const Ovladac nastavenia[] = {
        {IDOK, L"&Ok", BS_DEFPUSHBUTTON, 40, 72, 30, 11},
        {IDCANCEL, L"&Cancel", BS_PUSHBUTTON, 75, 72, 30, 11},
        {IDC_SLEDOVANIE, L"", BS_AUTOCHECKBOX, 15, 15, 8, 8},
        {IDC_SPAJANIE_RIADKY, L"po riadkoch", BS_AUTORADIOBUTTON | WS_GROUP, 15, 43, 90, 8},
        {IDC_SPAJANIE_STRANY, L"dotykom str\u00e1n", BS_AUTORADIOBUTTON, 15, 52, 90, 8},
        {IDC_SPAJANIE_ROHY, L"dotykom str\u00e1n aj rohov", BS_AUTORADIOBUTTON, 15, 61, 90, 8}};
    Dialog(IDD_O_PROGRAME, 0, 0, 183, 120, L" O programe", o_programe, 1);
    Dialog(IDD_NASTAVENIA, 1, 1, 110, 72, L" Nastavenia", nastavenia, 6);
    Bitmapa(IDB_POZADIE, 1021, 783);
    Bitmapa(IDB_POZADIE_DLG, 616, 408);
    Bitmapa(IDB_POZADIE_DLG2, 381, 318);
    Ikony(IDI_KOCKA, 7);
    Ikony(IDI_VYSTRAHA, 8);
    Ikony(IDI_GULA, 9);
    Kurzor(IDC_SIPKA, 1, 1);
    Kurzor(IDC_HROT, 4, 3);
    Kurzor(IDC_TEXTOVY, 11, 11);
    Manifest(argv[2]);
    std::printf("%s: %d failure(s)\n", g_chyby ? "FAIL" : "OK", g_chyby);
    return g_chyby ? 1 : 0;
}
