// Prints from inside wine what X cannot show of the main window and its dialogs: rectangles, styles,
// controls; given "close", then asks the main window to close as the taskbar's Close does.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

void Obdlznik(const char* meno, const RECT& r) {
    std::printf("%s %ld %ld %ld %ld\n", meno, static_cast<long>(r.left), static_cast<long>(r.top),
                static_cast<long>(r.right), static_cast<long>(r.bottom));
}

void HlavneOkno(HWND okno) {
    RECT r;
    GetWindowRect(okno, &r);
    Obdlznik("window", r);
    RECT klient;
    GetClientRect(okno, &klient);
    POINT bod = {0, 0};
    ClientToScreen(okno, &bod);
    OffsetRect(&klient, bod.x, bod.y);
    Obdlznik("client", klient);
    std::printf("style 0x%08lx\n", static_cast<unsigned long>(GetWindowLongPtrA(okno, GWL_STYLE)));
    std::printf("exstyle 0x%08lx\n",
                static_cast<unsigned long>(GetWindowLongPtrA(okno, GWL_EXSTYLE)));
}

void Dialog(const char* titul, const char* meno) {
    HWND dialog = FindWindowA("#32770", titul);
    if (dialog == nullptr || !IsWindowVisible(dialog)) {
        return;
    }
    RECT r;
    GetWindowRect(dialog, &r);
    Obdlznik(meno, r);
    GetClientRect(dialog, &r);
    POINT bod = {0, 0};
    ClientToScreen(dialog, &bod);
    OffsetRect(&r, bod.x, bod.y);
    char nazov[32];
    std::snprintf(nazov, sizeof nazov, "%s_client", meno);
    Obdlznik(nazov, r);
    const int ovladace[] = {1, 2, 501, 511, 512, 513};
    for (int id : ovladace) {
        HWND ovladac = GetDlgItem(dialog, id);
        if (ovladac != nullptr && GetWindowRect(ovladac, &r)) {
            std::snprintf(nazov, sizeof nazov, "%s_%d", meno, id);
            Obdlznik(nazov, r);
        }
    }
    if (GetDlgItem(dialog, 501) != nullptr) {
        std::printf("%s_checked %d\n", meno,
                    static_cast<int>(SendDlgItemMessageA(dialog, 501, BM_GETCHECK, 0, 0)));
    }
}

} // namespace

int main(int argc, char** argv) {
    HWND okno = FindWindowA("WindowClass", " Objekty");
    std::printf("found %d\n", okno != nullptr ? 1 : 0);
    if (okno == nullptr) {
        return 1;
    }
    HlavneOkno(okno);
    Dialog(" Nastavenia", "settings");
    Dialog(" O programe", "about");
    if (argc > 1 && std::strcmp(argv[1], "close") == 0)
        PostMessageA(okno, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}
