// An in-memory registry behind the registry wrappers, answering as the Win32 calls do.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/wintypy.h"

constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
constexpr DWORD kRegSz = 1;

struct HodnotaRegistra {
    DWORD typ;
    std::vector<BYTE> data;
};

// The one key the program uses; exists = false until created.
struct FalosnyRegister {
    bool existuje = false;
    bool otvorenie_zlyha = false;
    bool zatvorenie_zlyha = false;
    std::set<std::string> zapis_zlyha;
    std::map<std::string, HodnotaRegistra> hodnoty;
    std::vector<std::string> poradie_zapisu;
    std::string cesta;
    int otvoreny = 0; // open handles not yet closed
};

extern FalosnyRegister g_register;

void VynulujRegister();
void UlozDword(const std::string& meno, DWORD hodnota);
void UlozData(const std::string& meno, DWORD typ, std::vector<BYTE> data);
