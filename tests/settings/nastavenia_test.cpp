// The settings and the window's placement saved in the registry (a key in memory) and loaded.
#include "base/stav.h"
#include "search/desktop.h"
#include "settings/nastavenia.h"
#include "windows/ulozenie.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

const DWORD kRegSz = 1, kRegBinary = 3, kRegDword = 4;
using Data = std::pair<DWORD, std::string>; // type, bytes

// The one key the program uses, answering as the Win32 calls do, or failing where told.
struct Register {
    bool existuje = false, otvorenie_zlyha = false, zatvorenie_zlyha = false;
    std::string zapis_zlyha; // the value that cannot be written or deleted
    std::string cesta;
    std::map<std::string, Data> hodnoty;
    std::vector<std::string> poradie_zapisu;
    int otvoreny = 0; // open handles not yet closed
} g_register;

Data Hodnota(DWORD typ, DWORD h) {
    return {typ, std::string(reinterpret_cast<const char*>(&h), typ == kRegBinary ? 1 : 4)};
}

// One row per registry value, in the order they are saved: its variable, its type, a value to
// save and load (settings out of the rows' ranges load as they are), what the first run leaves.
const DWORD kStred1920 = 848u | (411u << 16);
// clang-format off
struct Riadok { const char* meno; DWORD typ; DWORD* premenna; DWORD ulozena, prvy_beh; };
const Riadok kRiadky[] = {
    {"WindowPos", kRegDword, &g_dwWindowPos, 100u | (200u << 16), kStred1920},
    {"WindowSize", kRegDword, &g_dwWindowSize, 224u | (242u << 16), 224u | (259u << 16)},
    {"WindowShow", kRegDword, &g_dwWindowShow, 1, 1},
    {"StupneSedi", kRegDword, &stupne_sedi, 200, 0},
    {"VelkostObjektu", kRegDword, &VelkostObjektu, 60, 20},
    {"percento_vyplne", kRegDword, &percento_vyplne, 0, 70},
    {"Volba", kRegDword, &volba, 4, 1},
    {"InfoKurzor", kRegBinary, &sledovanie_kurzora, 1, 0},
    {"Spajanie", kRegDword, &spajanie, 8, 0},
    {"UkazatObjekty", kRegDword, &ukazat_objekty, 0, 1},
    {"Skratky", kRegDword, &skratky, 0, 1},
    {"Odchylka", kRegDword, &odchylka, 12, 0}};
// clang-format on

// A new key and the settings at their first-run values on a 1920 x 1080 desktop of one monitor.
class Nastavenia : public testing::Test {
  protected:
    void SetUp() override {
        for (const Riadok& r : kRiadky)
            *r.premenna = r.prvy_beh;
        cielova_farba = kBezFarby;
        g_dwWindowPos = g_dwWindowSize = g_dwWindowShow = 0;
        NastavVelkostDesktopu(1920, 1080);
        NastavMonitory(nullptr, nullptr, 0);
        g_register = Register();
    }
    void TearDown() override { EXPECT_EQ(g_register.otvoreny, 0) << "key left open"; }
    static void UlozVsetko() {
        for (const Riadok& r : kRiadky)
            g_register.hodnoty[r.meno] = Hodnota(r.typ, r.ulozena);
        g_register.existuje = true;
    }
    // Every row's variable holds the value of the row's column, or the one given instead.
    static void OcakavajPremenne(DWORD Riadok::*stlpec, std::map<std::string, DWORD> inak = {}) {
        for (const Riadok& r : kRiadky)
            EXPECT_EQ(*r.premenna, inak.count(r.meno) ? inak[r.meno] : r.*stlpec) << r.meno;
    }
    static std::vector<std::string> Mena() {
        std::vector<std::string> mena;
        for (const Riadok& r : kRiadky)
            mena.push_back(r.meno);
        return mena;
    }
};

} // namespace

TEST_F(Nastavenia, TheFirstRunCreatesTheKeyCentresTheWindowAndWritesNothing) {
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(g_register.cesta, "Software\\Zornavit");
    EXPECT_TRUE(g_register.existuje);
    EXPECT_EQ(g_register.hodnoty.size(), 0u);
    OcakavajPremenne(&Riadok::prvy_beh);
}

TEST_F(Nastavenia, EverySavedValueLoads) {
    UlozVsetko();
    sledovanie_kurzora = 0xFFFFFF00u; // a one-byte value clears the upper bytes
    EXPECT_EQ(ReadRegistry(), 1);
    OcakavajPremenne(&Riadok::ulozena);
}

// Only the low byte of the cursor switch.
TEST_F(Nastavenia, EveryValueIsSavedOnceInOrderWithItsType) {
    for (const Riadok& r : kRiadky)
        *r.premenna = r.ulozena;
    sledovanie_kurzora = 0x101;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.poradie_zapisu, Mena());
    for (const Riadok& r : kRiadky)
        EXPECT_EQ(g_register.hodnoty[r.meno], Hodnota(r.typ, r.ulozena)) << r.meno;
}

TEST_F(Nastavenia, AMinimisedWindowSavesItsShowStateAndThePlacementAsLoaded) {
    UlozVsetko();
    ReadRegistry();
    EXPECT_EQ(ZapisNastavenia(RECT{-32000, -32000, -31840, -31969}, 2), 1);
    for (const Riadok& r : kRiadky) {
        const DWORD cakana = std::string(r.meno) == "WindowShow" ? 2 : r.ulozena;
        EXPECT_EQ(g_register.hodnoty[r.meno], Hodnota(r.typ, cakana)) << r.meno;
    }
}

// An old key is no first run: a missing placement is not centred; missing, the outlines and the
// chords are on.
TEST_F(Nastavenia, ValuesThatCannotBeReadKeepTheirVariables) {
    UlozVsetko();
    for (const char* meno : {"WindowPos", "StupneSedi", "UkazatObjekty", "Skratky"})
        g_register.hodnoty.erase(meno);
    g_register.hodnoty["VelkostObjektu"] = {kRegBinary, "12345"};    // longer than 4 bytes
    g_register.hodnoty["percento_vyplne"] = {kRegSz, {'5', '0', 0}}; // any type, 4 bytes or less
    g_register.hodnoty["InfoKurzor"] = Hodnota(kRegDword, 1);        // a DWORD where a byte belongs
    g_register.hodnoty["Spajanie"] = Hodnota(kRegDword, 5);          // an unknown grouping: by rows
    EXPECT_EQ(ReadRegistry(), 0);
    // clang-format off
    OcakavajPremenne(&Riadok::ulozena, {{"WindowPos", 0}, {"StupneSedi", 0}, {"UkazatObjekty", 1}, {"Skratky", 1},
                                        {"VelkostObjektu", 20}, {"percento_vyplne", 0x3035}, {"Spajanie", 0}});
    // clang-format on
}

TEST_F(Nastavenia, EachValueThatCannotBeReadIsReported) {
    for (const Riadok& r : kRiadky) {
        UlozVsetko();
        g_register.hodnoty.erase(r.meno);
        EXPECT_EQ(ReadRegistry(), 0) << r.meno;
    }
}

TEST_F(Nastavenia, AKeyThatCannotBeOpenedIsReportedAndThePlacementTakenAllTheSame) {
    g_register.otvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(ZapisNastavenia(RECT{10, 20, 234, 262}, 1), 0);
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(10, 20));
    EXPECT_EQ(g_register.poradie_zapisu.size(), 0u);
}

TEST_F(Nastavenia, AKeyThatCannotBeClosedIsReportedAndItsValuesUsed) {
    UlozVsetko();
    g_register.zatvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(VelkostObjektu, 60u);
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(g_register.poradie_zapisu, Mena());
}

TEST_F(Nastavenia, AValueThatCannotBeWrittenIsReportedAndTheRestWritten) {
    g_register.zapis_zlyha = "WindowShow";
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(g_register.poradie_zapisu, Mena());
    EXPECT_EQ(g_register.hodnoty.count("WindowShow"), 0u);
    EXPECT_EQ(g_register.hodnoty.count("InfoKurzor"), 1u);
}

// "Farba" follows the rest only while objects are of a colour, and goes when they are greys again.
TEST_F(Nastavenia, TheColourIsSavedOnlyWhileOneIsSearched) {
    cielova_farba = 0x336699;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.poradie_zapisu.back(), "Farba");
    EXPECT_EQ(g_register.hodnoty["Farba"], Hodnota(kRegDword, 0x336699));
    cielova_farba = kBezFarby;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.hodnoty.count("Farba"), 0u);
    EXPECT_EQ(ReadRegistry(), 1) << "no colour is no fault";
    EXPECT_EQ(cielova_farba, kBezFarby);
    g_register.zapis_zlyha = "Farba";
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 0) << "a colour that cannot be deleted";
}

// Loaded by the window and by the batch search alike: a colour with a top byte is none, a tolerance
// past 64 is 64.
TEST_F(Nastavenia, ALoadedColourAndToleranceAreKeptInRange) {
    const struct {
        DWORD farba, odchylka, cakana_farba, cakana_odchylka;
    } hodnoty[] = {{0x00C0FFEE, 64, 0x00C0FFEE, 64},
                   {0x01C0FFEE, 65, kBezFarby, 64},
                   {0x00000000, 0xFFFFFFFF, 0, 64}};
    for (const auto& h : hodnoty) {
        SCOPED_TRACE(testing::Message() << "Farba " << h.farba << ", Odchylka " << h.odchylka);
        UlozVsetko();
        g_register.hodnoty["Farba"] = Hodnota(kRegDword, h.farba);
        g_register.hodnoty["Odchylka"] = Hodnota(kRegDword, h.odchylka);
        EXPECT_EQ(ReadRegistry(), 1);
        EXPECT_EQ(cielova_farba, h.cakana_farba);
        EXPECT_EQ(odchylka, h.cakana_odchylka);
        NastaveniaHladania n = {};
        EXPECT_EQ(CitajNastaveniaHladania(&n), 1);
        EXPECT_EQ(n.farba, h.cakana_farba);
        EXPECT_EQ(n.odchylka, h.cakana_odchylka);
    }
}

// Halves cut to 16 bits; a screen smaller than the window centres it partly off.
TEST_F(Nastavenia, PlacementsArePackedIntoOneWord) {
    EXPECT_EQ(ZbalSlova(-1, 2), 0x2FFFFu);
    EXPECT_EQ(StredovaPoloha(101, 101), ZbalSlova(50 - 224 / 2, 50 - 259 / 2));
}

// Closed at a rectangle and saved (or saved by another layout: no rectangle), then opened: on the
// 1920 x 1080 primary alone, or with a 1280 x 1024 monitor on its left and a taskbar at y 1040.
TEST_F(Nastavenia, ThePlacementRoundTrips) {
    const RECT plochy[] = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    const RECT pracovne[] = {{0, 0, 1920, 1040}, plochy[1]};
    const POINT c = {848, 411};
    // clang-format off
    const struct { const char* co; int monitory; RECT zatvorene; DWORD ulozene; POINT otvorene; } cesty[] = {
        {"a pixel past the right", 1, {1697, 100, 1921, 342}, ZbalSlova(1696, 100), {1696, 100}},
        {"under the taskbar", 2, {500, 1000, 724, 1242}, ZbalSlova(500, 798), {500, 798}},
        {"larger than the area: left and top first, then the excess out", 1, {-10, -10, 3000, 2000},
         ZbalSlova(1920 - 3010, 1080 - 2010), c},
        {"saved on a wider screen", 1, {}, ZbalSlova(1920, 1079), c},
        {"saved on a taller screen", 1, {}, ZbalSlova(100, 1080), c},
        {"partly visible", 1, {}, ZbalSlova(1919, 1079), {1919, 1079}},
        {"one pixel on the left monitor", 2, {}, ZbalSlova(-1503, -258), {-1503, -258}},
        {"pulled onto the left monitor", 2, {-1300, -20, -1076, 222}, ZbalSlova(-1280, 0), {-1280, 0}},
        {"mostly on the left monitor", 2, {-150, 100, 74, 342}, ZbalSlova(-224, 100), {-224, 100}},
        {"under the left monitor", 2, {}, ZbalSlova(-600, 1030), c},
        {"a pixel short of the left monitor", 2, {}, ZbalSlova(-1504, 100), c}};
    // clang-format on
    g_register.existuje = true;
    for (const auto& p : cesty) {
        SCOPED_TRACE(p.co);
        NastavMonitory(plochy, p.monitory == 1 ? plochy : pracovne, p.monitory);
        const RECT& z = p.zatvorene;
        if (z.right > z.left) {
            ZapisNastavenia(z, 1);
            EXPECT_EQ(g_dwWindowSize, ZbalSlova(z.right - z.left, z.bottom - z.top));
            EXPECT_EQ(g_register.hodnoty["WindowPos"], Hodnota(kRegDword, p.ulozene));
        } else {
            g_register.hodnoty["WindowPos"] = Hodnota(kRegDword, p.ulozene);
        }
        ReadRegistry();
        int x = 0, y = 0;
        RozbalSlova(g_dwWindowPos, &x, &y);
        EXPECT_EQ(x, p.otvorene.x);
        EXPECT_EQ(y, p.otvorene.y);
    }
}

// A window that grew, with a 1280 x 1024 monitor left of the primary and a taskbar at y 1040: moved
// up and left onto the work area of the monitor it lies mostly on, but never above or left of the
// area or of where it is; unchanged with no monitor known.
TEST_F(Nastavenia, AGrownWindowIsKeptOnTheWorkArea) {
    const RECT plochy[] = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    const RECT pracovne[] = {{0, 0, 1920, 1040}, plochy[1]};
    // clang-format off
    const struct { const char* co; int monitory; RECT okno, cakane; } pripady[] = {
        {"past the taskbar", 2, {800, 900, 1024, 1159}, {800, 781, 1024, 1040}},
        {"past the right", 2, {1800, 100, 2136, 490}, {1584, 100, 1920, 490}},
        {"past the left monitor's left and bottom", 2, {-1300, 900, -1076, 1159}, {-1300, 765, -1076, 1024}},
        {"above the area, taller than the rest of it", 2, {500, -20, 724, 1200}, {500, -20, 724, 1200}},
        {"taller than the area", 2, {500, 300, 724, 1400}, {500, 0, 724, 1100}},
        {"no monitor known", 0, {800, 900, 1024, 1159}, {800, 900, 1024, 1159}}};
    // clang-format on
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.co);
        const RECT r = OknoNaPracovnejPloche(p.okno, plochy, pracovne, p.monitory);
        EXPECT_EQ(r.left, p.cakane.left);
        EXPECT_EQ(r.top, p.cakane.top);
        EXPECT_EQ(r.right, p.cakane.right);
        EXPECT_EQ(r.bottom, p.cakane.bottom);
    }
}

// The registry wrappers over the key in memory.
namespace {
int Zapis(const char* meno, DWORD typ, DWORD h) {
    g_register.poradie_zapisu.push_back(meno);
    if (g_register.zapis_zlyha == meno)
        return 0;
    g_register.hodnoty[meno] = Hodnota(typ, h);
    return 1;
}
} // namespace

HKEY registry_OpenKey(const char* cesta, int* vytvoreny) {
    if (g_register.otvorenie_zlyha)
        return nullptr;
    if (vytvoreny != nullptr)
        *vytvoreny = !g_register.existuje;
    g_register.cesta = cesta;
    g_register.existuje = true;
    g_register.otvoreny += 1;
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

// Any type of 4 bytes at most, little-endian into a zeroed target, as Win32's reads.
int registry_ReadDWORD(HKEY, const char* meno, DWORD* ciel) {
    const auto it = g_register.hodnoty.find(meno);
    if (it == g_register.hodnoty.end() || it->second.second.size() > 4)
        return 0;
    *ciel = 0;
    std::memcpy(ciel, it->second.second.data(), it->second.second.size());
    return 1;
}

int registry_DeleteValue(HKEY, const char* meno) {
    if (g_register.zapis_zlyha == meno)
        return 0;
    g_register.hodnoty.erase(meno);
    return 1;
}

int registry_ReadBYTE(HKEY kluc, const char* meno, DWORD* ciel) {
    return registry_ReadDWORD(kluc, meno, ciel);
}

int registry_CloseKey(HKEY) {
    g_register.otvoreny -= 1;
    return g_register.zatvorenie_zlyha ? 0 : 1;
}
