// The desktop and its monitors, as the allocators, the screen search and the placement see them.
#pragma once

#include "base/wintypy.h"

// Desktop size, as the allocators and the placement see it: what NastavVelkostDesktopu set last
// (0 x 0 at start). The program sets the desktop window's client rectangle, the finder its image.
void VelkostDesktopu(int* sirka, int* vyska);
void NastavVelkostDesktopu(int sirka, int vyska);

// The monitors of the virtual screen: their rectangles and work areas in screen pixels (negative
// left of or above the primary), right and bottom exclusive. Fills at most najviac of each and
// returns the count: what NastavMonitory set last, or one monitor of the desktop's size.
const int kNajviacMonitorov = 16;
int Monitory(RECT* plochy, RECT* pracovne, int najviac);
void NastavMonitory(const RECT* plochy, const RECT* pracovne, int pocet);

// Monitor cislo as the batch search counts them: 1 the primary (the one whose corner is 0, 0), then
// the others in the order they were set. Its rectangle goes through the pointer, right and bottom
// inclusive; false when there is no such monitor.
bool MonitorPodlaCisla(int cislo, RECT* oblast);
