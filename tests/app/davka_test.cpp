// The batch search's plain parts: the command line, the saved settings read, the searched area.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/prikazovy_riadok.h"
#include "app/stav.h"
#include "search/hladanie.h"

namespace {

// "-" for a setting not given, "*" for an edge of the whole screen.
std::string Cislo(long long h) {
    return h == kNezadane ? "-" : h == INT_MIN || h == INT_MAX ? "*" : std::to_string(h);
}

// The arguments, split at '|'; the mode and, for a search, the settings, file and area, or the
// message.
std::string Zhrnutie(const std::string& riadok) {
    std::vector<std::string> casti;
    std::istringstream text(riadok);
    for (std::string cast; std::getline(text, cast, '|');)
        casti.push_back(cast);
    std::vector<const char*> a;
    for (const std::string& c : casti)
        a.push_back(c.c_str());
    PrikazovyRiadok p;
    const int rezim = RozoberPrikazovyRiadok(static_cast<int>(a.size()), a.data(), &p);
    const RECT& o = p.oblast;
    const std::string oblast =
        Cislo(o.left) + "," + Cislo(o.top) + "," + Cislo(o.right) + "," + Cislo(o.bottom);
    const char* mena[] = {"okno", "hladaj", "pomoc", ""};
    if (rezim != kRezimHladaj || rezim != p.rezim)
        return mena[rezim] + p.chyba;
    return std::string("hladaj ") + Cislo(p.stupen) + " " + Cislo(p.velkost) + " " +
           Cislo(p.vypln) + " " + Cislo(p.spajanie) + " " + p.subor + " " + oblast;
}

TEST(PrikazovyRiadok, Table) {
    // An expected "zornavit: ..." is the start of the message.
    const char* const riadky[][2] = {
        {"", "okno"},
        {"subor.txt|/nieco|/hladajX|-hladaj|/stupen2", "okno"},
        {"/hladaj", "hladaj - - - - Stredy.txt *,*,*,*"},
        {"/HLADAJ|/Stupen|7|/VELKOST:65535|/vypln:0|/spajanie|RIADKY",
         "hladaj 7 65535 0 0 Stredy.txt *,*,*,*"},
        {"/stupen:0|/velkost|0|/vypln|100|/spajanie:4|/hladaj|/subor|C:\\a b\\ž.txt",
         "hladaj 0 0 100 4 C:\\a b\\ž.txt *,*,*,*"},
        {"/hladaj|/subor:D:\\x:y|/spajanie|8|/oblast|-1920,-5,0,1079",
         "hladaj - - - 8 D:\\x:y -1920,-5,0,1079"},
        {"/hladaj|/oblast:7,7,7,7|/stupen|1|/stupen|002", "hladaj 2 - - - Stredy.txt 7,7,7,7"},
        {"/?", "pomoc"},
        {"/hladaj|/stupen|9|/?", "pomoc"},
        {"/stupen|1", "zornavit: prepínače hľadania platia len spolu s /hladaj"},
        {"/hladaj|/stupen|8", "zornavit: /stupen: „8“ nie je celé číslo od 0 do 7"},
        {"/hladaj|/stupen:", "zornavit: /stupen: „“"},
        {"/hladaj|/velkost|65536", "zornavit: /velkost: „65536“ nie je celé číslo od 0 do 65535"},
        {"/hladaj|/vypln|101", "zornavit: /vypln: „101“ nie je celé číslo od 0 do 100"},
        {"/hladaj|/spajanie|6", "zornavit: /spajanie: „6“ nie je riadky, 4 ani 8"},
        {"/hladaj|/oblast|1,2,3", "zornavit: /oblast: „1,2,3“ nie je obdĺžnik"},
        {"/hladaj|/subor:", "zornavit: /subor: prázdna cesta"},
        {"/hladaj|/stupen", "zornavit: /stupen potrebuje hodnotu"},
        {"/hladaj|/Nic", "zornavit: neznámy argument „/Nic“"},
        {"/hladaj|navyse", "zornavit: neznámy argument „navyse“"},
        {"/hladaj:1", "zornavit: /hladaj nemá hodnotu"},
    };
    for (const auto& [argumenty, cakane] : riadky) {
        const std::string zhrnutie = Zhrnutie(argumenty);
        const size_t dlzka = zhrnutie.rfind("zornavit: ", 0) == 0 ? std::strlen(cakane) : 9999;
        EXPECT_EQ(zhrnutie.substr(0, dlzka), cakane) << argumenty;
    }
    // Each of these command lines (split at ';') is refused.
    std::istringstream zle("/hladaj|/velkost|-1;/hladaj|/vypln|+5;/hladaj|/stupen|1x;"
                           "/hladaj|/vypln|18446744073709551621;/hladaj|/spajanie|riadok;"
                           "/hladaj|/oblast|1,2,3,4,5;/hladaj|/oblast|5,0,4,9;/hladaj|/oblast|"
                           "0,5,9,4;/hladaj|/oblast|1,,3,4;/hladaj|/oblast|1, 2,3,4;"
                           "/hladaj|/oblast|0,0,2147483648,1");
    for (std::string argumenty; std::getline(zle, argumenty, ';');)
        EXPECT_EQ(Zhrnutie(argumenty).substr(0, 10), "zornavit: ") << argumenty;
}

TEST(PrikazovyRiadok, AreaIsCutFromTheCopyAndKeepsScreenCoordinates) {
    // A screen from (-100, -50) to (99, 49) with a 10 x 10 grey square at x -31..-22, y -5..4.
    std::vector<COLORREF> farby(200 * 100, 0xFFFFFFu);
    for (int i = 0; i < 100; ++i)
        farby[(45 + i / 10) * 200 + 69 + i % 10] = 0x141414u;
    const RECT obrazovka = {-100, -50, 99, 49};
    const RECT nic = {1, 1, 0, 0};
    EXPECT_EQ(HladajVOblasti(farby.data(), obrazovka, {-500, -9, -200, 9}, nic, 0, 3, 70, 0), 0);
    ASSERT_EQ(HladajVOblasti(farby.data(), obrazovka, {-27, -9, 9, 9}, nic, 0, 3, 70, 0), 1);
    const POINT s = centers[0];
    const RECT b = objekty[0];
    // The centre's halves truncate toward zero in screen coordinates.
    EXPECT_EQ(std::vector<LONG>({b.left, b.top, b.right, b.bottom, s.x, s.y}),
              std::vector<LONG>({-27, -5, -22, 4, -24, 0}));
}

} // namespace
