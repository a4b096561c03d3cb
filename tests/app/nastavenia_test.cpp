// Loading and saving the settings and the window placement, over the in-memory registry.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "app/register.h"
#include "falosny_register.h"
#include "search/hladanie.h"
#include "stav_testov.h"

namespace {

const DWORD kStred1920 = 848u | (411u << 16);
const std::vector<std::string> kMena = {"WindowPos",  "WindowSize",     "WindowShow",
                                        "StupneSedi", "VelkostObjektu", "percento_vyplne",
                                        "Volba",      "InfoKurzor",     "Spajanie"};

// The loaded values, in the order they are saved.
std::array<DWORD, 9> Hodnoty() {
    return {g_dwWindowPos,   g_dwWindowSize, g_dwWindowShow,     stupne_sedi, VelkostObjektu,
            percento_vyplne, volba,          sledovanie_kurzora, spajanie};
}

class Nastavenia : public ::testing::Test {
  protected:
    void SetUp() override {
        ObnovStav();
        VynulujRegister();
        NastavVelkostDesktopu(1920, 1080);
        NastavMonitory(nullptr, nullptr, 0);
    }
    void TearDown() override { EXPECT_EQ(g_register.otvoreny, 0) << "key left open"; }

    // Settings out of the rows' ranges load as they are.
    static void UlozVsetko() {
        const DWORD hodnoty[] = {100u | (200u << 16), 224u | (242u << 16), 1, 200, 60, 0, 4};
        for (int i = 0; i < 7; ++i)
            UlozDword(kMena[i], hodnoty[i]);
        UlozData("InfoKurzor", kRegBinary, {1});
        UlozDword("Spajanie", 8);
    }
    static DWORD Precitaj(const char* meno) {
        DWORD hodnota = 0xDEADBEEF;
        registry_ReadDWORD(nullptr, meno, &hodnota);
        return hodnota;
    }
};

TEST_F(Nastavenia, PackingCutsEachHalfTo16Bits) {
    EXPECT_EQ(ZbalSlova(-1, 2), 0xFFFFu | (2u << 16));
    EXPECT_EQ(ZbalSlova(0x12345, 0x10001), 0x2345u | (1u << 16));
    EXPECT_EQ(StredovaPoloha(1920, 1080), kStred1920);
    // Signed division truncating toward zero: a screen smaller than the window centres
    // "negatively".
    EXPECT_EQ(StredovaPoloha(100, 100), ZbalSlova(50 - 112, 50 - 129));
}

TEST_F(Nastavenia, FirstRunCentresAndWritesNothing) {
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(g_register.cesta, "Software\\Zornavit");
    EXPECT_TRUE(g_register.existuje);
    EXPECT_TRUE(g_register.hodnoty.empty());
    EXPECT_EQ(Hodnoty(),
              (std::array<DWORD, 9>{kStred1920, 224u | (259u << 16), 1, 0, 20, 70, 1, 0, 0}));
}

TEST_F(Nastavenia, LoadsEveryValue) {
    UlozVsetko();
    sledovanie_kurzora = 0xFFFFFF00u; // a one-byte value clears the upper bytes
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(Hodnoty(), (std::array<DWORD, 9>{100u | (200u << 16), 224u | (242u << 16), 1, 200, 60,
                                               0, 4, 1, 8}));
}

TEST_F(Nastavenia, UnreadableValuesKeepTheirVariablesAndTheRestLoads) {
    UlozVsetko();
    g_register.hodnoty.erase("WindowPos"); // an old key is no first run: nothing is centred
    g_register.hodnoty.erase("StupneSedi");
    UlozData("VelkostObjektu", kRegBinary, {1, 2, 3, 4, 5}); // longer than 4 bytes
    UlozData("percento_vyplne", kRegSz, {'5', '0', 0});      // any type of up to 4 bytes
    UlozDword("InfoKurzor", 1);                              // a DWORD where a byte belongs
    UlozDword("Spajanie", 5);                                // an unknown grouping: by rows
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(Hodnoty(), (std::array<DWORD, 9>{0, 224u | (242u << 16), 1, 0, 20, 0x3035, 4, 1, 0}));
}

TEST_F(Nastavenia, FailuresAreReportedAndTheRestGoesOn) {
    UlozVsetko();
    g_register.otvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(Hodnoty(), (std::array<DWORD, 9>{0, 0, 0, 0, 20, 70, 1, 0, 0}));
    EXPECT_EQ(ZapisNastavenia(RECT{10, 20, 234, 262}, 1), 0);
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(10, 20)); // the placement is taken all the same
    EXPECT_TRUE(g_register.poradie_zapisu.empty());

    g_register.otvorenie_zlyha = false;
    g_register.zatvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(VelkostObjektu, 60u);
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);

    // A failed write still writes the rest.
    VynulujRegister();
    g_register.zapis_zlyha.insert("WindowShow");
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(g_register.poradie_zapisu, kMena);
    EXPECT_EQ(g_register.hodnoty.count("WindowShow"), 0u);
    EXPECT_EQ(g_register.hodnoty.count("InfoKurzor"), 1u);
}

TEST_F(Nastavenia, PositionOffTheShrunkDesktopOpensCentred) {
    UlozVsetko();
    // Saved on a wider screen, a taller one, and partly visible (stays).
    const std::array<DWORD, 2> cases[] = {{ZbalSlova(2500, 100), kStred1920},
                                          {ZbalSlova(100, 1080), kStred1920},
                                          {ZbalSlova(1919, 1079), ZbalSlova(1919, 1079)}};
    for (const auto& [ulozena, nacitana] : cases) {
        UlozDword("WindowPos", ulozena);
        ReadRegistry();
        EXPECT_EQ(g_dwWindowPos, nacitana) << ulozena;
    }
}

TEST_F(Nastavenia, SavesEveryValueInOrderWithItsType) {
    stupne_sedi = 3;
    VelkostObjektu = 1100;
    percento_vyplne = 55;
    volba = 2;
    sledovanie_kurzora = 0x101; // only the low byte is stored
    spajanie = 4;
    EXPECT_EQ(ZapisNastavenia(RECT{300, 400, 524, 642}, 1), 1);
    EXPECT_EQ(g_register.poradie_zapisu, kMena);
    const DWORD cakane[] = {ZbalSlova(300, 400), ZbalSlova(224, 242), 1, 3, 1100, 55, 2, 1, 4};
    for (size_t i = 0; i < kMena.size(); ++i) {
        const HodnotaRegistra& h = g_register.hodnoty[kMena[i]];
        EXPECT_EQ(h.typ, i == 7 ? kRegBinary : kRegDword) << kMena[i];
        EXPECT_EQ(h.data.size(), i == 7 ? 1u : 4u) << kMena[i];
        EXPECT_EQ(Precitaj(kMena[i].c_str()), cakane[i]) << kMena[i];
    }
}

TEST_F(Nastavenia, ClosingPlacementIsPulledOntoTheDesktopKeepingItsSize) {
    // Past the left edge, past the right, on a monitor above and to the left, below the bottom.
    // Larger than the desktop both ways: left and top first pull it to 0, then bottom and right
    // push it back out by the excess.
    const std::pair<RECT, POINT> cases[] = {{{-30, 100, 194, 342}, {0, 100}},
                                            {{1800, 100, 2024, 342}, {1920 - 224, 100}},
                                            {{-1500, -300, -1276, -58}, {0, 0}},
                                            {{500, 1000, 724, 1242}, {500, 1080 - 242}},
                                            {{-10, -10, 3000, 2000}, {1920 - 3010, 1080 - 2010}}};
    for (const auto& [okno, poloha] : cases) {
        ZapisNastavenia(okno, 1);
        EXPECT_EQ(g_dwWindowPos, ZbalSlova(poloha.x, poloha.y)) << okno.left;
        EXPECT_EQ(g_dwWindowSize, ZbalSlova(okno.right - okno.left, okno.bottom - okno.top));
    }
}

TEST_F(Nastavenia, MinimisedCloseKeepsTheLoadedPlacement) {
    UlozVsetko();
    ReadRegistry();
    EXPECT_EQ(ZapisNastavenia(RECT{-32000, -32000, -31840, -31969}, 2), 1);
    EXPECT_EQ(Precitaj("WindowShow"), 2u);
    EXPECT_EQ(Precitaj("WindowPos"), 100u | (200u << 16));
    EXPECT_EQ(Precitaj("WindowSize"), 224u | (242u << 16));
}

TEST_F(Nastavenia, PlacementOverTwoMonitorsRoundTrips) {
    // A 1280 x 1024 monitor left of the primary, whose work area ends at a taskbar at y 1040.
    const RECT plochy[] = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    const RECT pracovne[] = {{0, 0, 1920, 1040}, plochy[1]};
    NastavMonitory(plochy, pracovne, 2);
    UlozVsetko();
    // Closed at a rectangle (an empty one: saved by another layout), saved, then opened.
    const std::tuple<RECT, DWORD, POINT> cases[] = {
        {{-1000, 100, -776, 342}, 0x0064FC18u, {-1000, 100}},
        {{-1300, -20, -1076, 222}, ZbalSlova(-1280, 0), {-1280, 0}},
        {{-150, 100, 74, 342}, ZbalSlova(-224, 100), {-224, 100}}, // mostly on the left monitor
        {{500, 1000, 724, 1242}, ZbalSlova(500, 798), {500, 798}},
        {{}, ZbalSlova(-600, 1030), {848, 411}}, // under the left monitor, on none
        {{}, ZbalSlova(-1504, 100), {848, 411}},
        {{}, ZbalSlova(-1503, -258), {-1503, -258}}}; // one pixel on the left monitor
    for (const auto& [zatvorene, ulozene, otvorene] : cases) {
        if (zatvorene.right > zatvorene.left)
            ZapisNastavenia(zatvorene, 1);
        else
            UlozDword("WindowPos", ulozene);
        EXPECT_EQ(Precitaj("WindowPos"), ulozene) << zatvorene.left;
        ReadRegistry();
        int x = 0, y = 0;
        RozbalSlova(g_dwWindowPos, &x, &y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(otvorene.x, otvorene.y)) << ulozene;
    }
}

} // namespace
