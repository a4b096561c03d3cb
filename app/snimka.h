// What the window's search does before it copies the screen, so that the outlines are never part of
// the copy; free of the platform.
#pragma once

#include "app/wintypy.h"

// Windows 10 version 2004 (build 19041) is the first to leave a window out of screen captures.
// Earlier builds accept the same request and make the window black in every capture instead, which
// would put a box of grey-band-0 pixels into the copy: there it is not asked for at all.
int VylucenieZoSnimokMozne(DWORD zostava);

// The steps before the copy, as flags.
const int kHnedSnimka = 0;
const int kSkrytObrysy = 1;
const int kPockatNaKompoziciu = 2; // one composition of the desktop, so that the hide is on screen

// vylucene: the outlines window is out of every capture; kompozicia: the desktop is composited;
// na_obrazovke: the outlines are shown, or were hidden too recently to be sure they are gone.
int KrokyPredSnimkou(int vylucene, int kompozicia, int na_obrazovke);
