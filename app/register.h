// Settings persistence: the registry wrappers, loading and saving of the settings and window
// placement.
#pragma once

#include "app/wintypy.h"

// Thin wrappers over one registry call each, under HKEY_CURRENT_USER; 1 on success, 0 on failure.
// registry_OpenKey creates the key when missing and returns null on failure; *vytvoreny, when
// given, receives 1 for a newly created key and 0 for an existing one. The reads query at most 4
// bytes of any type into a zeroed 32-bit target and leave it untouched on failure.
HKEY registry_OpenKey(const char* cesta, int* vytvoreny);
// Opens an existing key for reading only; null when it is missing or cannot be read.
HKEY registry_OpenKeyReadOnly(const char* cesta);
int registry_WriteDWORD(HKEY kluc, const char* meno, DWORD hodnota);
int registry_WriteBYTE(HKEY kluc, const char* meno, BYTE hodnota);
int registry_ReadDWORD(HKEY kluc, const char* meno, DWORD* ciel);
int registry_ReadBYTE(HKEY kluc, const char* meno, DWORD* ciel);
int registry_CloseKey(HKEY kluc);

// Two 16-bit halves in one word: each cut to its low 16 bits, the high half shifted up.
DWORD ZbalSlova(int dolne, int horne);

// Top-left corner, packed, that centres the main window on a desktop of the given size.
DWORD StredovaPoloha(int sirka_desktopu, int vyska_desktopu);

// The two halves of a packed word, each read as a signed 16-bit number.
void RozbalSlova(DWORD slovo, int* dolne, int* horne);

// A window that grew, kept on the work area of the monitor it lies mostly on (of pocet): moved up
// and left as far as its bottom and right edges need, but no higher or further left than the
// area's top and left edges or its own. Unchanged with no monitor.
RECT OknoNaPracovnejPloche(RECT okno, const RECT* plochy, const RECT* pracovne, int pocet);

// Loads the settings once at start; the first run only sets the centred placement. 1 when
// everything could be read (or the key was new), else 0.
int ReadRegistry();

// The settings one search runs with.
struct NastaveniaHladania {
    DWORD stupne_sedi;
    DWORD VelkostObjektu;
    DWORD percento_vyplne;
    DWORD spajanie; // 0 rows, 4 or 8 neighbours
};

// Reads the saved search settings as ReadRegistry would (a value that cannot be read keeps what
// *nastavenia holds) without creating or changing the key. 1 when every value was read, else 0.
int CitajNastaveniaHladania(NastaveniaHladania* nastavenia);

// Stores the placement at close (outer rectangle, showCmd) and writes every value.
int ZapisNastavenia(RECT okno, DWORD zobrazenie);

// 1 the first time it is asked, 0 after: the settings are saved once per run, whether the window
// closes or the session ends first.
int PrvyZapisNastaveni();

// Saves the settings and the main window's placement at close. Win32 only.
int WriteRegistry(HWND okno);
