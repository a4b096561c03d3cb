// Putting a finished file in place of another on Windows, in one step.
#include <windows.h>

#include "search/hladanie.h"

int NahradSubor(const char* zdroj, const char* ciel) {
    // Fails, leaving the target as it was, while another program holds it open without sharing.
    return MoveFileExA(zdroj, ciel, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}
