// What the window's search does before it copies the screen, so that the outlines are never part of
// the copy; free of the platform.
#include "keys/klavesy.h"

namespace {
const DWORD kPrvaZostavaVylucenia = 19041;
} // namespace

int VylucenieZoSnimokMozne(DWORD zostava) {
    return zostava >= kPrvaZostavaVylucenia;
}

// Composited, a hidden window leaves the screen with the next composition: one is waited for, and
// only when there was something to leave. Uncomposited (wine), nothing beyond the hide: the X
// server has put back what the window covered when the hide returns.
int KrokyPredSnimkou(int vylucene, int kompozicia, int na_obrazovke) {
    if (vylucene || !na_obrazovke)
        return kHnedSnimka;
    return kompozicia ? kSkrytObrysy | kPockatNaKompoziciu : kSkrytObrysy;
}
