// The program: WinMain, the main window's procedure and its message and key handlers.
#include <windows.h>
#include <commctrl.h>

#include "base/stav.h"
#include "keys/klavesy.h"
#include "mouse/mys.h"
#include "search/ciselne_subory.h"
#include "settings/nastavenia.h"
#include "windows/davka.h"
#include "windows/dialogy.h"
#include "windows/hladanie_win.h"
#include "windows/kreslenie.h"
#include "windows/meranie.h"
#include "windows/mys_win.h"
#include "windows/obrysy.h"
#include "windows/okno.h"
#include "windows/register_win.h"
#include "windows/res/resource.h"
#include "windows/stav_win.h"
#include "windows/ulozenie.h"

namespace {

const char* const kTrieda = "WindowClass";
const char* const kTitulok = " Objekty";

// Synchronous repaint of the whole client area; WM_PAINT has run when this returns.
void Prekresli(HWND okno) {
    RedrawWindow(okno, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Hladanie(HWND okno) {
    ZaciatokMerania();
    ZaciatokHladania();
    Prekresli(okno);
    KoniecKroku(kKrokHladam);
    SkryObrysyPredSnimkou(); // the outlines must never be part of what is searched
    KoniecKroku(kKrokSkrytie);
    RECT obrazovka = {};
    const COLORREF* kopia = ZakrytaKopiaObrazovky(&obrazovka);
    KoniecKroku(kKrokKopia);
    const Odtien odtien = {stupne_sedi, static_cast<int>(odchylka), cielova_farba};
    const int pocet = Zornavit(okno, kopia, obrazovka, odtien, static_cast<int>(VelkostObjektu),
                               static_cast<int>(percento_vyplne), static_cast<int>(spajanie));
    KoniecKroku(kKrokVyhladanie);
    const int zapisane = PointPoleDoTxtCely("Stredy.txt", centers, pocet > 0 ? pocet : 0);
    KoniecKroku(kKrokSubor);
    VysledokHladania(pocet);
    if (!zapisane)
        StredyNezapisane();
    Prekresli(okno);
    KoniecKroku(kKrokVysledok);
    UkazObrysy(1);
    KoniecKroku(kKrokObrysy);
}

// F: the colour under the cursor becomes the target, read from the screen itself (the readout may
// be off); the outlines go first, so that their pink is never taken.
void FarbaPodKurzorom() {
    SkryObrysyPredSnimkou();
    KlavesFarba(FarbaMysiDesktop());
}

// TAB, or SHIFT+TAB with skok = SkokSpat.
void Skok(HWND okno, int (*skok)(POINT*)) {
    POINT ciel = {};
    if (!skok(&ciel))
        return;
    SetCursorPos(ciel.x, ciel.y);
    Prekresli(okno);
    UkazObrysy(0);
}

// SPACE and its kinds: at the current object, the cursor put there first as TAB puts it.
void Klik(HWND okno, int ukon) {
    POINT ciel = {};
    if (!CielKliku(&ciel))
        return;
    SetCursorPos(ciel.x, ciel.y);
    Prekresli(okno);
    KlikZKlavesnice(ciel, ukon == kUkonKlikPravy, ukon == kUkonDvojklik ? 2 : 1);
}

// Any key but a digit ends what the last keys showed: the outlines and a number being typed. A
// search keeps the outlines out of its copy itself, and moves them in place after it.
void DalsiKlaves(HWND okno, int ukon) {
    if (ukon != kUkonHladaj)
        SkryObrysy();
    ZrusCislo();
    KillTimer(okno, IDT_CISLO);
}

// A search, a jump or a click: the same from a key in the window and from a chord anywhere.
void Vykonaj(HWND okno, int ukon) {
    DalsiKlaves(okno, ukon);
    switch (ukon) {
    case kUkonHladaj:
        Hladanie(okno);
        break;
    case kUkonDalsi:
        Skok(okno, SkokTAB);
        break;
    case kUkonSpat:
        Skok(okno, SkokSpat);
        break;
    case kUkonKlik:
    case kUkonKlikPravy:
    case kUkonDvojklik:
        Klik(okno, ukon);
        break;
    }
}

void SkokNaObjekt(HWND okno, int cislo) {
    POINT ciel = {};
    SkokNaCislo(cislo, &ciel);
    SkryObrysy();
    SetCursorPos(ciel.x, ciel.y);
    Prekresli(okno);
    UkazObrysy(0);
}

// A digit while the numbers are on screen: they stay while the number grows.
void Cifra(HWND okno, int cifra) {
    if (!ObrysyUkazane())
        return;
    KillTimer(okno, IDT_CISLO);
    const int cislo = CifraCisla(cifra, GetTickCount());
    if (cislo > 0) {
        SkokNaObjekt(okno, cislo);
        return;
    }
    PredlzObrysy();
    if (cislo == kCisloCaka)
        SetTimer(okno, IDT_CISLO, kCasCifier, nullptr);
}

// No further digit came: the number typed so far.
void KoniecPisania(HWND okno) {
    KillTimer(okno, IDT_CISLO);
    const int cislo = KoniecCisla();
    if (cislo > 0)
        SkokNaObjekt(okno, cislo);
}

// opakovany: the key is held down and repeats.
void OnWM_KEYDOWN(HWND okno, WPARAM kluc, int opakovany, int sirka_desktopu) {
    const int klaves = static_cast<int>(kluc);
    if (CifraKlavesu(klaves) >= 0) {
        Cifra(okno, CifraKlavesu(klaves));
        return;
    }
    const int ukon =
        UkonKlavesu(klaves, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, opakovany);
    if (ukon != kUkonNic) {
        Vykonaj(okno, ukon);
        return;
    }
    DalsiKlaves(okno, kUkonNic);
    switch (kluc) {
    case VK_ESCAPE:
        SendMessageA(okno, WM_CLOSE, 0, 0);
        return;
    case VK_LEFT:
        KlavesVlavo();
        break;
    case VK_UP:
        KlavesHore();
        break;
    case VK_RIGHT:
        KlavesVpravo(sirka_desktopu);
        break;
    case VK_DOWN:
        KlavesDole();
        break;
    case 'F':
        FarbaPodKurzorom();
        break;
    default:
        return;
    }
    Prekresli(okno);
}

// A chord from any program does what its key does, and leaves the focus where it is; not while a
// dialog of the program is open.
void OnWM_HOTKEY(HWND okno, WPARAM id) {
    if (IsWindowEnabled(okno))
        Vykonaj(okno, UkonSkratky(SkratkaPodlaId(id)));
}

void OnWM_COMMAND(HWND okno, WORD prikaz) {
    switch (prikaz) {
    case IDM_NASTAVENIA:
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NASTAVENIA), okno,
                        ProceduraDialogu2, 0);
        break;
    case IDM_O_PROGRAME:
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_O_PROGRAME), okno,
                        ProceduraDialogu, 0);
        break;
    case IDM_KONIEC:
        SendMessageA(okno, WM_CLOSE, 0, 0);
        break;
    }
}

void OnWM_PAINT_Okna(HWND okno, const RECT& klient) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(okno, &ps);
    initscreen(okno, &g_hdcMemWindow, g_pozadie);
    OnWM_PAINT(&g_hdcMemWindow, okno);
    if (sledovanie_kurzora == 1)
        PohybMysiDesktop(okno, &g_hdcMemWindow);
    BitBlt(dc, 0, 0, klient.right, klient.bottom, g_hdcMemWindow, 0, 0, SRCCOPY);
    EndPaint(okno, &ps);
}

void OnWM_CREATE(HWND okno) {
    dpi_okna = DpiOkna(okno);
    VolbaPoVytvoreni();
}

void OnWM_DESTROY(HWND okno) {
    KillTimer(okno, IDT_UDAJ);
    ZrusSkratky(okno);
    PostQuitMessage(0);
}

// A still cursor over an unchanging screen costs one pixel read per tick, no paint, and the ticks
// slow down while it stays so.
void OnWM_TIMER_Okna(HWND okno, WPARAM casovac) {
    if (casovac == IDT_CISLO)
        KoniecPisania(okno);
    if (casovac != IDT_UDAJ || sledovanie_kurzora != 1)
        return;
    const POINT kurzor = PolohaMysiDesktop(okno);
    RECT okno_obdlznik = {};
    GetWindowRect(okno, &okno_obdlznik);
    const int zmena =
        UdajSaZmenil(kurzor, FarbaMysiDesktop(), PtInRect(&okno_obdlznik, kurzor) ? 1 : 0);
    if (zmena)
        Prekresli(okno);
    const int perioda = NovaPeriodaUdaja(zmena);
    if (perioda != 0)
        SetTimer(okno, IDT_UDAJ, static_cast<UINT>(perioda), nullptr);
}

// WM_CLOSE and the end of the session save, whichever comes first, and only that one.
void UlozNastavenia(HWND okno) {
    if (PrvyZapisNastaveni())
        WriteRegistry(okno);
}

void OnWM_LBUTTONDOWN(HWND okno) {
    KlikDoOkna();
    Prekresli(okno);
}

int RegistrujTriedu(HINSTANCE instancia) {
    WNDCLASSEXA trieda = {};
    trieda.cbSize = sizeof(trieda);
    trieda.style = CS_HREDRAW | CS_VREDRAW | CS_DROPSHADOW;
    trieda.lpfnWndProc = WndProc;
    trieda.hInstance = instancia;
    trieda.hIcon = IkonaPreDpi(IDI_KOCKA, 32);
    trieda.hIconSm = IkonaPreDpi(IDI_KOCKA, 16);
    trieda.hCursor = KurzorPreDpi(IDC_HROT);
    trieda.hbrBackground = g_pozadie;
    trieda.lpszClassName = kTrieda;
    return RegisterClassExA(&trieda) != 0;
}

HWND VytvorOkno(HINSTANCE instancia, HMENU menu) {
    int x = 0;
    int y = 0;
    RozbalSlova(g_dwWindowPos, &x, &y);
    return CreateWindowExA(WS_EX_CLIENTEDGE, kTrieda, kTitulok, WS_VISIBLE | WS_SYSMENU, x, y,
                           hl_okno_sirka, hl_okno_vyska, nullptr, menu, instancia, nullptr);
}

void Chyba(const char* text) {
    MessageBoxA(nullptr, text, "Error!", MB_ICONEXCLAMATION | MB_OK);
}

} // namespace

int WriteRegistry(HWND okno) {
    WINDOWPLACEMENT umiestnenie = {};
    umiestnenie.length = sizeof(WINDOWPLACEMENT);
    GetWindowPlacement(okno, &umiestnenie);
    RECT obdlznik = {};
    GetWindowRect(okno, &obdlznik);
    ObnovDesktop();
    return ZapisNastavenia(obdlznik, umiestnenie.showCmd);
}

void OnWM_TIMER(HWND) {}

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam) {
    RECT klient = {};
    GetClientRect(okno, &klient);
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);

    switch (sprava) {
    case WM_CREATE:
        OnWM_CREATE(okno);
        break;
    case WM_DESTROY:
        OnWM_DESTROY(okno);
        break;
    case WM_PAINT:
        OnWM_PAINT_Okna(okno, klient);
        break;
    case WM_CLOSE:
        UlozNastavenia(okno);
        break;
    case WM_ENDSESSION:
        // Windows sends no WM_CLOSE when the session ends; wParam 0 means it goes on.
        if (wParam)
            UlozNastavenia(okno);
        break;
    case WM_KEYDOWN:
        OnWM_KEYDOWN(okno, wParam, (lParam & 0x40000000) != 0, desktop.right - desktop.left);
        break;
    case WM_COMMAND:
        OnWM_COMMAND(okno, LOWORD(wParam));
        break;
    case WM_HOTKEY:
        OnWM_HOTKEY(okno, wParam);
        break;
    case WM_TIMER:
        OnWM_TIMER_Okna(okno, wParam);
        break;
    case WM_LBUTTONDOWN:
        OnWM_LBUTTONDOWN(okno);
        break;
    case WM_DPICHANGED:
        OnWM_DPICHANGED(okno, wParam, lParam);
        Prekresli(okno);
        return 0;
    }
    return DefWindowProcA(okno, sprava, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instancia, HINSTANCE, LPSTR, int) {
    const int davka = DavkoveHladanie();
    if (davka >= 0)
        return davka;
    g_hInstance = instancia;
    dpi_okna = DpiOkna(nullptr);
    INITCOMMONCONTROLSEX ovladace = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&ovladace))
        return 0;
    g_pozadie = CreatePatternBrush(LoadBitmapA(instancia, MAKEINTRESOURCEA(IDB_POZADIE)));
    if (!RegistrujTriedu(instancia)) {
        Chyba("Window Registration Failed!");
        return 0;
    }
    ObnovDesktop();
    ReadRegistry();
    HMENU menu = LoadMenuA(instancia, MAKEINTRESOURCEA(IDM_MENU));
    HWND okno = VytvorOkno(instancia, menu);
    if (okno == nullptr) {
        Chyba("Window Creation Failed!");
        return 0;
    }
    g_hwnd = okno;
    RezimOkna(g_hwnd, sledovanie_kurzora);
    VytvorObrysy(instancia);
    NastavSkratky(g_hwnd);

    MSG sprava = {};
    while (GetMessageA(&sprava, nullptr, 0, 0) > 0) {
        TranslateMessage(&sprava);
        DispatchMessageA(&sprava);
    }
    return static_cast<int>(sprava.wParam);
}
