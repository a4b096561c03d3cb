// The Settings and About dialogs; the Settings dialog's Ok applies the main window's mode.
#include "windows/dialogy.h"

#include <commctrl.h>

#include "base/stav.h"
#include "layout/rozlozenie.h"
#include "settings/nastavenia.h"
#include "windows/kreslenie.h"
#include "windows/okno.h"
#include "windows/res/resource.h"
#include "windows/stav_win.h"

namespace {

const COLORREF TEXT_O_PROGRAME = RGB(200, 220, 255);
// The grouping radio buttons and the value of spajanie each stands for.
const int kTlacidlaSpajania[3] = {IDC_SPAJANIE_RIADKY, IDC_SPAJANIE_STRANY, IDC_SPAJANIE_ROHY};
const DWORD kSpajania[3] = {0, 4, 8};

// A pattern brush of a background bitmap; the bitmap is handed back to be deleted with the brush.
HBRUSH PozadieDialogu(int bitmapa, HBITMAP* obrazok) {
    *obrazok = LoadBitmapA(g_hInstance, MAKEINTRESOURCEA(bitmapa));
    return CreatePatternBrush(*obrazok);
}

void UvolniPozadie(HBRUSH* pozadie, HBITMAP* obrazok) {
    DeleteObject(*pozadie);
    DeleteObject(*obrazok);
    *pozadie = nullptr;
    *obrazok = nullptr;
}

// The look is the dialog's own: the dialog class is shared with every message box of the process,
// so nothing is set on it (its drop shadow, a class style, is given up with it).
void VzhladDialogu(HWND dialog) {
    static const HICON ikona = IkonaPreDpi(IDI_VYSTRAHA, 16); // at the first opening's DPI
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ikona));
    SetWindowLongPtrA(dialog, GWL_STYLE, WS_POPUP);
    SetWindowLongPtrA(dialog, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
}

// The buttons at the template's lower edge only show once the frame is recomputed.
void ObnovRam(HWND dialog) {
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

HFONT PismoTlacidiel(const char* pismo, int vyska) {
    return Pismo(pismo, Skaluj(vyska, dpi_okna), FW_NORMAL, 0);
}

void ZavriDialog(HWND dialog, int vysledok) {
    RedrawWindow(g_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EndDialog(dialog, vysledok);
}

INT_PTR Pozadie(WPARAM dc, HBRUSH pozadie) {
    SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    return reinterpret_cast<INT_PTR>(pozadie);
}

// A dialog procedure's answer to a message that wants one other than TRUE or FALSE.
INT_PTR Odpoved(HWND dialog, LONG_PTR vysledok) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, vysledok);
    return TRUE;
}

// The dialog's own cursor over the dialog itself; its buttons keep theirs.
INT_PTR Kurzor(HWND dialog, WPARAM okno) {
    if (reinterpret_cast<HWND>(okno) != dialog)
        return FALSE;
    SetCursor(LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_HROT)));
    return Odpoved(dialog, TRUE);
}

INT_PTR Zmaz(HWND dialog, WPARAM dc, HBRUSH pozadie) {
    RECT klient;
    GetClientRect(dialog, &klient);
    FillRect(reinterpret_cast<HDC>(dc), &klient, pozadie);
    return Odpoved(dialog, TRUE);
}

void Maluj(HWND dialog, void (*maliar)(HDC)) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    maliar(dc);
    EndPaint(dialog, &ps);
}

// The tolerance's field, 0 to 64, set from odchylka; its up-down writes its number into it.
void InitOdchylky(HWND dialog, HFONT pismo) {
    SendDlgItemMessageA(dialog, IDC_ODCHYLKA, WM_SETFONT, reinterpret_cast<WPARAM>(pismo), 1);
    SendDlgItemMessageA(dialog, IDC_ODCHYLKA, EM_LIMITTEXT, 2, 0);
    SendDlgItemMessageA(dialog, IDC_ODCHYLKA_SIPKY, UDM_SETRANGE32, 0, kNajvacsiaOdchylka);
    SendDlgItemMessageA(dialog, IDC_ODCHYLKA_SIPKY, UDM_SETPOS32, 0, static_cast<LPARAM>(odchylka));
}

// A number typed past 64 counts as 64; an empty field keeps the tolerance.
void PrevezmiOdchylku(HWND dialog) {
    BOOL cislo = FALSE;
    const UINT hodnota = GetDlgItemInt(dialog, IDC_ODCHYLKA, &cislo, FALSE);
    if (cislo)
        odchylka = ZnamaOdchylka(hodnota);
}

void InitNastavenia(HWND dialog, HBITMAP* obrazok) {
    g_pozadieDlg2 = PozadieDialogu(IDB_POZADIE_DLG2, obrazok);
    VzhladDialogu(dialog);
    HFONT pismo = PismoTlacidiel("Tahoma", -10);
    SendDlgItemMessageA(dialog, IDOK, WM_SETFONT, reinterpret_cast<WPARAM>(pismo), 1);
    SendDlgItemMessageA(dialog, IDCANCEL, WM_SETFONT, reinterpret_cast<WPARAM>(pismo), 1);
    SendDlgItemMessageA(dialog, IDC_SLEDOVANIE, BM_SETCHECK,
                        sledovanie_kurzora == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    int tlacidlo = IDC_SPAJANIE_RIADKY;
    for (int i = 0; i < 3; i++)
        if (spajanie == kSpajania[i])
            tlacidlo = kTlacidlaSpajania[i];
    CheckRadioButton(dialog, IDC_SPAJANIE_RIADKY, IDC_SPAJANIE_ROHY, tlacidlo);
    SendDlgItemMessageA(dialog, IDC_UKAZAT_OBJEKTY, BM_SETCHECK,
                        ukazat_objekty != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    CheckDlgButton(dialog, IDC_SKRATKY, skratky != 0 ? BST_CHECKED : BST_UNCHECKED);
    InitOdchylky(dialog, pismo);
    ObnovRam(dialog);
}

// Wine leaves an owner out of the topmost band while an owned window is open, so the mode is
// applied once more from the main loop, after the dialog has gone; elsewhere this repeats it.
void CALLBACK RezimPoDialogu(HWND okno, UINT sprava, UINT_PTR casovac, DWORD cas) {
    (void)sprava;
    (void)cas;
    KillTimer(okno, casovac);
    RezimOkna(okno, sledovanie_kurzora);
}

void PrikazNastavenia(HWND dialog, int prikaz) {
    if (prikaz == IDOK) {
        const LRESULT stav = SendDlgItemMessageA(dialog, IDC_SLEDOVANIE, BM_GETCHECK, 0, 0);
        sledovanie_kurzora = stav == BST_CHECKED ? 1 : 0;
        for (int i = 0; i < 3; i++)
            if (IsDlgButtonChecked(dialog, kTlacidlaSpajania[i]) == BST_CHECKED)
                spajanie = kSpajania[i];
        ukazat_objekty =
            SendDlgItemMessageA(dialog, IDC_UKAZAT_OBJEKTY, BM_GETCHECK, 0, 0) == BST_CHECKED;
        skratky = IsDlgButtonChecked(dialog, IDC_SKRATKY) == BST_CHECKED;
        NastavSkratky(g_hwnd);
        PrevezmiOdchylku(dialog);
        RezimOkna(g_hwnd, sledovanie_kurzora);
        SetTimer(g_hwnd, IDT_REZIM, 0, RezimPoDialogu);
    }
    if (prikaz == IDOK || prikaz == IDCANCEL) {
        ZavriDialog(dialog, prikaz);
    }
}

void InitOPrograme(HWND dialog, HBITMAP* obrazok) {
    g_pozadieDlg = PozadieDialogu(IDB_POZADIE_DLG, obrazok);
    VzhladDialogu(dialog);
    HFONT pismo = PismoTlacidiel("Segoe UI", -12);
    SendDlgItemMessageA(dialog, IDOK, WM_SETFONT, reinterpret_cast<WPARAM>(pismo), 1);
    ObnovRam(dialog);
}

// Writes one line of the About text at (x, *y) and moves *y below it.
void RiadokOPrograme(HDC dc, const char* text, int x, int* y) {
    SIZE rozmer;
    Napis(dc, &rozmer, text, -1, x, *y, TEXT_O_PROGRAME, -13, 0, 0, "Segoe UI");
    *y += rozmer.cy;
}

} // namespace

INT_PTR CALLBACK ProceduraDialogu2(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    static HBITMAP obrazok; // the picture of g_pozadieDlg2
    switch (sprava) {
    case WM_INITDIALOG:
        InitNastavenia(okno, &obrazok);
        return 0;
    case WM_PAINT:
        Maluj(okno, OnWM_PAINTDLG2);
        return 0;
    case WM_ERASEBKGND:
        return Zmaz(okno, wParam, g_pozadieDlg2);
    case WM_SETCURSOR:
        return Kurzor(okno, wParam);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return Pozadie(wParam, g_pozadieDlg2);
    case WM_COMMAND:
        PrikazNastavenia(okno, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        UvolniPozadie(&g_pozadieDlg2, &obrazok);
        return 0;
    default:
        return 0;
    }
}

void OnWM_PAINTDLG2(HDC dc) {
    SIZE rozmer;
    Napis(dc, &rozmer, "Sledova\x9d kurzor", -1, 39, 22, RGB(0, 0, 0), -12, 0, 0, "Segoe UI");
    Napis(dc, &rozmer,
          "(zv\xfd\x9ai z\xe1\x9d"
          "a\x9e CPU)",
          -1, 41, 22 + rozmer.cy, RGB(180, 150, 50), -9, 0, 0, "Verdana");
    Napis(dc, &rozmer, "Sp\xe1janie bodov:", -1, 22, 54, RGB(0, 0, 0), -12, 0, 0, "Segoe UI");
    Napis(dc, &rozmer, "Uk\xe1za\x9d n\xe1jden\xe9 objekty", -1, 39, 115, RGB(0, 0, 0), -12, 0, 0,
          "Segoe UI");
    Napis(dc, &rozmer,
          "Skratky Ctrl+Alt v in\xfd"
          "ch okn\xe1"
          "ch",
          -1, 39, 133, RGB(0, 0, 0), -12, 0, 0, "Segoe UI");
    Napis(dc, &rozmer,
          "Odch\xfdlka odtie\xf2"
          "a:",
          -1, 22, 156, RGB(0, 0, 0), -12, 0, 0, "Segoe UI");
}

INT_PTR CALLBACK ProceduraDialogu(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    static HBITMAP obrazok; // the picture of g_pozadieDlg
    switch (sprava) {
    case WM_INITDIALOG:
        InitOPrograme(okno, &obrazok);
        return 0;
    case WM_PAINT:
        Maluj(okno, OnWM_PAINTDLG);
        return 0;
    case WM_ERASEBKGND:
        return Zmaz(okno, wParam, g_pozadieDlg);
    case WM_SETCURSOR:
        return Kurzor(okno, wParam);
    case WM_CTLCOLORDLG:
        return Pozadie(wParam, g_pozadieDlg);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            ZavriDialog(okno, LOWORD(wParam));
        }
        return 0;
    case WM_LBUTTONDOWN:
        ZavriDialog(okno, IDOK);
        return 0;
    case WM_DESTROY:
        UvolniPozadie(&g_pozadieDlg, &obrazok);
        return 0;
    default:
        return 0;
    }
}

void OnWM_PAINTDLG(HDC dc) {
    static const char* const riadky[] = {
        "Tento program vyh\xbe"
        "ad\xe1 na pracovnej ploche",
        "poz\xed"
        "cie XY stredov objektov r\xf4znych ve\xbekost\xed",
        "a tvarov. -Nastavuje sa minim\xe1lny po\xe8"
        "et",
        "pixelov v\xfd\x9aky a z\xe1rove\xf2 \x9a\xedrky od ktor\xfd"
        "ch",
        "objekty rozpozn\xe1, a tie\x9e percento mno\x9estva",
        "v\xfdplne objektu \x9a"
        "edou farbou v zadanom",
        "rozsahu. -Okno programu je z h\xbe"
        "adania",
        "vyl\xfa\xe8"
        "en\xe9. -Po n\xe1jden\xfd"
        "ch stredoch je mo\x9en\xe9",
        "pres\xfava\x9d kurzor my\x9ai stl\xe1\xe8"
        "an\xedm kl\xe1vesy TAB.",
        "Ich hodnoty boli ulo\x9e"
        "en\xe9 do textov\xe9ho",
    };
    int x = 7;
    int y = 2;
    for (const char* riadok : riadky) {
        RiadokOPrograme(dc, riadok, x, &y);
    }
    SIZE rozmer;
    Napis(dc, &rozmer,
          "s\xfa"
          "boru ",
          -1, x, y, TEXT_O_PROGRAME, -13, 0, 0, "Segoe UI");
    x += rozmer.cx;
    Napis(dc, &rozmer, "Stredy.txt", -1, x, y, TEXT_O_PROGRAME, -13, 1, 0, "Segoe UI");
    x += rozmer.cx;
    Napis(dc, &rozmer, " .", -1, x, y, TEXT_O_PROGRAME, -13, 0, 0, "Segoe UI");
    x = 7 + 5;
    y += rozmer.cy + 12;
    Usecka(dc, RGB(80, 80, 80), 1, 7, y - 3, 200, y - 3);
    Napis(dc, &rozmer,
          "S\xfa"
          "bor je v pracovnom prie\xe8inku.",
          -1, x, y, RGB(150, 150, 150), -11, 0, 0, "Segoe UI");
}
