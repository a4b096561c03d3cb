// Drawing: the text, box and line primitives, the key glyphs and the main window painter.
#pragma once

#include "app/wintypy.h"

// Paints the whole face of the main window into *dc.
void OnWM_PAINT(HDC* dc, HWND okno);
