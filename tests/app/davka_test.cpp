// The batch search's plain parts: the command line, the searched area.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/prikazovy_riadok.h"
#include "search/hladanie.h"

namespace {

// The arguments split at '|': the mode and, for a search, the settings ("-" not given), file and
// area ("*" an edge of the whole screen), or the message.
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
    if (rezim != kRezimHladaj || rezim != p.rezim)
        return (rezim == kRezimOkno ? "okno" : rezim == kRezimPomoc ? "pomoc" : "") + p.chyba;
    std::string s = "hladaj";
    for (DWORD h : {p.stupen, p.velkost, p.vypln, p.spajanie})
        s += h == kNezadane ? " -" : " " + std::to_string(h);
    s += " " + p.subor;
    for (LONG h : {p.oblast.left, p.oblast.top, p.oblast.right, p.oblast.bottom})
        s += h == INT_MIN || h == INT_MAX ? " *" : " " + std::to_string(h);
    return s;
}

TEST(PrikazovyRiadok, Table) {
    // An expected "zornavit: ..." is the start of the message.
    // clang-format off
    const char* const riadky[][2] = {
        {"", "okno"}, {"subor.txt|/nieco|/hladajX|-hladaj|/stupen2", "okno"}, {"/?", "pomoc"}, {"/hladaj|/stupen|9|/?", "pomoc"},
        {"/hladaj", "hladaj - - - - Stredy.txt * * * *"},
        {"/HLADAJ|/Stupen|7|/VELKOST:65535|/vypln:0|/spajanie|RIADKY", "hladaj 7 65535 0 0 Stredy.txt * * * *"},
        {"/stupen:0|/velkost|0|/vypln|100|/spajanie:4|/hladaj|/subor|C:\\a b\\ž.txt", "hladaj 0 0 100 4 C:\\a b\\ž.txt * * * *"},
        {"/hladaj|/subor:D:\\x:y|/spajanie|8|/oblast|-1920,-5,0,1079", "hladaj - - - 8 D:\\x:y -1920 -5 0 1079"},
        {"/hladaj|/oblast:7,7,7,7|/stupen|1|/stupen|002", "hladaj 2 - - - Stredy.txt 7 7 7 7"},
        {"/stupen|1", "zornavit: prepínače hľadania platia len spolu s /hladaj"},
        {"/hladaj|/stupen|8", "zornavit: /stupen: „8“ nie je celé číslo od 0 do 7"}, {"/hladaj|/stupen:", "zornavit: /stupen: „“"},
        {"/hladaj|/velkost|65536", "zornavit: /velkost: „65536“ nie je celé číslo od 0 do 65535"},
        {"/hladaj|/vypln|101", "zornavit: /vypln: „101“ nie je celé číslo od 0 do 100"},
        {"/hladaj|/spajanie|6", "zornavit: /spajanie: „6“ nie je riadky, 4 ani 8"},
        {"/hladaj|/oblast|1,2,3", "zornavit: /oblast: „1,2,3“ nie je obdĺžnik"}, {"/hladaj|/subor:", "zornavit: /subor: prázdna cesta"},
        {"/hladaj|/stupen", "zornavit: /stupen potrebuje hodnotu"}, {"/hladaj|/Nic", "zornavit: neznámy argument „/Nic“"},
        {"/hladaj|navyse", "zornavit: neznámy argument „navyse“"}, {"/hladaj:1", "zornavit: /hladaj nemá hodnotu"},
        {"/hladaj|/velkost|-1", "zornavit: "}, {"/hladaj|/vypln|+5", "zornavit: "}, {"/hladaj|/stupen|1x", "zornavit: "},
        {"/hladaj|/vypln|18446744073709551621", "zornavit: "}, {"/hladaj|/spajanie|riadok", "zornavit: "},
        {"/hladaj|/oblast|1,2,3,4,5", "zornavit: "}, {"/hladaj|/oblast|5,0,4,9", "zornavit: "}, {"/hladaj|/oblast|0,5,9,4", "zornavit: "},
        {"/hladaj|/oblast|1,,3,4", "zornavit: "}, {"/hladaj|/oblast|1, 2,3,4", "zornavit: "}, {"/hladaj|/oblast|0,0,2147483648,1", "zornavit: "},
    };
    // clang-format on
    for (const auto& [argumenty, cakane] : riadky)
        EXPECT_EQ(Zhrnutie(argumenty).substr(0, cakane[0] == 'z' ? std::strlen(cakane) : 999),
                  cakane)
            << argumenty;
}

// A screen from (-100, -50) to (99, 49) with a 10 x 10 grey square at x -31..-22, y -5..4: the area
// is cut from the copy, the results in screen coordinates, the centre's halves truncated toward 0.
TEST(PrikazovyRiadok, AreaIsCutFromTheCopyAndKeepsScreenCoordinates) {
    std::vector<COLORREF> farby(200 * 100, 0xFFFFFFu);
    for (int i = 0; i < 100; ++i)
        farby[(45 + i / 10) * 200 + 69 + i % 10] = 0x141414u;
    const RECT obrazovka = {-100, -50, 99, 49};
    POINT s = {};
    RECT b = {};
    EXPECT_EQ(HladajVOblasti(farby.data(), obrazovka, {-500, -9, -200, 9}, 0, 3, 70, 0, &s, &b, 1) +
                  HladajVOblasti(farby.data(), obrazovka, {-27, -9, 9, 9}, 0, 3, 70, 0, &s, &b, 1),
              1);
    EXPECT_EQ(std::vector<LONG>({b.left, b.top, b.right, b.bottom, s.x, s.y}),
              std::vector<LONG>({-27, -5, -22, 4, -24, 0}));
}

} // namespace
