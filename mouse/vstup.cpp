// Screen points as the absolute coordinates of synthetic mouse input.
#include "mouse/mys.h"

int AbsolutnaSuradnica(int bod, int zaciatok, int rozmer) {
    if (rozmer <= 0)
        return 0;
    const long long n = ((static_cast<long long>(bod) - zaciatok) * 4 + 1) * 65536 / (4LL * rozmer);
    return n < 0 ? 0 : n > 65535 ? 65535 : static_cast<int>(n);
}
