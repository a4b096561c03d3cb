// The outlines of the objects found, in a window of their own over the virtual screen.
#pragma once

#include <windows.h>

// The click-through window over the virtual screen that outlines the objects found for a moment.
// Made hidden once at start; shown without taking the focus, for about two seconds.
void VytvorObrysy(HINSTANCE instancia);
void UkazObrysy(int vsetky); // all found objects, or the current one (klavesy.h decides)
void SkryObrysy();
// Keeps them out of the next copy of the screen: left up where no capture shows them, else hidden,
// and on a composited desktop one composition waited for when they were there to go.
void SkryObrysyPredSnimkou();
// Whether they are on screen; kept there another two seconds from now, while a number is typed.
int ObrysyUkazane();
void PredlzObrysy();
