// Command-line options of the finder.
#include "cli/cli.h"
#include "settings/nastavenia.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

const char* const kPouzitie =
    "usage: zornavit-cli [--grey G | --color RRGGBB] [--tolerance K] [--min-size S] [--fill F]\n"
    "                    [--exclude L,T,R,B] [--connectivity rows|4|8] [--out FILE] [--json]\n"
    "                    IMAGE.png\n"
    "Finds the centres of grey objects, or of objects of one colour, in a PNG screenshot.\n"
    "  --grey G           grey band 0-7: levels 32*G to 32*G+31 (default 0)\n"
    "  --color RRGGBB     objects of this colour (hexadecimal red, green, blue) instead of greys\n"
    "  --tolerance K      0-64 (default 0): a grey's channels may differ by K (its level, the\n"
    "                     mean rounded down, in the band); a colour's may each be K off\n"
    "  --min-size S       minimum box width and height in pixels, 0-65535 (default 20)\n"
    "  --fill F           minimum share of the box covered by the object, 0-100 % (default 70)\n"
    "  --exclude L,T,R,B  rectangle left out of the search, right and bottom inclusive\n"
    "  --connectivity C   how the pixels group into objects: rows (as the program, default),\n"
    "                     4 (touching along a side) or 8 (along a side or at a corner)\n"
    "  --out FILE         also write the centre file (\"x,y\" and CR LF per centre)\n"
    "  --json             print one JSON array instead of lines\n"
    "  --help             print this text\n"
    "  --version          print the version\n"
    "Output: one line per object, \"x,y left,top,right,bottom\". Exit status 0 on success (also\n"
    "when nothing is found), 2 on bad input.\n";

namespace {

// A whole decimal number in [min, max], with an optional sign; nothing else.
bool CitajCislo(const char* text, long long min, long long max, long long* hodnota) {
    const char* p = text;
    if (*p == '-' || *p == '+') {
        ++p;
    }
    if (*p < '0' || *p > '9') {
        return false;
    }
    errno = 0;
    char* koniec = nullptr;
    const long long v = std::strtoll(text, &koniec, 10);
    if (errno != 0 || *koniec != '\0' || v < min || v > max) {
        return false;
    }
    *hodnota = v;
    return true;
}

bool CitajObdlznik(const char* text, RECT* okno) {
    long long cisla[4];
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        const char* ciarka = std::strchr(p, ',');
        if ((i < 3) != (ciarka != nullptr)) {
            return false;
        }
        const std::string cast = ciarka ? std::string(p, ciarka) : std::string(p);
        if (!CitajCislo(cast.c_str(), INT32_MIN, INT32_MAX, &cisla[i])) {
            return false;
        }
        p = ciarka ? ciarka + 1 : p;
    }
    *okno = RECT{static_cast<LONG>(cisla[0]), static_cast<LONG>(cisla[1]),
                 static_cast<LONG>(cisla[2]), static_cast<LONG>(cisla[3])};
    return true;
}

// Splits "--name=value" or takes the value from the next argument.
bool HodnotaVolby(int argc, char** argv, int* i, const std::string& meno, const char** hodnota,
                  std::string* chyba) {
    const char* arg = argv[*i];
    const size_t dlzka = meno.size();
    if (arg[dlzka] == '=') {
        *hodnota = arg + dlzka + 1;
        return true;
    }
    if (*i + 1 >= argc) {
        *chyba = "option " + meno + " needs a value";
        return false;
    }
    *hodnota = argv[++*i];
    return true;
}

bool JeVolba(const char* arg, const char* meno) {
    const size_t dlzka = std::strlen(meno);
    return std::strncmp(arg, meno, dlzka) == 0 && (arg[dlzka] == '\0' || arg[dlzka] == '=');
}

bool CitajVolbuCisla(const std::string& meno, const char* hodnota, long long min, long long max,
                     long long* cislo, std::string* chyba) {
    if (!CitajCislo(hodnota, min, max, cislo)) {
        *chyba = "option " + meno + ": '" + hodnota + "' is not a number from " +
                 std::to_string(min) + " to " + std::to_string(max);
        return false;
    }
    return true;
}

// Stores the value of an option that takes one.
bool NastavVolbu(const std::string& meno, const char* hodnota, NastaveniaCli* n,
                 std::string* chyba) {
    long long cislo = 0;
    if (meno == "--grey") {
        if (!CitajVolbuCisla(meno, hodnota, 0, 7, &cislo, chyba)) {
            return false;
        }
        n->stupen_sedi = static_cast<unsigned>(cislo);
        n->stupen_zadany = true;
    } else if (meno == "--color") {
        DWORD farba = 0;
        if (!FarbaZTextu(hodnota, &farba)) {
            *chyba = std::string("option --color: '") + hodnota +
                     "' is not a colour RRGGBB of six hexadecimal digits";
            return false;
        }
        n->farba = farba;
    } else if (meno == "--tolerance") {
        if (!CitajVolbuCisla(meno, hodnota, 0, kNajvacsiaOdchylka, &cislo, chyba)) {
            return false;
        }
        n->odchylka = static_cast<int>(cislo);
    } else if (meno == "--min-size") {
        if (!CitajVolbuCisla(meno, hodnota, 0, 65535, &cislo, chyba)) {
            return false;
        }
        n->min_velkost = static_cast<int>(cislo);
    } else if (meno == "--fill") {
        if (!CitajVolbuCisla(meno, hodnota, 0, 100, &cislo, chyba)) {
            return false;
        }
        n->percento_vyplne = static_cast<int>(cislo);
    } else if (meno == "--connectivity") {
        const std::string c = hodnota;
        if (c != "rows" && c != "4" && c != "8") {
            *chyba = "option --connectivity: '" + c + "' is not rows, 4 or 8";
            return false;
        }
        n->spajanie = c == "rows" ? 0 : std::atoi(hodnota);
    } else if (meno == "--exclude") {
        if (!CitajObdlznik(hodnota, &n->okno)) {
            *chyba = std::string("option --exclude: '") + hodnota +
                     "' is not a rectangle L,T,R,B of four whole numbers";
            return false;
        }
    } else {
        if (*hodnota == '\0') {
            *chyba = "option --out: empty file name";
            return false;
        }
        n->vystupny_subor = hodnota;
    }
    return true;
}

bool CitajVolbu(int argc, char** argv, int* i, NastaveniaCli* n, std::string* chyba) {
    static const char* const sHodnotou[] = {"--grey", "--color",   "--tolerance",    "--min-size",
                                            "--fill", "--exclude", "--connectivity", "--out"};
    for (const char* meno : sHodnotou) {
        if (JeVolba(argv[*i], meno)) {
            const char* hodnota = nullptr;
            return HodnotaVolby(argc, argv, i, meno, &hodnota, chyba) &&
                   NastavVolbu(meno, hodnota, n, chyba);
        }
    }
    if (std::strcmp(argv[*i], "--json") == 0) {
        n->json = true;
        return true;
    }
    *chyba = std::string("unknown option '") + argv[*i] + "'";
    return false;
}

} // namespace

bool CitajArgumenty(int argc, char** argv, NastaveniaCli* n, std::string* chyba) {
    bool len_subory = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!len_subory && (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)) {
            n->pomoc = true;
            return true;
        }
        if (!len_subory && std::strcmp(arg, "--version") == 0) {
            n->verzia = true;
            return true;
        }
        if (!len_subory && std::strcmp(arg, "--") == 0) {
            len_subory = true;
        } else if (!len_subory && arg[0] == '-' && arg[1] != '\0') {
            if (!CitajVolbu(argc, argv, &i, n, chyba)) {
                return false;
            }
        } else if (n->obrazok != nullptr) {
            *chyba = std::string("more than one image given ('") + n->obrazok + "', '" + arg + "')";
            return false;
        } else {
            n->obrazok = arg;
        }
    }
    if (n->obrazok == nullptr) {
        *chyba = "no image given (zornavit-cli --help shows the usage)";
        return false;
    }
    if (n->stupen_zadany && n->farba != kBezFarby) {
        *chyba = "options --grey and --color exclude each other";
        return false;
    }
    return true;
}
