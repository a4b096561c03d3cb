// The few Windows types the platform-free core uses, with the layout Windows gives them.
#pragma once

#ifdef _WIN32
#include <windef.h>
#else
#include <cstdint>

typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int BOOL;
typedef unsigned char BYTE;
typedef DWORD COLORREF;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE;

// Opaque handles, declared the way windows.h declares them with STRICT.
struct HWND__;
struct HDC__;
struct HBRUSH__;
struct HINSTANCE__;
struct HKEY__;
struct HFONT__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HBRUSH__* HBRUSH;
typedef HINSTANCE__* HINSTANCE;
typedef HKEY__* HKEY;
typedef HFONT__* HFONT;
#endif

static_assert(sizeof(DWORD) == 4, "DWORD is 32 bits");
static_assert(sizeof(POINT) == 8, "POINT is two 32-bit integers");
static_assert(sizeof(RECT) == 16, "RECT is four 32-bit integers");
