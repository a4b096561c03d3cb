// The batch search's command line: the mode it asks for, the switches' values, the messages.
#include "base/stav.h"
#include "settings/prikazovy_riadok.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <vector>

namespace {

// The arguments "a|b|c" as the program gets them after its name.
PrikazovyRiadok Rozober(const std::string& riadok) {
    std::vector<std::string> casti;
    std::istringstream text(riadok);
    for (std::string cast; std::getline(text, cast, '|');)
        casti.push_back(cast);
    std::vector<const char*> argumenty;
    for (const std::string& c : casti)
        argumenty.push_back(c.c_str());
    PrikazovyRiadok p;
    const int rezim =
        RozoberPrikazovyRiadok(static_cast<int>(argumenty.size()), argumenty.data(), &p);
    EXPECT_EQ(rezim, p.rezim) << "the mode returned is the one stored";
    return p;
}

const DWORD N = kNezadane;                 // not given
const LONG kMin = INT_MIN, kMax = INT_MAX; // an edge of the whole screen

} // namespace

TEST(PrikazovyRiadok, TheModeFollowsTheSwitchesGiven) {
    const std::pair<const char*, int> riadky[] = {
        {"", kRezimOkno},
        {"subor.txt|/nieco|/hladajX|-hladaj|/stupen2", kRezimOkno},
        {"/?", kRezimPomoc},
        {"/hladaj|/stupen|9|/?", kRezimPomoc}};
    for (const auto& [argumenty, rezim] : riadky) {
        const PrikazovyRiadok p = Rozober(argumenty);
        EXPECT_EQ(p.rezim, rezim) << argumenty;
        EXPECT_EQ(p.chyba, "") << argumenty;
    }
}

// Names in any case, values after a space or a colon, the last of a switch given twice; /subor -,
// /json, /okno and /monitor N as asked; /farba RRGGBB as 0x00BBGGRR.
TEST(PrikazovyRiadok, TheSearchTakesTheValuesGiven) {
    const int C = kOblastCela, Z = kOblastZadana, O = kOblastOkno, M = kOblastMonitor;
    // clang-format off
    const struct { const char* argumenty; DWORD stupen, velkost, vypln, spajanie; const char* subor; RECT oblast; bool json; int druh; DWORD monitor; DWORD farba = N, odchylka = N; } riadky[] = {
        {"/hladaj", N, N, N, N, "Stredy.txt", {kMin, kMin, kMax, kMax}, false, C, 0},
        {"/HLADAJ|/Stupen|7|/VELKOST:65535|/vypln:0|/spajanie|RIADKY", 7, 65535, 0, 0, "Stredy.txt", {kMin, kMin, kMax, kMax}, false, C, 0},
        {"/stupen:0|/velkost|0|/vypln|100|/spajanie:4|/hladaj|/subor|C:\\a b\\ž.txt", 0, 0, 100, 4, "C:\\a b\\ž.txt", {kMin, kMin, kMax, kMax}, false, C, 0},
        {"/hladaj|/subor:D:\\x:y|/spajanie|8|/oblast|-1920,-5,0,1079", N, N, N, 8, "D:\\x:y", {-1920, -5, 0, 1079}, false, Z, 0},
        {"/hladaj|/oblast:7,7,7,7|/stupen|1|/stupen|002", 2, N, N, N, "Stredy.txt", {7, 7, 7, 7}, false, Z, 0},
        {"/hladaj|/subor|-|/okno|/okno", N, N, N, N, "-", {kMin, kMin, kMax, kMax}, false, O, 0},
        {"/json|/hladaj|/subor|x.txt|/monitor|99", N, N, N, N, "x.txt", {kMin, kMin, kMax, kMax}, true, M, 99},
        {"/hladaj|/farba|3366cF|/ODCHYLKA:64", N, N, N, N, "Stredy.txt", {kMin, kMin, kMax, kMax}, false, C, 0, 0xCF6633, 64},
        {"/odchylka|0|/hladaj|/Farba:000000", N, N, N, N, "Stredy.txt", {kMin, kMin, kMax, kMax}, false, C, 0, 0, 0}};
    // clang-format on
    for (const auto& r : riadky) {
        SCOPED_TRACE(r.argumenty);
        const PrikazovyRiadok p = Rozober(r.argumenty);
        ASSERT_EQ(p.rezim, kRezimHladaj) << p.chyba;
        EXPECT_EQ(p.stupen, r.stupen);
        EXPECT_EQ(p.velkost, r.velkost);
        EXPECT_EQ(p.vypln, r.vypln);
        EXPECT_EQ(p.spajanie, r.spajanie);
        EXPECT_EQ(p.subor, r.subor);
        EXPECT_EQ(p.oblast.left, r.oblast.left);
        EXPECT_EQ(p.oblast.top, r.oblast.top);
        EXPECT_EQ(p.oblast.right, r.oblast.right);
        EXPECT_EQ(p.oblast.bottom, r.oblast.bottom);
        EXPECT_EQ(p.json, r.json);
        EXPECT_EQ(p.druh_oblasti, r.druh);
        EXPECT_EQ(p.monitor, r.monitor);
        EXPECT_EQ(p.farba, r.farba);
        EXPECT_EQ(p.odchylka, r.odchylka);
    }
}

TEST(PrikazovyRiadok, BadSwitchesAndValuesAreRefusedWithAMessage) {
    // The start of the message.
    // clang-format off
    const std::pair<const char*, const char*> riadky[] = {
        {"/stupen|1", "zornavit: prepínače hľadania platia len spolu s /hladaj"},
        {"/okno", "zornavit: prepínače hľadania platia len spolu s /hladaj"}, {"/hladaj|/json:", "zornavit: /json nemá hodnotu"},
        {"/hladaj|/monitor", "zornavit: /monitor potrebuje hodnotu"}, {"/hladaj|/Nic", "zornavit: neznámy argument „/Nic“"},
        {"/hladaj|/monitor|0", "zornavit: /monitor: „0“ nie je číslo monitora od 1 do 99"}, {"/hladaj|/monitor|100", "zornavit: /monitor: „100“"},
        {"/hladaj|/okno|/monitor|1", "zornavit: /oblast, /okno a /monitor sa navzájom vylučujú"},
        {"/hladaj|/oblast|0,0,1,1|/okno", "zornavit: /oblast, /okno a /monitor sa"}, {"/hladaj|/monitor|1|/oblast|0,0,1,1", "zornavit: /oblast, /okno a"},
        {"/hladaj|/stupen|8", "zornavit: /stupen: „8“ nie je celé číslo od 0 do 7 (okno ukazuje pásmo o jedno vyššie, 1-8"},
        {"/hladaj|/stupen:", "zornavit: /stupen: „“"},
        {"/hladaj|/velkost|65536", "zornavit: /velkost: „65536“ nie je celé číslo od 0 do 65535"},
        {"/hladaj|/vypln|101", "zornavit: /vypln: „101“ nie je celé číslo od 0 do 100"},
        {"/hladaj|/spajanie|6", "zornavit: /spajanie: „6“ nie je riadky, 4 ani 8"}, {"/hladaj|/spajanie|riadok", "zornavit: /spajanie: „riadok“"},
        {"/hladaj|/oblast|1,2,3", "zornavit: /oblast: „1,2,3“ nie je obdĺžnik"}, {"/hladaj|/subor:", "zornavit: /subor: prázdna cesta"},
        {"/hladaj|navyse", "zornavit: neznámy argument „navyse“"}, {"/hladaj|/velkost|-1", "zornavit: /velkost: „-1“"},
        {"/hladaj|/vypln|+5", "zornavit: /vypln: „+5“"}, {"/hladaj|/stupen|1x", "zornavit: /stupen: „1x“"},
        {"/hladaj|/vypln|18446744073709551621", "zornavit: /vypln: „18446744073709551621“"},
        {"/hladaj|/oblast|1,2,3,4,5", "zornavit: /oblast: „1,2,3,4,5“"}, {"/hladaj|/oblast|5,0,4,9", "zornavit: /oblast: „5,0,4,9“"},
        {"/hladaj|/oblast|0,5,9,4", "zornavit: /oblast: „0,5,9,4“"}, {"/hladaj|/oblast|1,,3,4", "zornavit: /oblast: „1,,3,4“"},
        {"/hladaj|/oblast|1, 2,3,4", "zornavit: /oblast: „1, 2,3,4“"},
        {"/hladaj|/oblast|0,0,2147483648,1", "zornavit: /oblast: „0,0,2147483648,1“"},
        {"/farba|112233|/hladaj|/stupen:1", "zornavit: /stupen a /farba sa vylučujú"},
        {"/hladaj|/farba|12345", "zornavit: /farba: „12345“ nie je farba RRGGBB"}, {"/hladaj|/farba|#12345", "zornavit: /farba: „#12345“"},
        {"/hladaj|/farba|1234567", "zornavit: /farba: „1234567“"}, {"/hladaj|/farba|12345G", "zornavit: /farba: „12345G“"},
        {"/hladaj|/odchylka|65", "zornavit: /odchylka: „65“ nie je celé číslo od 0 do 64"}};
    // clang-format on
    for (const auto& [argumenty, sprava] : riadky) {
        const PrikazovyRiadok p = Rozober(argumenty);
        EXPECT_EQ(p.rezim, kRezimChyba) << argumenty;
        EXPECT_EQ(p.chyba.substr(0, std::strlen(sprava)), sprava) << argumenty;
    }
}

// The saved settings under the command line's: /stupen searches greys over a saved colour.
TEST(PrikazovyRiadok, TheSwitchesOverrideTheSavedSettings) {
    const NastaveniaHladania ulozene = {2, 20, 70, 4, 8, 0x336699};
    // clang-format off
    const struct { const char* argumenty; NastaveniaHladania cakane; } riadky[] = {
        {"/hladaj|/stupen|5", {5, 20, 70, 4, 8, kBezFarby}}, {"/hladaj|/farba|AABBCC|/odchylka|0", {2, 20, 70, 4, 0, 0xCCBBAA}},
        {"/hladaj|/velkost|3|/vypln|9|/spajanie|riadky", {2, 3, 9, 0, 8, 0x336699}}};
    // clang-format on
    for (const auto& r : riadky) {
        SCOPED_TRACE(r.argumenty);
        const NastaveniaHladania n = NastaveniaPrikazu(Rozober(r.argumenty), ulozene);
        EXPECT_EQ(n.stupne_sedi, r.cakane.stupne_sedi);
        EXPECT_EQ(n.VelkostObjektu, r.cakane.VelkostObjektu);
        EXPECT_EQ(n.percento_vyplne, r.cakane.percento_vyplne);
        EXPECT_EQ(n.spajanie, r.cakane.spajanie);
        EXPECT_EQ(n.odchylka, r.cakane.odchylka);
        EXPECT_EQ(n.farba, r.cakane.farba);
    }
}

// The usage text names every switch, and the band as the window shows it.
TEST(PrikazovyRiadok, TheUsageNamesEverySwitch) {
    const std::string pouzitie = kPouzitieDavky;
    for (const char* prepinac : {"/hladaj ", "/stupen G", "/velkost S", "/vypln F", "/spajanie R",
                                 "/subor CESTA", "/subor -", "/json", "/oblast Ľ,H,P,D", "/okno",
                                 "/monitor N", "/farba RRGGBB", "/odchylka K", "1-8"})
        EXPECT_NE(pouzitie.find(prepinac), std::string::npos) << prepinac << " missing in\n"
                                                              << pouzitie;
}
