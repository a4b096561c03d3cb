// Prints from inside wine what X cannot show of the main window and its dialogs: rectangles,
// styles, controls; given "close", then asks the main window to close as the taskbar's Close does.
// Given "resources PROGRAM.exe", checks the resources built into the program through the Windows
// loader.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "res/resource.h"

namespace {

void Obdlznik(const char* meno, const char* pripona, RECT r, HWND okno = nullptr) {
    if (okno != nullptr)
        MapWindowPoints(okno, nullptr, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%s%s %ld %ld %ld %ld\n", meno, pripona, static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
}

void Okno(HWND okno, const char* meno, const char* klient) {
    RECT r;
    GetWindowRect(okno, &r);
    Obdlznik(meno, "", r);
    GetClientRect(okno, &r);
    Obdlznik(klient, "", r, okno);
}

void Dialog(const char* titul, const char* meno) {
    HWND dialog = FindWindowA("#32770", titul);
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return;
    char klient[32];
    std::snprintf(klient, sizeof klient, "%s_client", meno);
    Okno(dialog, meno, klient);
    for (int id : {IDOK, IDCANCEL, IDC_SLEDOVANIE}) {
        RECT r;
        char pripona[8];
        std::snprintf(pripona, sizeof pripona, "_%d", id);
        if (GetDlgItem(dialog, id) != nullptr && GetWindowRect(GetDlgItem(dialog, id), &r))
            Obdlznik(meno, pripona, r);
    }
    if (GetDlgItem(dialog, 501) != nullptr)
        std::printf("%s_checked %d\n", meno,
                    static_cast<int>(SendDlgItemMessageA(dialog, 501, BM_GETCHECK, 0, 0)));
}

int chyby = 0;

void Over(bool podmienka, const char* co, int cislo) {
    if (!podmienka && ++chyby)
        std::printf("resource %d: %s\n", cislo, co);
}

const BYTE* Data(HMODULE program, LPCSTR typ, int cislo, DWORD* velkost) {
    HRSRC zdroj = FindResourceA(program, MAKEINTRESOURCEA(cislo), typ);
    *velkost = zdroj ? SizeofResource(program, zdroj) : 0;
    return zdroj ? static_cast<const BYTE*>(LockResource(LoadResource(program, zdroj))) : nullptr;
}

int Zdroje(HMODULE p) {
    HMENU menu = LoadMenuA(p, MAKEINTRESOURCEA(IDM_MENU));
    const struct {
        int prikaz;
        const char* text;
    } polozky[] = {
        {IDM_NASTAVENIA, "&Nastavenia"}, {IDM_O_PROGRAME, "&O programe"}, {IDM_KONIEC, "&Koniec"}};
    Over(menu && GetMenuItemCount(menu) == 3, "a menu bar of three items", IDM_MENU);
    for (int i = 0; menu && i < 3; ++i) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        Over(!std::strcmp(text, polozky[i].text) && !GetSubMenu(menu, i) &&
                 GetMenuItemID(menu, i) == static_cast<UINT>(polozky[i].prikaz),
             "item text, command, no drop-down", IDM_MENU);
    }
    // Header of a classic template: style, extended style, items, x, y, cx, cy, menu, class, title.
    const struct {
        int cislo;
        WORD poloziek;
        short cx, cy;
        const wchar_t* titul;
    } dialogy[] = {{IDD_O_PROGRAME, 1, 183, 120, L" O programe"},
                   {IDD_NASTAVENIA, 3, 110, 70, L" Nastavenia"}};
    for (const auto& d : dialogy) {
        DWORD n = 0;
        const BYTE* t = Data(p, RT_DIALOG, d.cislo, &n);
        Over(t && n > 26 && !std::memcmp(t + 8, &d.poloziek, 2) && !std::memcmp(t + 14, &d.cx, 2) &&
                 !std::memcmp(t + 16, &d.cy, 2) &&
                 !wcscmp(reinterpret_cast<const wchar_t*>(t + 22), d.titul),
             "template items, size and title", d.cislo);
    }
    const int bitmapy[][3] = {
        {IDB_POZADIE, 1021, 783}, {IDB_POZADIE_DLG, 616, 408}, {IDB_POZADIE_DLG2, 381, 318}};
    for (const auto& b : bitmapy) {
        HANDLE h = LoadImageA(p, MAKEINTRESOURCEA(b[0]), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        BITMAP info = {};
        Over(h && GetObjectA(h, sizeof info, &info) && info.bmWidth == b[1] &&
                 info.bmHeight == b[2] && info.bmBitsPixel == 24,
             "loads as its 24-bit picture", b[0]);
    }
    const int ikony[][2] = {{IDI_KOCKA, 7}, {IDI_VYSTRAHA, 8}, {IDI_GULA, 9}};
    for (const auto& i : ikony) {
        DWORD n = 0;
        const BYTE* g = Data(p, RT_GROUP_ICON, i[0], &n);
        Over(g && g[4] == i[1] && LoadIconA(p, MAKEINTRESOURCEA(i[0])), "icon images", i[0]);
    }
    const int kurzory[][3] = {{IDC_SIPKA, 1, 1}, {IDC_HROT, 4, 3}, {IDC_TEXTOVY, 11, 11}};
    for (const auto& k : kurzory) {
        ICONINFO info = {};
        HCURSOR c = LoadCursorA(p, MAKEINTRESOURCEA(k[0]));
        Over(c && GetIconInfo(c, &info) && !info.fIcon &&
                 info.xHotspot == static_cast<DWORD>(k[1]) &&
                 info.yHotspot == static_cast<DWORD>(k[2]),
             "cursor and its hot spot", k[0]);
    }
    DWORD n = 0;
    const char* m = reinterpret_cast<const char*>(Data(p, MAKEINTRESOURCEA(24), 1, &n));
    char text[2048] = {};
    std::memcpy(text, m ? m : "", n < sizeof text - 1 ? n : sizeof text - 1);
    const char* arch =
        sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    Over(std::strstr(text, arch) && std::strstr(std::strstr(text, arch) + 1, arch) &&
             std::strstr(text, "Microsoft.Windows.Common-Controls") &&
             std::strstr(text, "6595b64144ccf1df"),
         "manifest: the probe's architecture twice, common controls 6", 1);
    std::printf("%s: %d failure(s)\n", chyby ? "FAIL" : "OK", chyby);
    return chyby ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "resources") == 0)
        return Zdroje(LoadLibraryExA(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE));
    HWND okno = FindWindowA("WindowClass", " Objekty");
    std::printf("found %d\n", okno != nullptr ? 1 : 0);
    if (okno == nullptr)
        return 1;
    Okno(okno, "window", "client");
    std::printf("style 0x%08lx\nexstyle 0x%08lx\n",
                static_cast<unsigned long>(GetWindowLongPtrA(okno, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongPtrA(okno, GWL_EXSTYLE)));
    Dialog(" Nastavenia", "settings");
    Dialog(" O programe", "about");
    if (argc > 1 && std::strcmp(argv[1], "close") == 0)
        PostMessageA(okno, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}
