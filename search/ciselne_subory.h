// The number files: the centre file, and a toolkit of writers and
// readers of numbers that the program itself does not call.
#pragma once

#include "base/wintypy.h"

#include <string>

// The centre file: "%d,%d" and CR LF per point, the same bytes on every platform.
// The writers return 1 when the file could be opened, written and closed, 0 when not.
int PointPoleDoTxt(const char* cesta, const POINT* body, int pocet);
// The centre file's bytes, for a file or for standard output.
std::string TextStredov(const POINT* body, int pocet);
// The objects for standard output, '\n' line ends: "x,y left,top,right,bottom" per object, or one
// JSON array of {"x", "y", "left", "top", "right", "bottom"} ("[]" when empty).
std::string TextVysledku(const POINT* stredy, const RECT* boxy, int pocet, bool json);

// The toolkit the program does not call; rezim is the fopen mode, line ends are '\n'.
// "{x,y}, " per point, a line end after every tenth point and one at the end.
int PointPoleCiselDoTXT(const char* cesta, const char* rezim, const POINT* body, int pocet);
// "%d, " per value, one line end at the end.
int PoleCiselDoTXT(const char* cesta, const char* rezim, const int* hodnoty, int pocet);
// "%d,  " per value; lines hold value 0, then values 1..6, 7..12, ...; one line end at the end.
int CislaFariebDoTXT(const char* cesta, const char* rezim, const DWORD* hodnoty, int pocet);
// "%d, " for a value of 0 or more; a negative value writes nothing.
int CislaDoTXT(const char* cesta, const char* rezim, int hodnota);
// The value's 4 bytes, little-endian, for a value of 0 or more; a negative value writes nothing.
int CislaDoBIN(const char* cesta, const char* rezim, int hodnota);
// pocet values of 4 bytes, little-endian; returns how many were written (0 when the file failed).
int CislaFariebDoBIN(const char* cesta, const char* rezim, const DWORD* hodnoty, int pocet);
// Reads up to pocet little-endian 4-byte values; returns how many were read.
int CislaFariebZ_BIN(const char* cesta, DWORD* buffer, int pocet);
// Reads every whole 4-byte value of the file into a new zero-filled array with 10 spare slots,
// stores their number and returns the array (never freed); null and 0 when the file cannot be read.
int* CislaZoSuboruDoPola(const char* cesta, const char* rezim, int* pocet);
