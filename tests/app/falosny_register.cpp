// An in-memory registry behind the registry wrappers, answering as the Win32 calls do.
#include "falosny_register.h"

#include "app/register.h"

FalosnyRegister g_register;

namespace {
// Records a write in its order; false when it is to fail.
bool Zapis(const char* meno) {
    g_register.poradie_zapisu.push_back(meno);
    return g_register.zapis_zlyha.count(meno) == 0;
}
} // namespace

void VynulujRegister() {
    g_register = FalosnyRegister();
}

void UlozData(const std::string& meno, DWORD typ, std::vector<BYTE> data) {
    g_register.existuje = true;
    g_register.hodnoty[meno] = HodnotaRegistra{typ, std::move(data)};
}

void UlozDword(const std::string& meno, DWORD h) {
    UlozData(meno, kRegDword,
             {static_cast<BYTE>(h), static_cast<BYTE>(h >> 8), static_cast<BYTE>(h >> 16),
              static_cast<BYTE>(h >> 24)});
}

HKEY registry_OpenKey(const char* cesta, int* vytvoreny) {
    if (g_register.otvorenie_zlyha)
        return nullptr;
    g_register.cesta = cesta;
    if (vytvoreny != nullptr)
        *vytvoreny = g_register.existuje ? 0 : 1;
    g_register.existuje = true;
    g_register.otvoreny += 1;
    return reinterpret_cast<HKEY>(&g_register);
}

HKEY registry_OpenKeyReadOnly(const char* cesta) {
    if (g_register.otvorenie_zlyha || !g_register.existuje)
        return nullptr;
    g_register.cesta = cesta;
    g_register.otvoreny += 1;
    return reinterpret_cast<HKEY>(&g_register);
}

int registry_WriteDWORD(HKEY, const char* meno, DWORD hodnota) {
    const bool ok = Zapis(meno);
    if (ok)
        UlozDword(meno, hodnota);
    return ok;
}

int registry_WriteBYTE(HKEY, const char* meno, BYTE hodnota) {
    const bool ok = Zapis(meno);
    if (ok)
        UlozData(meno, kRegBinary, {hodnota});
    return ok;
}

int registry_ReadDWORD(HKEY, const char* meno, DWORD* ciel) {
    // As RegQueryValueExA with a 4-byte buffer: missing or longer data fails, any type is read.
    auto it = g_register.hodnoty.find(meno);
    if (it == g_register.hodnoty.end() || it->second.data.size() > 4)
        return 0;
    DWORD buffer = 0;
    for (size_t i = 0; i < it->second.data.size(); ++i)
        buffer |= static_cast<DWORD>(it->second.data[i]) << (8 * i);
    *ciel = buffer;
    return 1;
}

int registry_ReadBYTE(HKEY kluc, const char* meno, DWORD* ciel) {
    return registry_ReadDWORD(kluc, meno, ciel);
}

int registry_CloseKey(HKEY) {
    g_register.otvoreny -= 1;
    return g_register.zatvorenie_zlyha ? 0 : 1;
}
