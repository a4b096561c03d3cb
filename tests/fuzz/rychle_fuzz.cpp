// libFuzzer target: the fast search and the plain one must agree on every screen its bytes draw.
#include "tests/fast/porovnanie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_bajty = data;
    g_zostava = size;
    if (!ZhodaNaNahodnej(kDruhy[N(0, 1) * 3])) // the small kinds: many runs a second
        __builtin_trap();
    return 0;
}
