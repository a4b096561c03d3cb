// Prints from inside wine what X cannot show of the main window and its dialogs: rectangles,
// styles, controls; given "close", then asks the main window to close as the taskbar's Close does.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

void Obdlznik(const char* meno, const char* pripona, RECT r) {
    std::printf("%s%s %ld %ld %ld %ld\n", meno, pripona, static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
}

// The window's rectangle as "meno", its client area on the screen as "klient".
void Okno(HWND okno, const char* meno, const char* klient) {
    RECT r;
    GetWindowRect(okno, &r);
    Obdlznik(meno, "", r);
    GetClientRect(okno, &r);
    MapWindowPoints(okno, nullptr, reinterpret_cast<POINT*>(&r), 2);
    Obdlznik(klient, "", r);
}

// A dialog's rectangles, those of its Ok, Cancel and check box ("meno_<id>"), the box's state.
void Dialog(const char* titul, const char* meno) {
    HWND dialog = FindWindowA("#32770", titul);
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return;
    char klient[32];
    std::snprintf(klient, sizeof klient, "%s_client", meno);
    Okno(dialog, meno, klient);
    for (int id : {IDOK, IDCANCEL, 501, 511, 512, 513}) {
        char pripona[8];
        std::snprintf(pripona, sizeof pripona, "_%d", id);
        RECT r;
        if (GetDlgItem(dialog, id) != nullptr && GetWindowRect(GetDlgItem(dialog, id), &r))
            Obdlznik(meno, pripona, r);
    }
    if (GetDlgItem(dialog, 501) != nullptr)
        std::printf("%s_checked %d\n", meno,
                    static_cast<int>(SendDlgItemMessageA(dialog, 501, BM_GETCHECK, 0, 0)));
}

} // namespace

int main(int argc, char** argv) {
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
