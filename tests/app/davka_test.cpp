// The batch search's plain parts: the command line, the saved settings read, the searched area.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/prikazovy_riadok.h"
#include "app/register.h"
#include "falosny_register.h"
#include "search/hladanie.h"

namespace {

std::string Cislo(DWORD h) {
    return h == kNezadane ? "-" : std::to_string(h);
}

// The mode and, for a search, the settings and file and area, or the message.
std::string Zhrnutie(const std::vector<const char*>& a) {
    PrikazovyRiadok p;
    const int rezim = RozoberPrikazovyRiadok(static_cast<int>(a.size()), a.data(), &p);
    EXPECT_EQ(rezim, p.rezim);
    const RECT& o = p.oblast;
    const std::string oblast = o.left == INT_MIN
                                   ? "-"
                                   : std::to_string(o.left) + "," + std::to_string(o.top) + "," +
                                         std::to_string(o.right) + "," + std::to_string(o.bottom);
    const char* mena[] = {"okno", "hladaj", "pomoc", "chyba"};
    if (rezim == kRezimChyba)
        return p.chyba.rfind("zornavit: ", 0) == 0 ? "chyba " + p.chyba.substr(10) : p.chyba;
    if (rezim != kRezimHladaj)
        return mena[rezim];
    return std::string("hladaj ") + Cislo(p.stupen) + " " + Cislo(p.velkost) + " " +
           Cislo(p.vypln) + " " + Cislo(p.spajanie) + " " + p.subor + " " + oblast;
}

TEST(PrikazovyRiadok, Table) {
    // An expected "chyba ..." is the start of the message.
    const std::vector<std::pair<std::vector<const char*>, const char*>> riadky = {
        {{}, "okno"},
        {{"subor.txt", "/nieco", "/hladajX", "-hladaj", "/stupen2"}, "okno"},
        {{"/hladaj"}, "hladaj - - - - Stredy.txt -"},
        {{"/HLADAJ", "/Stupen", "7", "/VELKOST:65535", "/vypln:0", "/spajanie", "RIADKY"},
         "hladaj 7 65535 0 0 Stredy.txt -"},
        {{"/stupen:0", "/velkost", "0", "/vypln", "100", "/spajanie:4", "/hladaj", "/subor",
          "C:\\a b\\ž.txt"},
         "hladaj 0 0 100 4 C:\\a b\\ž.txt -"},
        {{"/hladaj", "/subor:D:\\x:y", "/spajanie", "8", "/oblast", "-1920,-5,0,1079"},
         "hladaj - - - 8 D:\\x:y -1920,-5,0,1079"},
        {{"/hladaj", "/oblast:7,7,7,7", "/stupen", "1", "/stupen", "002"},
         "hladaj 2 - - - Stredy.txt 7,7,7,7"},
        {{"/?"}, "pomoc"},
        {{"/hladaj", "/stupen", "9", "/?"}, "pomoc"},
        {{"/stupen", "1"}, "chyba prepínače hľadania platia len spolu s /hladaj"},
        {{"/hladaj", "/stupen", "8"}, "chyba /stupen: „8“ nie je celé číslo od 0 do 7"},
        {{"/hladaj", "/stupen", "1x"}, "chyba /stupen: „1x“"},
        {{"/hladaj", "/stupen:"}, "chyba /stupen: „“"},
        {{"/hladaj", "/velkost", "65536"},
         "chyba /velkost: „65536“ nie je celé číslo od 0 do 65535"},
        {{"/hladaj", "/velkost", "-1"}, "chyba /velkost"},
        {{"/hladaj", "/vypln", "18446744073709551621"}, "chyba /vypln"}, // 2^64 + 5
        {{"/hladaj", "/vypln", "101"}, "chyba /vypln: „101“ nie je celé číslo od 0 do 100"},
        {{"/hladaj", "/vypln", "+5"}, "chyba /vypln"},
        {{"/hladaj", "/spajanie", "6"}, "chyba /spajanie: „6“ nie je riadky, 4 ani 8"},
        {{"/hladaj", "/spajanie", "riadok"}, "chyba /spajanie"},
        {{"/hladaj", "/oblast", "1,2,3"}, "chyba /oblast: „1,2,3“ nie je obdĺžnik"},
        {{"/hladaj", "/oblast", "1,2,3,4,5"}, "chyba /oblast"},
        {{"/hladaj", "/oblast", "5,0,4,9"}, "chyba /oblast"},
        {{"/hladaj", "/oblast", "0,5,9,4"}, "chyba /oblast"},
        {{"/hladaj", "/oblast", "1,,3,4"}, "chyba /oblast"},
        {{"/hladaj", "/oblast", "1, 2,3,4"}, "chyba /oblast"},
        {{"/hladaj", "/oblast", "0,0,2147483648,1"}, "chyba /oblast"},
        {{"/hladaj", "/subor", ""}, "chyba /subor: prázdna cesta"},
        {{"/hladaj", "/stupen"}, "chyba /stupen potrebuje hodnotu"},
        {{"/hladaj", "/Nic"}, "chyba neznámy argument „/Nic“"},
        {{"/hladaj", "navyse"}, "chyba neznámy argument „navyse“"},
        {{"/hladaj:1"}, "chyba /hladaj nemá hodnotu"},
    };
    for (const auto& [argumenty, cakane] : riadky) {
        const std::string zhrnutie = Zhrnutie(argumenty);
        const bool zaciatok = std::string(cakane).rfind("chyba", 0) == 0;
        EXPECT_EQ(zaciatok ? zhrnutie.substr(0, std::strlen(cakane)) : zhrnutie, cakane)
            << "arguments from " << (argumenty.empty() ? "(none)" : argumenty[0]);
    }
}

TEST(PrikazovyRiadok, SavedSettingsAreReadWithoutCreatingTheKey) {
    VynulujRegister();
    NastaveniaHladania n = {0, 20, 70, 0};
    EXPECT_EQ(CitajNastaveniaHladania(&n), 0);
    EXPECT_FALSE(g_register.existuje);
    UlozDword("StupneSedi", 3);
    UlozData("percento_vyplne", kRegBinary, {80});
    UlozDword("Spajanie", 8);
    EXPECT_EQ(CitajNastaveniaHladania(&n), 0); // VelkostObjektu is missing
    EXPECT_EQ(std::vector<DWORD>({n.stupne_sedi, n.VelkostObjektu, n.percento_vyplne, n.spajanie}),
              std::vector<DWORD>({3, 20, 80, 8}));
    EXPECT_TRUE(g_register.poradie_zapisu.empty());
    EXPECT_EQ(g_register.otvoreny, 0);
}

TEST(PrikazovyRiadok, AreaIsCutFromTheCopyAndKeepsScreenCoordinates) {
    // A screen from (-100, -50) to (99, 49) with a 10 x 10 grey square at x -31..-22, y -5..4.
    const RECT obrazovka = {-100, -50, 99, 49};
    std::vector<COLORREF> farby(200 * 100, 0xFFFFFFu);
    for (int y = 45; y < 55; ++y)
        for (int x = 69; x < 79; ++x)
            farby[y * 200 + x] = 0x141414u;
    const struct {
        RECT oblast;
        int pocet;
        RECT box;
        POINT stred;
    } riadky[] = {
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1, {-31, -5, -22, 4}, {-26, 0}},
        // Cut: the centre's halves truncate toward zero in screen coordinates.
        {{-27, -100, 500, 500}, 1, {-27, -5, -22, 4}, {-24, 0}},
        {{-21, -50, 99, 49}, 0, {}, {}},
        {{100, -50, 200, 49}, 0, {}, {}},
    };
    for (const auto& r : riadky) {
        POINT stred = {};
        RECT box = {};
        ASSERT_EQ(HladajVOblasti(farby.data(), obrazovka, r.oblast, 0, 3, 70, &stred, &box, 1),
                  r.pocet);
        if (r.pocet == 1) {
            EXPECT_EQ(
                std::vector<LONG>({box.left, box.top, box.right, box.bottom, stred.x, stred.y}),
                std::vector<LONG>(
                    {r.box.left, r.box.top, r.box.right, r.box.bottom, r.stred.x, r.stred.y}));
        }
    }
}

} // namespace
