// The app's platform-free parts without a window: keys, search bookkeeping, settings and placement
// over an in-memory registry, the batch command line; the mouse toolbox's pause counter.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/stav.h"
#include "keys/klavesy.h"
#include "mouse/mys.h"
#include "search/desktop.h"
#include "search/hladanie.h"
#include "settings/prikazovy_riadok.h"
#include "settings/nastavenia.h"
#include "windows/ulozenie.h"

// The application state back at its start values.
static void ObnovStav() {
    stupne_sedi = 0, VelkostObjektu = 20, percento_vyplne = 70, volba = 1, sledovanie_kurzora = 0;
    spajanie = 0, ukazat_objekty = 1, g_dwWindowPos = g_dwWindowSize = g_dwWindowShow = 0;
    cielova_farba = kBezFarby, odchylka = 0;
    PocetObjektov = cislo_objektu = status = g_timer_pocet = g_timer_pocitadlo = 0, vypinac_TAB = 1;
}

class Klavesy : public testing::Test {
  protected:
    void SetUp() override {
        ObnovStav();
        ASSERT_EQ(RezervujVysledky(0), 1); // the results, as the search module makes them at start
    }
    // Places n centres (10 * k, 20 * k) for objects k = 1..n and records a search finding them.
    static void Najdene(int n) {
        for (int k = 1; k <= n; ++k)
            centers[k - 1] = POINT{10 * k, 20 * k};
        VysledokHladania(n);
    }
    // The x of the centres n TABs (or SHIFT+TABs) jump to.
    static std::vector<int> Skoky(int n, int (*skok)(POINT*) = SkokTAB) {
        std::vector<int> x;
        for (POINT ciel; n-- > 0 && skok(&ciel) == 1; x.push_back(ciel.x))
            EXPECT_EQ(ciel.y, 2 * ciel.x);
        return x;
    }
};

// One key on one row (grey, size, fill, object) with three objects found: RIGHT on a desktop this
// wide, or LEFT (0); then pairs of the row's value before and after, the other rows kept.
// The size ladder: 1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to 1000 by 50, then by 100
// while below the desktop's width less 100; off-ladder values move by the same thresholds.
// clang-format off
const std::vector<long> kKroky[] = {
    {1, 1920, 6, 7, 7, 7}, {1, 0, 1, 0, 0, 0},
    {2, 1920, 9, 10, 10, 15, 45, 50, 50, 60, 190, 200, 200, 220, 480, 500, 500, 550, 950, 1000, 1000, 1100, 1819, 1919, 1820, 1820, 0, 0, 12, 17},
    {2, 0, 10, 9, 15, 10, 12, 7, 50, 45, 60, 50, 200, 190, 220, 200, 500, 480, 550, 500, 1000, 950, 1100, 1000, 1, 1, 0, 0, 55, 50},
    {2, 640, 500, 550, 550, 550},
    {3, 1920, 95, 100, 100, 100, 97, 102, 102, 102}, {3, 0, 10, 5, 5, 5}, {4, 1920, 1, 2, 3, 3}, {4, 0, 1, 1, 2, 1}};
// clang-format on

TEST_F(Klavesy, KeysOnEachRow) {
    for (const auto& k : kKroky)
        for (size_t i = 2; i < k.size(); i += 2) {
            ObnovStav();
            PocetObjektov = 3, volba = k[0];
            DWORD cislo = 0, *const r[] = {&stupne_sedi, &VelkostObjektu, &percento_vyplne, &cislo};
            *r[k[0] - 1] = static_cast<DWORD>(k[i]);
            cislo_objektu = static_cast<int>(cislo);
            std::array<long, 4> cakane = {stupne_sedi, VelkostObjektu, percento_vyplne,
                                          cislo_objektu};
            cakane[k[0] - 1] = k[i + 1];
            k[1] != 0 ? KlavesVpravo(k[1]) : KlavesVlavo();
            EXPECT_EQ(
                (std::array<long, 4>{stupne_sedi, VelkostObjektu, percento_vyplne, cislo_objektu}),
                cakane)
                << "row " << k[0] << " from " << k[i] << " " << k[1];
        }
    // UP and DOWN: three rows without results, four with; a row loaded out of range goes back to
    // the first. Objects found, row before, UP (1) or DOWN (0), row after.
    const int kroky[][4] = {{0, 1, 1, 3}, {0, 3, 0, 1}, {2, 3, 0, 4},
                            {2, 4, 0, 1}, {2, 1, 1, 4}, {0, 9, 0, 1}};
    for (const auto& k : kroky) {
        PocetObjektov = k[0], volba = k[1];
        k[2] ? KlavesHore() : KlavesDole();
        EXPECT_EQ(volba, DWORD(k[3])) << k[1] << (k[2] ? " up" : " down") << " with " << k[0];
    }
}

// F picks a colour (not CLR_INVALID); other rows keep it; LEFT or RIGHT on row 1 goes back to the
// band as it was, the next one moves the band. Key (F with a colour, or a row and LEFT 0 / RIGHT
// 1), then the target and the band.
TEST_F(Klavesy, FPicksAColourAndRowOneGoesBackToTheBand) {
    stupne_sedi = 3;
    const DWORD kroky[][4] = {
        {'F', 0x336699, 0x336699, 3}, {'F', 0xFFFFFFFF, 0x336699, 3}, {2, 1, 0x336699, 3},
        {3, 0, 0x336699, 3},          {1, 0, kBezFarby, 3},           {1, 0, kBezFarby, 2},
        {'F', 0x010203, 0x010203, 2}, {1, 1, kBezFarby, 2},           {1, 1, kBezFarby, 3}};
    for (const auto& k : kroky) {
        volba = k[0] == 'F' ? volba : k[0];
        k[0] == 'F' ? KlavesFarba(k[1]) : k[1] ? KlavesVpravo(1920) : KlavesVlavo();
        EXPECT_EQ(std::vector<DWORD>({cielova_farba, stupne_sedi}),
                  std::vector<DWORD>({k[2], k[3]}))
            << k[0] << " " << k[1];
    }
}

TEST_F(Klavesy, SearchResultBookkeeping) {
    const auto stav = [] {
        return std::vector<long>{status, PocetObjektov, cislo_objektu, volba, vypinac_TAB};
    };
    ZaciatokHladania();
    EXPECT_EQ(status, 1);
    Najdene(4);
    EXPECT_EQ(stav(), (std::vector<long>{2, 4, 1, 1, 1}));
    cislo_objektu = 4, PocetObjektov = 6;
    Najdene(3); // a choice beyond the new count is cut to it
    EXPECT_EQ(cislo_objektu, 3);
    volba = 4, vypinac_TAB = 0;
    VysledokHladania(0);
    EXPECT_EQ(stav(), (std::vector<long>{3, 0, 0, 2, 1}));
    KlikDoOkna();
    EXPECT_EQ(status, 0);
    // A saved row 4 has no results to select at creation.
    for (DWORD v : {4u, 3u}) {
        volba = v;
        VolbaPoVytvoreni();
        EXPECT_EQ(volba, v == 4 ? 2u : v);
    }
}

// TAB and SHIFT+TAB: nothing before a search; the current object first, then on with a wrap; one
// switch for both; on the object row both stay on the chosen object.
TEST_F(Klavesy, TabVisitsTheCentresInOrderAndWraps) {
    EXPECT_EQ(Skoky(1).size() + Skoky(1, SkokSpat).size(), 0u);
    EXPECT_EQ(vypinac_TAB, 1);
    Najdene(3);
    EXPECT_EQ(Skoky(5), (std::vector<int>{10, 20, 30, 10, 20}));
    EXPECT_EQ(Skoky(4, SkokSpat), (std::vector<int>{10, 30, 20, 10}));
    // A later search that keeps object 3 (of 4) goes there first, without advancing.
    cislo_objektu = 3;
    Najdene(4);
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 40}));
    volba = 4;
    KlavesVlavo();
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 30}));
    EXPECT_EQ(Skoky(2, SkokSpat), (std::vector<int>{30, 30}));
}

// A sum of steps against a target; a zero step is true; reset keeps a target the sum passed.
TEST_F(Klavesy, PauseCounter) {
    std::vector<int> vysledky;
    for (int k : {3, 3, -6, 4, 0})
        vysledky.push_back(pauza(k) * 100 + g_timer_pocet);
    EXPECT_EQ(vysledky, (std::vector<int>{3, 6, 100, 4, 104}));
    g_timer_pocitadlo = 10, g_timer_pocet = 12;
    pauza_reset();
    EXPECT_EQ(pauza(10), 1);
    pauza_reset();
    EXPECT_EQ(g_timer_pocitadlo + g_timer_pocet, 0);
}

// The arguments split at '|': the mode and, for a search, the settings ("-" not given), file and
// area ("*" an edge of the whole screen), or the message.
static std::string Zhrnutie(const std::string& riadok) {
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
    if (p.farba != kNezadane) {
        char farba[16];
        std::snprintf(farba, sizeof farba, " farba %06X", static_cast<unsigned>(p.farba));
        s += farba;
    }
    return s + (p.odchylka != kNezadane ? " odchylka " + std::to_string(p.odchylka) : "");
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
        // RRGGBB as 0x00BBGGRR.
        {"/hladaj|/farba|3366cF|/ODCHYLKA:64", "hladaj - - - - Stredy.txt * * * * farba CF6633 odchylka 64"},
        {"/hladaj|/odchylka|0", "hladaj - - - - Stredy.txt * * * * odchylka 0"},
        {"/farba|112233|/hladaj|/stupen:1", "zornavit: /stupen a /farba sa vylučujú"},
        {"/hladaj|/farba|12345", "zornavit: /farba: „12345“ nie je farba RRGGBB"}, {"/hladaj|/farba|#12345", "zornavit: /farba"},
        {"/hladaj|/farba|1234567", "zornavit: /farba"}, {"/hladaj|/farba|12345G", "zornavit: /farba"},
        {"/hladaj|/odchylka|65", "zornavit: /odchylka: „65“ nie je celé číslo od 0 do 64"}, {"/hladaj|/odchylka|-1", "zornavit: /odchylka"},
    };
    // clang-format on
    for (const auto& [argumenty, cakane] : riadky)
        EXPECT_EQ(Zhrnutie(argumenty).substr(0, cakane[0] == 'z' ? std::strlen(cakane) : 999),
                  cakane)
            << argumenty;
}

// The saved settings under the command line's: /stupen searches greys over a saved colour.
TEST(PrikazovyRiadok, OverridesTheSavedSettings) {
    const NastaveniaHladania ulozene = {2, 20, 70, 4, 8, 0x336699};
    // clang-format off
    const std::pair<const char*, std::vector<DWORD>> riadky[] = {
        {"/hladaj", {2, 20, 70, 4, 8, 0x336699}}, {"/hladaj|/stupen|5", {5, 20, 70, 4, 8, kBezFarby}},
        {"/hladaj|/farba|AABBCC|/odchylka|0", {2, 20, 70, 4, 0, 0xCCBBAA}},
        {"/hladaj|/velkost|3|/vypln|9|/spajanie|riadky", {2, 3, 9, 0, 8, 0x336699}}};
    // clang-format on
    for (const auto& [argumenty, cakane] : riadky) {
        std::vector<std::string> casti;
        std::istringstream text(argumenty);
        for (std::string cast; std::getline(text, cast, '|');)
            casti.push_back(cast);
        std::vector<const char*> a;
        for (const std::string& c : casti)
            a.push_back(c.c_str());
        PrikazovyRiadok p;
        RozoberPrikazovyRiadok(static_cast<int>(a.size()), a.data(), &p);
        const NastaveniaHladania n = NastaveniaPrikazu(p, ulozene);
        EXPECT_EQ(std::vector<DWORD>({n.stupne_sedi, n.VelkostObjektu, n.percento_vyplne,
                                      n.spajanie, n.odchylka, n.farba}),
                  cakane)
            << argumenty;
    }
}

const DWORD kRegSz = 1, kRegBinary = 3, kRegDword = 4, kStred1920 = 848u | (411u << 16);
using Data = std::pair<DWORD, std::string>; // type, bytes

// The one key the program uses, answering as the Win32 calls do.
struct Register {
    bool existuje = false, otvorenie_zlyha = false, zatvorenie_zlyha = false;
    std::string cesta, zapis_zlyha;
    std::map<std::string, Data> hodnoty;
    std::vector<std::string> poradie_zapisu;
    int otvoreny = 0; // open handles not yet closed
} g_register;

static Data Hodnota(DWORD typ, DWORD h) {
    return {typ, std::string(reinterpret_cast<const char*>(&h), typ == kRegBinary ? 1 : 4)};
}

// One row per registry value, in the order they are saved: the variable, its type, a value to
// save and load (settings out of the rows' ranges load as they are), what the first run leaves.
// clang-format off
struct Riadok { const char* meno; DWORD typ; DWORD* premenna; DWORD ulozena, prvy_beh; };
const Riadok kRiadky[] = {
    {"WindowPos", kRegDword, &g_dwWindowPos, 100u | (200u << 16), kStred1920},
    {"WindowSize", kRegDword, &g_dwWindowSize, 224u | (242u << 16), 224u | (259u << 16)}, {"WindowShow", kRegDword, &g_dwWindowShow, 1, 1},
    {"StupneSedi", kRegDword, &stupne_sedi, 200, 0}, {"VelkostObjektu", kRegDword, &VelkostObjektu, 60, 20},
    {"percento_vyplne", kRegDword, &percento_vyplne, 0, 70}, {"Volba", kRegDword, &volba, 4, 1}, {"InfoKurzor", kRegBinary, &sledovanie_kurzora, 1, 0},
    {"Spajanie", kRegDword, &spajanie, 8, 0}, {"UkazatObjekty", kRegDword, &ukazat_objekty, 0, 1},
    {"Odchylka", kRegDword, &odchylka, 12, 0}};
// clang-format on

// Every row's variable, or the value the row's column holds.
static std::vector<DWORD> Premenne(DWORD Riadok::*stlpec = nullptr) {
    std::vector<DWORD> v;
    for (const Riadok& r : kRiadky)
        v.push_back(stlpec ? r.*stlpec : *r.premenna);
    return v;
}

class Nastavenia : public testing::Test {
  protected:
    void SetUp() override {
        ObnovStav(), NastavVelkostDesktopu(1920, 1080), NastavMonitory(nullptr, nullptr, 0);
        g_register = Register();
        for (const Riadok& r : kRiadky)
            ulozene_[r.meno] = Hodnota(r.typ, r.ulozena), mena_.push_back(r.meno);
    }
    void TearDown() override { EXPECT_EQ(g_register.otvoreny, 0) << "key left open"; }
    void UlozVsetko() { g_register.hodnoty = ulozene_, g_register.existuje = true; }
    std::map<std::string, Data> ulozene_;
    std::vector<std::string> mena_;
};

TEST_F(Nastavenia, FirstRunLoadsAndSavesEveryValue) {
    EXPECT_EQ(ReadRegistry(), 1); // the first run centres and writes nothing
    EXPECT_EQ(g_register.cesta, "Software\\Zornavit");
    EXPECT_TRUE(g_register.existuje && g_register.hodnoty.empty());
    EXPECT_EQ(Premenne(), Premenne(&Riadok::prvy_beh));
    UlozVsetko();
    sledovanie_kurzora = 0xFFFFFF00u; // a one-byte value clears the upper bytes
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(Premenne(), Premenne(&Riadok::ulozena));
    // Each once, in order, with its type; only the low byte of the switch.
    g_register = Register(), sledovanie_kurzora = 0x101;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.poradie_zapisu, mena_);
    EXPECT_EQ(g_register.hodnoty, ulozene_);
    // Closed minimised: "WindowShow" 2 and the placement as loaded.
    ReadRegistry();
    EXPECT_EQ(ZapisNastavenia(RECT{-32000, -32000, -31840, -31969}, 2), 1);
    ulozene_["WindowShow"] = Hodnota(kRegDword, 2);
    EXPECT_EQ(g_register.hodnoty, ulozene_);
}

// Unreadable values keep their variables; an old key is no first run: nothing is centred.
TEST_F(Nastavenia, FailuresAreReportedAndTheRestGoesOn) {
    UlozVsetko();
    for (const char* meno : {"WindowPos", "StupneSedi", "UkazatObjekty"}) // absent: outlines on
        g_register.hodnoty.erase(meno);
    g_register.hodnoty["VelkostObjektu"] = {kRegBinary, "12345"};    // longer than 4 bytes
    g_register.hodnoty["percento_vyplne"] = {kRegSz, {'5', '0', 0}}; // any type, 4 bytes or less
    g_register.hodnoty["InfoKurzor"] = Hodnota(kRegDword, 1);        // a DWORD where a byte belongs
    g_register.hodnoty["Spajanie"] = Hodnota(kRegDword, 5);          // an unknown grouping: by rows
    EXPECT_EQ(ReadRegistry(), 0);
    std::vector<DWORD> cakane = Premenne(&Riadok::ulozena);
    cakane[0] = cakane[3] = cakane[8] = 0, cakane[4] = 20, cakane[5] = 0x3035,
    cakane[7] = cakane[9] = 1;
    EXPECT_EQ(Premenne(), cakane);
    for (const Riadok& r : kRiadky) { // each value's own failure is reported
        UlozVsetko();
        g_register.hodnoty.erase(r.meno);
        EXPECT_EQ(ReadRegistry(), 0) << r.meno;
    }
    // A key that cannot be opened or closed, a value that cannot be written: reported, go on.
    g_register.otvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry() + ZapisNastavenia(RECT{10, 20, 234, 262}, 1), 0);
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(10, 20)); // the placement is taken all the same
    EXPECT_TRUE(g_register.poradie_zapisu.empty());
    g_register.otvorenie_zlyha = false, g_register.zatvorenie_zlyha = true;
    UlozVsetko();
    EXPECT_EQ(ReadRegistry() + ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(VelkostObjektu, 60u);
    g_register = Register(), g_register.zapis_zlyha = "WindowShow";
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(g_register.poradie_zapisu, mena_);
    EXPECT_EQ(g_register.hodnoty.count("WindowShow") + g_register.hodnoty.count("InfoKurzor"), 1u);
}

// "Farba" is there only while objects are of a colour; loaded, a value with a top byte is none and
// a tolerance past 64 is 64; the batch reads them as the window does.
TEST_F(Nastavenia, ColourAndToleranceRoundTrip) {
    UlozVsetko();
    cielova_farba = 0x336699;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.hodnoty["Farba"], Hodnota(kRegDword, 0x336699));
    cielova_farba = kBezFarby;
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(cielova_farba, 0x336699u);
    cielova_farba = kBezFarby;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.hodnoty.count("Farba"), 0u);
    g_register.zapis_zlyha = "Farba"; // a value that cannot be deleted is reported
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 0);
    for (const auto& [ulozena, nacitana] :
         {std::pair{0x00C0FFEEu, 0x00C0FFEEu}, {0x01C0FFEEu, kBezFarby}}) {
        g_register.hodnoty["Farba"] = Hodnota(kRegDword, ulozena);
        g_register.hodnoty["Odchylka"] = Hodnota(kRegDword, 65);
        EXPECT_EQ(ReadRegistry(), 1);
        NastaveniaHladania n = {};
        EXPECT_EQ(CitajNastaveniaHladania(&n), 1);
        EXPECT_EQ(std::vector<DWORD>({cielova_farba, odchylka, n.farba, n.odchylka}),
                  std::vector<DWORD>({nacitana, 64, nacitana, 64}));
    }
}

// Closed at a rectangle (an empty one: saved by another layout), saved, then opened: on the
// 1920 x 1080 primary alone, or with a 1280 x 1024 monitor on its left and a taskbar at y 1040.
TEST_F(Nastavenia, PlacementRoundTrips) {
    // Halves cut to 16 bits; a screen smaller than the window centres "negatively".
    EXPECT_EQ(std::vector<DWORD>(
                  {ZbalSlova(-1, 2), ZbalSlova(0x12345, 0x10001), StredovaPoloha(101, 101)}),
              std::vector<DWORD>({0x2FFFF, 0x12345, ZbalSlova(50 - 112, 50 - 129)}));
    const RECT plochy[] = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    const RECT pracovne[] = {{0, 0, 1920, 1040}, plochy[1]};
    const POINT c = {848, 411};
    // clang-format off
    const std::tuple<int, RECT, DWORD, POINT> cases[] = {
        // Pulled onto the work area keeping the size: left and top first, then bottom and right
        // push a window larger than the area back out by the excess.
        {1, {-1500, -300, -1276, -58}, 0, {0, 0}}, {1, {1697, 100, 1921, 342}, ZbalSlova(1696, 100), {1696, 100}},
        {2, {500, 1000, 724, 1242}, ZbalSlova(500, 798), {500, 798}}, {1, {-10, -10, 3000, 2000}, ZbalSlova(1920 - 3010, 1080 - 2010), c},
        // Saved on a wider screen or a taller one opens centred; partly visible stays; the halves
        // unpack signed.
        {1, {}, ZbalSlova(1920, 1079), c}, {1, {}, ZbalSlova(100, 1080), c}, {1, {}, ZbalSlova(1919, 1079), {1919, 1079}},
        {1, {}, ZbalSlova(-16, 1079), {-16, 1079}}, {2, {}, ZbalSlova(-1503, -258), {-1503, -258}}, // one pixel on the left monitor
        {2, {-1000, 100, -776, 342}, 0x0064FC18u, {-1000, 100}}, {2, {-1300, -20, -1076, 222}, ZbalSlova(-1280, 0), {-1280, 0}},
        {2, {-150, 100, 74, 342}, ZbalSlova(-224, 100), {-224, 100}}, // mostly on the left monitor
        {2, {}, ZbalSlova(-600, 1030), c}, {2, {}, ZbalSlova(-1504, 100), c}}; // on no monitor
    // clang-format on
    UlozVsetko();
    for (const auto& [monitory, zatvorene, ulozene, otvorene] : cases) {
        NastavMonitory(plochy, monitory == 1 ? plochy : pracovne, monitory);
        const RECT& z = zatvorene;
        if (z.right > z.left) {
            ZapisNastavenia(z, 1);
            EXPECT_EQ(g_dwWindowSize, ZbalSlova(z.right - z.left, z.bottom - z.top));
        } else {
            g_register.hodnoty["WindowPos"] = Hodnota(kRegDword, ulozene);
        }
        EXPECT_EQ(g_register.hodnoty["WindowPos"], Hodnota(kRegDword, ulozene)) << z.left;
        ReadRegistry();
        int x = 0, y = 0;
        RozbalSlova(g_dwWindowPos, &x, &y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(otvorene.x, otvorene.y)) << ulozene;
    }
}

// The registry wrappers over the in-memory key; reads of any type, 4 bytes at most, as Win32's.
static int Zapis(const char* meno, DWORD typ, DWORD h) {
    g_register.poradie_zapisu.push_back(meno);
    return g_register.zapis_zlyha != meno && (g_register.hodnoty[meno] = Hodnota(typ, h), true);
}
HKEY registry_OpenKey(const char* cesta, int* vytvoreny) {
    if (g_register.otvorenie_zlyha)
        return nullptr;
    if (vytvoreny != nullptr)
        *vytvoreny = !g_register.existuje;
    g_register.cesta = cesta, g_register.existuje = true, g_register.otvoreny += 1;
    return reinterpret_cast<HKEY>(&g_register);
}
HKEY registry_OpenKeyReadOnly(const char* cesta) {
    return g_register.existuje ? registry_OpenKey(cesta, nullptr) : nullptr;
}
int registry_WriteDWORD(HKEY, const char* meno, DWORD h) {
    return Zapis(meno, kRegDword, h);
}
int registry_WriteBYTE(HKEY, const char* meno, BYTE h) {
    return Zapis(meno, kRegBinary, h);
}
int registry_DeleteValue(HKEY, const char* meno) {
    return g_register.hodnoty.erase(meno), g_register.zapis_zlyha != meno;
}
int registry_ReadDWORD(HKEY, const char* meno, DWORD* ciel) {
    const auto it = g_register.hodnoty.find(meno);
    const size_t n = it == g_register.hodnoty.end() ? 5 : it->second.second.size();
    return n <= 4 && (*ciel = 0, std::memcpy(ciel, it->second.second.data(), n)); // little-endian
}
int registry_ReadBYTE(HKEY kluc, const char* meno, DWORD* ciel) {
    return registry_ReadDWORD(kluc, meno, ciel);
}
int registry_CloseKey(HKEY) {
    return --g_register.otvoreny, !g_register.zatvorenie_zlyha;
}
