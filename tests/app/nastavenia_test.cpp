// Loading and saving the settings and the window placement, over an in-memory registry.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/register.h"
#include "search/hladanie.h"
#include "stav_testov.h"

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
struct Riadok {
    const char* meno;
    DWORD typ;
    DWORD* premenna;
    DWORD ulozena, prvy_beh;
};
// clang-format off
const Riadok kRiadky[] = {
    {"WindowPos", kRegDword, &g_dwWindowPos, 100u | (200u << 16), kStred1920},
    {"WindowSize", kRegDword, &g_dwWindowSize, 224u | (242u << 16), 224u | (259u << 16)},
    {"WindowShow", kRegDword, &g_dwWindowShow, 1, 1}, {"StupneSedi", kRegDword, &stupne_sedi, 200, 0},
    {"VelkostObjektu", kRegDword, &VelkostObjektu, 60, 20}, {"percento_vyplne", kRegDword, &percento_vyplne, 0, 70},
    {"Volba", kRegDword, &volba, 4, 1}, {"InfoKurzor", kRegBinary, &sledovanie_kurzora, 1, 0},
    {"Spajanie", kRegDword, &spajanie, 8, 0}, {"UkazatObjekty", kRegDword, &ukazat_objekty, 0, 1},
};
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
        ObnovStav();
        g_register = Register();
        NastavVelkostDesktopu(1920, 1080);
        NastavMonitory(nullptr, nullptr, 0);
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
    g_register = Register();
    sledovanie_kurzora = 0x101;
    EXPECT_EQ(ZapisNastavenia(RECT{100, 200, 324, 442}, 1), 1);
    EXPECT_EQ(g_register.poradie_zapisu, mena_);
    EXPECT_EQ(g_register.hodnoty, ulozene_);
    // Closed minimised: "WindowShow" 2 and the placement as loaded.
    ReadRegistry();
    EXPECT_EQ(ZapisNastavenia(RECT{-32000, -32000, -31840, -31969}, 2), 1);
    ulozene_["WindowShow"] = Hodnota(kRegDword, 2);
    EXPECT_EQ(g_register.hodnoty, ulozene_);
}

TEST_F(Nastavenia, FailuresAreReportedAndTheRestGoesOn) { // unreadable values keep their variables
    UlozVsetko();
    g_register.hodnoty.erase("WindowPos"); // an old key is no first run: nothing is centred
    g_register.hodnoty.erase("StupneSedi");
    g_register.hodnoty["VelkostObjektu"] = {kRegBinary, "12345"};    // longer than 4 bytes
    g_register.hodnoty["percento_vyplne"] = {kRegSz, {'5', '0', 0}}; // any type, 4 bytes or less
    g_register.hodnoty["InfoKurzor"] = Hodnota(kRegDword, 1);        // a DWORD where a byte belongs
    g_register.hodnoty["Spajanie"] = Hodnota(kRegDword, 5);          // an unknown grouping: by rows
    g_register.hodnoty.erase("UkazatObjekty");                       // absent: outlines on
    EXPECT_EQ(ReadRegistry(), 0);
    std::vector<DWORD> cakane = Premenne(&Riadok::ulozena);
    cakane[0] = cakane[3] = cakane[8] = 0, cakane[4] = 20, cakane[5] = 0x3035;
    cakane[7] = cakane[9] = 1;
    EXPECT_EQ(Premenne(), cakane);
    for (const Riadok& r : kRiadky) { // each value's own failure is reported
        UlozVsetko();
        g_register.hodnoty.erase(r.meno);
        EXPECT_EQ(ReadRegistry(), 0) << r.meno;
    }
    // A key that cannot be opened or closed, a value that cannot be written: reported, the rest
    // goes on.
    g_register.otvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry() + ZapisNastavenia(RECT{10, 20, 234, 262}, 1), 0);
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(10, 20)); // the placement is taken all the same
    EXPECT_TRUE(g_register.poradie_zapisu.empty());
    g_register.otvorenie_zlyha = false, g_register.zatvorenie_zlyha = true;
    UlozVsetko();
    EXPECT_EQ(ReadRegistry() + ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(VelkostObjektu, 60u);
    g_register = Register();
    g_register.zapis_zlyha = "WindowShow";
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(g_register.poradie_zapisu, mena_);
    EXPECT_EQ(g_register.hodnoty.count("WindowShow") + g_register.hodnoty.count("InfoKurzor"), 1u);
}

// Closed at a rectangle (an empty one: saved by another layout), saved, then opened: on the
// 1920 x 1080 primary alone, or with a 1280 x 1024 monitor on its left and a taskbar at y 1040.
TEST_F(Nastavenia, PlacementRoundTrips) {
    // Signed division truncating toward zero: a screen smaller than the window centres
    // "negatively".
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
        {1, {-30, 100, 194, 342}, ZbalSlova(0, 100), {0, 100}}, {1, {1697, 100, 1921, 342}, ZbalSlova(1696, 100), {1696, 100}},
        {1, {-1500, -300, -1276, -58}, 0, {0, 0}}, {1, {500, 1000, 724, 1242}, ZbalSlova(500, 838), {500, 838}},
        {1, {-10, -10, 3000, 2000}, ZbalSlova(1920 - 3010, 1080 - 2010), c},
        // Saved on a wider screen or a taller one opens centred; partly visible stays; the halves
        // unpack signed.
        {1, {}, ZbalSlova(1920, 1079), c}, {1, {}, ZbalSlova(-272, 1079), c}, {1, {}, ZbalSlova(100, 1080), c},
        {1, {}, ZbalSlova(1919, 1079), {1919, 1079}}, {1, {}, ZbalSlova(-16, 1079), {-16, 1079}},
        {2, {-1000, 100, -776, 342}, 0x0064FC18u, {-1000, 100}}, {2, {-1300, -20, -1076, 222}, ZbalSlova(-1280, 0), {-1280, 0}},
        {2, {-150, 100, 74, 342}, ZbalSlova(-224, 100), {-224, 100}}, // mostly on the left monitor
        {2, {500, 1000, 724, 1242}, ZbalSlova(500, 798), {500, 798}},
        {2, {}, ZbalSlova(-600, 1030), c}, {2, {}, ZbalSlova(-1504, 100), c}, // on no monitor
        {2, {}, ZbalSlova(-1503, -258), {-1503, -258}}}; // one pixel on the left monitor
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

// The registry wrappers over the in-memory key; the reads as RegQueryValueExA with a 4-byte
// buffer: missing or longer data fails, any type is read.
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
