// The batch search: the command line, one search of the screen, the centre file, the console.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "windows/davka.h"

#include "base/stav.h"
#include "search/ciselne_subory.h"
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
bool ZapisText(HANDLE kam, const std::string& text) {
    if (kam == nullptr || kam == INVALID_HANDLE_VALUE)
        return false;
    DWORD rezim = 0;
    DWORD zapisane = 0;
    if (GetConsoleMode(kam, &rezim)) {
        const std::wstring siroky = Utf16(text);
        return WriteConsoleW(kam, siroky.c_str(), static_cast<DWORD>(siroky.size()), &zapisane,
                             nullptr) != 0;
    }
    return WriteFile(kam, text.data(), static_cast<DWORD>(text.size()), &zapisane, nullptr) != 0;
}

// A handle the starter passed on is used as it is; without one, the parent's console if any.
void Vypis(DWORD ktory, const std::string& text) {
    if (ZapisText(GetStdHandle(ktory), text) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (ZapisText(GetStdHandle(ktory), text))
        return;
    HANDLE konzola =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ZapisText(konzola, text);
    if (konzola != INVALID_HANDLE_VALUE)
        CloseHandle(konzola);
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

int Hladaj(const PrikazovyRiadok& prikaz) {
    const NastaveniaHladania n = NastaveniaDavky(prikaz);
    const std::string nezapisany = "zornavit: súbor „" + prikaz.subor + "“ sa nedá zapísať";
    std::string cesta;
    if (!CestaAnsi(prikaz.subor, &cesta))
        return Koniec(3, nezapisany);
    // Tells the shell the start is over, so its busy cursor goes at once.
    MSG sprava;
    PeekMessageW(&sprava, nullptr, 0, 0, PM_NOREMOVE);
    const Odtien odtien = {n.stupne_sedi, static_cast<int>(n.odchylka), n.farba};
    const int pocet = HladajNaObrazovke(prikaz.oblast, odtien, static_cast<int>(n.VelkostObjektu),
                                        static_cast<int>(n.percento_vyplne), n.spajanie);
    if (pocet < 0)
        return Koniec(3, "zornavit: obrazovku sa nepodarilo skopírovať");
    // Written whole beside the old file and put in its place in one step, so that a full disk or a
    // held file leaves the old results as they were.
    if (!PointPoleDoTxtCely(cesta.c_str(), centers, pocet))
        return Koniec(3, nezapisany);
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
        Vypis(STD_OUTPUT_HANDLE, kPouzitieDavky);
        return 0;
    case kRezimChyba:
        return Koniec(2, prikaz.chyba);
    }
    return Hladaj(prikaz);
}
