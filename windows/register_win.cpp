// The registry wrappers over ADVAPI32 and the placement query of the main window at close.
#include <windows.h>

#include "windows/register_win.h"

#include "windows/hladanie_win.h"
#include "windows/ulozenie.h"

HKEY registry_OpenKey(const char* cesta, int* vytvoreny) {
    HKEY kluc = nullptr;
    DWORD dispozicia = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, cesta, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &kluc, &dispozicia) != ERROR_SUCCESS)
        return nullptr;
    if (vytvoreny != nullptr)
        *vytvoreny = static_cast<int>(dispozicia & 1);
    return kluc;
}

HKEY registry_OpenKeyReadOnly(const char* cesta) {
    HKEY kluc = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, cesta, 0, KEY_READ, &kluc) != ERROR_SUCCESS)
        return nullptr;
    return kluc;
}

int registry_WriteDWORD(HKEY kluc, const char* meno, DWORD hodnota) {
    return RegSetValueExA(kluc, meno, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&hodnota),
                          sizeof(hodnota)) == ERROR_SUCCESS;
}

int registry_WriteBYTE(HKEY kluc, const char* meno, BYTE hodnota) {
    return RegSetValueExA(kluc, meno, 0, REG_BINARY, &hodnota, 1) == ERROR_SUCCESS;
}

int registry_DeleteValue(HKEY kluc, const char* meno) {
    const LONG vysledok = RegDeleteValueA(kluc, meno);
    return vysledok == ERROR_SUCCESS || vysledok == ERROR_FILE_NOT_FOUND;
}

int registry_ReadDWORD(HKEY kluc, const char* meno, DWORD* ciel) {
    // Any type of 1 to 4 bytes lands in the low bytes; longer data fails with ERROR_MORE_DATA.
    DWORD buffer = 0;
    DWORD velkost = sizeof(buffer);
    if (RegQueryValueExA(kluc, meno, nullptr, nullptr, reinterpret_cast<BYTE*>(&buffer),
                         &velkost) != ERROR_SUCCESS)
        return 0;
    *ciel = buffer;
    return 1;
}

int registry_ReadBYTE(HKEY kluc, const char* meno, DWORD* ciel) {
    return registry_ReadDWORD(kluc, meno, ciel);
}

int registry_CloseKey(HKEY kluc) {
    return RegCloseKey(kluc) == ERROR_SUCCESS;
}
