// The registry wrappers and the settings saved through them. Free of windows.h: the tests put an
// in-memory key behind the wrappers.
#pragma once

#include "base/wintypy.h"
#include "settings/nastavenia.h"

// Thin wrappers over one registry call each, under HKEY_CURRENT_USER; 1 on success, 0 on failure.
// registry_OpenKey creates the key when missing and returns null on failure; *vytvoreny, when
// given, receives 1 for a newly created key and 0 for an existing one. The reads query at most 4
// bytes of any type into a zeroed 32-bit target and leave it untouched on failure.
HKEY registry_OpenKey(const char* cesta, int* vytvoreny);
// Opens an existing key for reading only; null when it is missing or cannot be read.
HKEY registry_OpenKeyReadOnly(const char* cesta);
int registry_WriteDWORD(HKEY kluc, const char* meno, DWORD hodnota);
int registry_WriteBYTE(HKEY kluc, const char* meno, BYTE hodnota);
// A value that is not there counts as deleted.
int registry_DeleteValue(HKEY kluc, const char* meno);
int registry_ReadDWORD(HKEY kluc, const char* meno, DWORD* ciel);
int registry_ReadBYTE(HKEY kluc, const char* meno, DWORD* ciel);
int registry_CloseKey(HKEY kluc);

// Loads the settings once at start; the first run only sets the centred placement. 1 when
// everything could be read (or the key was new), else 0.
int ReadRegistry();

// Reads the saved search settings as ReadRegistry would (a value that cannot be read keeps what
// *nastavenia holds) without creating or changing the key. 1 when every value was read, else 0.
int CitajNastaveniaHladania(NastaveniaHladania* nastavenia);

// Stores the placement at close (outer rectangle, showCmd) and writes every value.
int ZapisNastavenia(RECT okno, DWORD zobrazenie);
