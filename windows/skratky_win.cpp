// The system-wide Ctrl+Alt chords: registered for the main window while the setting is on.
#include <windows.h>

#include "base/stav.h"
#include "keys/klavesy.h"
#include "windows/okno.h"
#include "windows/res/resource.h"

static_assert(kKlavesTab == VK_TAB && kKlavesEnter == VK_RETURN && kKlavesMedzera == VK_SPACE &&
                  kKlavesPgUp == VK_PRIOR && kKlavesPgDn == VK_NEXT,
              "the key codes are Windows' own");

namespace {
const int kIdSkratiek[kPocetSkratiek] = {IDH_HLADAJ, IDH_DALSI, IDH_SPAT, IDH_KLIK};
} // namespace

void ZrusSkratky(HWND okno) {
    for (int id : kIdSkratiek)
        UnregisterHotKey(okno, id);
}

void NastavSkratky(HWND okno) {
    ZrusSkratky(okno);
    int obsadene = 0;
    for (int i = 0; skratky != 0 && i < kPocetSkratiek; i++)
        if (!RegisterHotKey(okno, kIdSkratiek[i], MOD_CONTROL | MOD_ALT | MOD_NOREPEAT,
                            static_cast<UINT>(KlavesSkratky(i))))
            obsadene |= 1 << i;
    SkratkyObsadene(obsadene);
}

int SkratkaPodlaId(WPARAM id) {
    for (int i = 0; i < kPocetSkratiek; i++)
        if (id == static_cast<WPARAM>(kIdSkratiek[i]))
            return i;
    return -1;
}
