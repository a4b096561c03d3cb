// The mouse logic free of the platform: the pause counter and when the readout needs a repaint.
#pragma once

#include "base/wintypy.h"

// The pause counter, a toolkit the program does not call.
int pauza(int krok);
void pauza_reset();

// 1 when the cursor position or the colour under it differs from what the readout strip shows (or
// it has shown nothing yet), so that it needs a repaint. Over the program's own
// window (nad_oknom 1) the colour is its own paint, and a change of it alone would have the readout
// chase its own digits: only the position counts there.
int UdajSaZmenil(POINT kurzor, COLORREF farba, int nad_oknom);
// Records what the readout strip now shows.
void UdajZobrazeny(POINT kurzor, COLORREF farba);
// The readout's timer period after a tick with or without a change, when it is to change, else 0:
// every g_cas_timera ms while things change, ten times slower after half a second without a change
// (a still screen then costs a tenth), and fast again at the next change.
int NovaPeriodaUdaja(int zmena);

// A screen coordinate as synthetic mouse input's absolute one (0..65535 over the virtual screen
// that starts at zaciatok and is rozmer pixels long): a quarter into the pixel's share, so that it
// maps back to that pixel whether the system truncates or rounds.
int AbsolutnaSuradnica(int bod, int zaciatok, int rozmer);
