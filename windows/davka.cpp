// The batch search: the command line, the part of the screen, one search, the centre file and
// standard output, the console.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "windows/davka.h"

#include "base/stav.h"
#include "base/verzia.h"
#include "search/ciselne_subory.h"
#include "search/desktop.h"
#include "search/hladanie.h"
#include "settings/prikazovy_riadok.h"
#include "settings/nastavenia.h"
#include "windows/hladanie_win.h"
#include "windows/ulozenie.h"

namespace {

std::string Utf8(const wchar_t* text) {
    const int dlzka = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string vysledok(dlzka > 0 ? dlzka - 1 : 0, '\0');
    if (dlzka > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, &vysledok[0], dlzka, nullptr, nullptr);
    return vysledok;
}

std::wstring Utf16(const std::string& text) {
    const int dlzka = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring vysledok(dlzka > 0 ? dlzka - 1 : 0, L'\0');
    if (dlzka > 1)
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &vysledok[0], dlzka);
    return vysledok;
}

// The arguments after the program's name, as UTF-8.
std::vector<std::string> Argumenty() {
    int pocet = 0;
    LPWSTR* argumenty = CommandLineToArgvW(GetCommandLineW(), &pocet);
    std::vector<std::string> vysledok;
    for (int i = 1; argumenty != nullptr && i < pocet; ++i)
        vysledok.push_back(Utf8(argumenty[i]));
    LocalFree(argumenty);
    return vysledok;
}

// A console gets UTF-16, so the letters are right on any code page; a file or pipe gets UTF-8.
// Written in pieces: a console refuses very long writes.
bool ZapisText(HANDLE kam, const std::string& text) {
    if (kam == nullptr || kam == INVALID_HANDLE_VALUE)
        return false;
    DWORD rezim = 0;
    DWORD zapisane = 0;
    const bool konzola = GetConsoleMode(kam, &rezim) != 0;
    const std::wstring siroky = konzola ? Utf16(text) : std::wstring();
    const size_t dlzka = konzola ? siroky.size() : text.size();
    const size_t kus = 16384;
    for (size_t od = 0; od < dlzka; od += zapisane) {
        const DWORD kolko = static_cast<DWORD>(std::min(kus, dlzka - od));
        const BOOL ok = konzola ? WriteConsoleW(kam, siroky.data() + od, kolko, &zapisane, nullptr)
                                : WriteFile(kam, text.data() + od, kolko, &zapisane, nullptr);
        if (!ok || zapisane == 0)
            return false;
    }
    return true;
}

// A handle the starter passed on is used as it is; without one, the parent's console if any.
// False when the text could go nowhere.
bool Vypis(DWORD ktory, const std::string& text) {
    if (ZapisText(GetStdHandle(ktory), text))
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return false;
    if (ZapisText(GetStdHandle(ktory), text))
        return true;
    HANDLE konzola =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    const bool ok = ZapisText(konzola, text);
    if (konzola != INVALID_HANDLE_VALUE)
        CloseHandle(konzola);
    return ok;
}

int Koniec(int kod, const std::string& sprava) {
    Vypis(STD_ERROR_HANDLE, sprava + "\r\n");
    return kod;
}

// The file name for the C runtime, in the ANSI code page; false when a letter has no place there.
bool CestaAnsi(const std::string& utf8, std::string* ansi) {
    const std::wstring siroka = Utf16(utf8);
    BOOL nahradene = FALSE;
    const int dlzka = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, siroka.c_str(), -1, nullptr,
                                          0, nullptr, &nahradene);
    if (dlzka <= 1 || nahradene)
        return false;
    ansi->assign(dlzka - 1, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, siroka.c_str(), -1, &(*ansi)[0], dlzka,
                        nullptr, nullptr);
    return true;
}

// The saved settings, or their start values, with the command line's over them.
NastaveniaHladania NastaveniaDavky(const PrikazovyRiadok& prikaz) {
    NastaveniaHladania n = {stupne_sedi, VelkostObjektu, percento_vyplne,
                            spajanie,    odchylka,       cielova_farba};
    CitajNastaveniaHladania(&n);
    return NastaveniaPrikazu(prikaz, n);
}

typedef HRESULT(WINAPI* AtributOknaFn)(HWND, DWORD, PVOID, DWORD);

// The window's visible frame, right and bottom inclusive: without the invisible resize borders that
// GetWindowRect counts since Windows Vista (DWM, loaded only where it exists), else GetWindowRect.
RECT RamOkna(HWND okno) {
    const DWORD kRozsireneOkraje = 9; // DWMWA_EXTENDED_FRAME_BOUNDS
    RECT r = {};
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    FARPROC f = dwm != nullptr ? GetProcAddress(dwm, "DwmGetWindowAttribute") : nullptr;
    AtributOknaFn atribut = reinterpret_cast<AtributOknaFn>(reinterpret_cast<void*>(f));
    if (atribut == nullptr || atribut(okno, kRozsireneOkraje, &r, sizeof(r)) != S_OK)
        GetWindowRect(okno, &r);
    if (dwm != nullptr)
        FreeLibrary(dwm);
    return {r.left, r.top, r.right - 1, r.bottom - 1};
}

// The part of the screen the command line names, in screen coordinates; the exit status and
// message when it cannot be had.
int Oblast(const PrikazovyRiadok& prikaz, RECT* oblast) {
    *oblast = prikaz.druh_oblasti == kOblastZadana ? prikaz.oblast
                                                   : RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    if (prikaz.druh_oblasti == kOblastOkno) {
        HWND popredie = GetForegroundWindow();
        if (popredie == nullptr)
            return Koniec(3, "zornavit: /okno: nijaké okno nie je v popredí");
        *oblast = RamOkna(popredie);
    }
    if (prikaz.druh_oblasti == kOblastMonitor) {
        ObnovDesktop();
        RECT plochy[kNajviacMonitorov];
        RECT pracovne[kNajviacMonitorov];
        const int pocet = Monitory(plochy, pracovne, kNajviacMonitorov);
        if (!MonitorPodlaCisla(static_cast<int>(prikaz.monitor), oblast))
            return Koniec(2, "zornavit: /monitor " + std::to_string(prikaz.monitor) +
                                 ": taký monitor nie je (monitorov je " + std::to_string(pocet) +
                                 ")");
    }
    return 0;
}

// Results on standard output: nothing to say is always said.
bool NaVystup(const std::string& text) {
    return text.empty() || Vypis(STD_OUTPUT_HANDLE, text);
}

int Hladaj(const PrikazovyRiadok& prikaz) {
    const NastaveniaHladania n = NastaveniaDavky(prikaz);
    const bool na_vystup = prikaz.subor == kStandardnyVystup;
    const std::string nezapisany = "zornavit: súbor „" + prikaz.subor + "“ sa nedá zapísať";
    const std::string bez_vystupu = "zornavit: štandardný výstup sa nedá zapísať";
    std::string cesta;
    if (!na_vystup && !CestaAnsi(prikaz.subor, &cesta))
        return Koniec(3, nezapisany);
    RECT oblast = {};
    if (const int chyba = Oblast(prikaz, &oblast))
        return chyba;
    // Tells the shell the start is over, so its busy cursor goes at once.
    MSG sprava;
    PeekMessageW(&sprava, nullptr, 0, 0, PM_NOREMOVE);
    const Odtien odtien = {n.stupne_sedi, static_cast<int>(n.odchylka), n.farba};
    const int pocet = HladajNaObrazovke(oblast, odtien, static_cast<int>(n.VelkostObjektu),
                                        static_cast<int>(n.percento_vyplne), n.spajanie);
    if (pocet < 0)
        return Koniec(3, "zornavit: obrazovku sa nepodarilo skopírovať");
    if (na_vystup && !prikaz.json && !NaVystup(TextStredov(centers, pocet)))
        return Koniec(3, bez_vystupu);
    // Written whole beside the old file and put in its place in one step, so that a full disk or a
    // held file leaves the old results as they were.
    if (!na_vystup && !PointPoleDoTxtCely(cesta.c_str(), centers, pocet))
        return Koniec(3, nezapisany);
    if (prikaz.json && !NaVystup(TextVysledku(centers, objekty, pocet, true)))
        return Koniec(3, bez_vystupu);
    return 0;
}

} // namespace

int DavkoveHladanie() {
    const std::vector<std::string> argumenty = Argumenty();
    std::vector<const char*> texty;
    for (const std::string& a : argumenty)
        texty.push_back(a.c_str());
    PrikazovyRiadok prikaz;
    switch (RozoberPrikazovyRiadok(static_cast<int>(texty.size()), texty.data(), &prikaz)) {
    case kRezimOkno:
        return -1;
    case kRezimPomoc:
        Vypis(STD_OUTPUT_HANDLE, "Zornavit " ZORNAVIT_VERZIA "\r\n" + std::string(kPouzitieDavky));
        return 0;
    case kRezimChyba:
        return Koniec(2, prikaz.chyba);
    }
    return Hladaj(prikaz);
}
