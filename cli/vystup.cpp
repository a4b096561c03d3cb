// The finder's centre file, written whole or not at all.
#include "cli/cli.h"
#include "search/ciselne_subory.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// mkstemp makes the file private; the centre file gets the usual rights.
bool ObvyklePrava(const char* cesta) {
    const mode_t maska = umask(0);
    umask(maska);
    return chmod(cesta, 0666 & ~maska) == 0;
}

} // namespace

bool ZapisStredy(const char* cesta, const POINT* stredy, int pocet, std::string* chyba) {
    std::string vzor = std::string(cesta) + ".XXXXXX";
    std::vector<char> docasny(vzor.begin(), vzor.end());
    docasny.push_back('\0');
    const int fd = mkstemp(docasny.data());
    if (fd < 0) {
        *chyba = std::string("cannot write '") + cesta + "': " + std::strerror(errno);
        return false;
    }
    close(fd);
    errno = 0;
    if (PointPoleDoTxt(docasny.data(), stredy, pocet) != 1 || !ObvyklePrava(docasny.data()) ||
        std::rename(docasny.data(), cesta) != 0) {
        const int chyba_cislo = errno;
        std::remove(docasny.data());
        *chyba = std::string("cannot write '") + cesta + "'" +
                 (chyba_cislo != 0 ? std::string(": ") + std::strerror(chyba_cislo) : "");
        return false;
    }
    return true;
}
