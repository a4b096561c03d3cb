// Loading and saving the settings and the window placement, over the in-memory registry.
#include <gtest/gtest.h>

#include "app/register.h"
#include "falosny_register.h"
#include "search/hladanie.h"
#include "stav_testov.h"

namespace {

const DWORD kStred1920 = 848u | (411u << 16);

class Nastavenia : public ::testing::Test {
  protected:
    void SetUp() override {
        ObnovStav();
        VynulujRegister();
        NastavVelkostDesktopu(1920, 1080);
    }
    void TearDown() override { EXPECT_EQ(g_register.otvoreny, 0) << "key left open"; }

    static void UlozVsetko() {
        UlozDword("WindowPos", 100u | (200u << 16));
        UlozDword("WindowSize", 224u | (242u << 16));
        UlozDword("WindowShow", 1);
        UlozDword("StupneSedi", 5);
        UlozDword("VelkostObjektu", 60);
        UlozDword("percento_vyplne", 45);
        UlozDword("Volba", 3);
        UlozData("InfoKurzor", kRegBinary, {1});
    }
    static DWORD Precitaj(const char* meno) {
        DWORD hodnota = 0xDEADBEEF;
        registry_ReadDWORD(nullptr, meno, &hodnota);
        return hodnota;
    }
};

TEST_F(Nastavenia, PackingCutsEachHalfTo16Bits) {
    EXPECT_EQ(ZbalSlova(848, 411), kStred1920);
    EXPECT_EQ(ZbalSlova(224, 259), 224u | (259u << 16));
    EXPECT_EQ(ZbalSlova(-1, 2), 0xFFFFu | (2u << 16));
    EXPECT_EQ(ZbalSlova(0x12345, 0x10001), 0x2345u | (1u << 16));
    EXPECT_EQ(StredovaPoloha(1920, 1080), kStred1920);
    EXPECT_EQ(StredovaPoloha(640, 480), ZbalSlova(320 - 112, 240 - 129));
    // Signed division truncating toward zero: a screen smaller than the window centres
    // "negatively".
    EXPECT_EQ(StredovaPoloha(100, 100), ZbalSlova(50 - 112, 50 - 129));
}

TEST_F(Nastavenia, FirstRunCentresAndWritesNothing) {
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_TRUE(g_register.existuje);
    EXPECT_EQ(g_register.cesta, "Software\\Zornavit");
    EXPECT_TRUE(g_register.hodnoty.empty());
    EXPECT_EQ(g_dwWindowPos, kStred1920);
    EXPECT_EQ(g_dwWindowSize, 224u | (259u << 16));
    EXPECT_EQ(g_dwWindowShow, 1u);
    EXPECT_EQ(stupne_sedi, 0u);
    EXPECT_EQ(VelkostObjektu, 20u);
    EXPECT_EQ(percento_vyplne, 70u);
    EXPECT_EQ(volba, 1u);
    EXPECT_EQ(sledovanie_kurzora, 0u);
}

TEST_F(Nastavenia, LoadsAllEightValues) {
    UlozVsetko();
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(g_dwWindowPos, 100u | (200u << 16));
    EXPECT_EQ(g_dwWindowSize, 224u | (242u << 16));
    EXPECT_EQ(g_dwWindowShow, 1u);
    EXPECT_EQ(stupne_sedi, 5u);
    EXPECT_EQ(VelkostObjektu, 60u);
    EXPECT_EQ(percento_vyplne, 45u);
    EXPECT_EQ(volba, 3u);
    EXPECT_EQ(sledovanie_kurzora, 1u);
}

TEST_F(Nastavenia, EmptyKeyKeepsEveryStartValue) {
    g_register.existuje = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(g_dwWindowPos, 0u);
    EXPECT_EQ(g_dwWindowShow, 0u);
    EXPECT_EQ(VelkostObjektu, 20u);
    EXPECT_EQ(percento_vyplne, 70u);
}

TEST_F(Nastavenia, UnreadableValuesKeepTheirVariablesAndTheRestLoads) {
    UlozVsetko();
    g_register.hodnoty.erase("StupneSedi");
    UlozData("VelkostObjektu", kRegBinary, {1, 2, 3, 4, 5}); // longer than 4 bytes
    UlozData("percento_vyplne", kRegSz, {'5', '0', 0});      // any type of up to 4 bytes
    UlozDword("InfoKurzor", 1);                              // a DWORD where a byte belongs
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(stupne_sedi, 0u);
    EXPECT_EQ(VelkostObjektu, 20u);
    EXPECT_EQ(percento_vyplne, 0x3035u);
    EXPECT_EQ(volba, 3u);
    EXPECT_EQ(sledovanie_kurzora, 1u);
}

TEST_F(Nastavenia, OneByteValueClearsTheUpperBytes) {
    UlozVsetko();
    sledovanie_kurzora = 0xFFFFFF00u;
    UlozData("InfoKurzor", kRegBinary, {0});
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(sledovanie_kurzora, 0u);
}

TEST_F(Nastavenia, OutOfRangeSettingsLoadAsTheyAre) {
    UlozVsetko();
    UlozDword("StupneSedi", 200);
    UlozDword("percento_vyplne", 0);
    UlozDword("Volba", 4);
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(stupne_sedi, 200u);
    EXPECT_EQ(percento_vyplne, 0u);
    EXPECT_EQ(volba, 4u);
}

TEST_F(Nastavenia, KeyThatCannotBeOpenedChangesNothing) {
    g_register.otvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(g_dwWindowPos, 0u);
    EXPECT_EQ(g_dwWindowSize, 0u);
    EXPECT_EQ(ZapisNastavenia(RECT{10, 20, 234, 262}, 1), 0);
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(10, 20)); // the placement is taken all the same
    EXPECT_TRUE(g_register.poradie_zapisu.empty());
}

TEST_F(Nastavenia, FailedCloseIsReported) {
    UlozVsetko();
    g_register.zatvorenie_zlyha = true;
    EXPECT_EQ(ReadRegistry(), 0);
    EXPECT_EQ(VelkostObjektu, 60u);
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
}

TEST_F(Nastavenia, PositionOffTheShrunkDesktopOpensCentred) {
    UlozVsetko();
    UlozDword("WindowPos", ZbalSlova(2500, 100)); // saved on a wider screen
    ReadRegistry();
    EXPECT_EQ(g_dwWindowPos, kStred1920);
    UlozDword("WindowPos", ZbalSlova(100, 1080));
    ReadRegistry();
    EXPECT_EQ(g_dwWindowPos, kStred1920);
    // Partly visible stays where it was.
    UlozDword("WindowPos", ZbalSlova(1919, 1079));
    ReadRegistry();
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(1919, 1079));
    EXPECT_EQ(MimoDesktopu(ZbalSlova(0, 0), 1920, 1080), 0);
    EXPECT_EQ(MimoDesktopu(ZbalSlova(1920, 0), 1920, 1080), 1);
}

TEST_F(Nastavenia, SavesAllEightValuesInOrderWithTheirTypes) {
    stupne_sedi = 3;
    VelkostObjektu = 1100;
    percento_vyplne = 55;
    volba = 2;
    sledovanie_kurzora = 0x101; // only the low byte is stored
    EXPECT_EQ(ZapisNastavenia(RECT{300, 400, 524, 642}, 1), 1);
    EXPECT_EQ(
        g_register.poradie_zapisu,
        (std::vector<std::string>{"WindowPos", "WindowSize", "WindowShow", "StupneSedi",
                                  "VelkostObjektu", "percento_vyplne", "Volba", "InfoKurzor"}));
    for (const auto& [meno, hodnota] : g_register.hodnoty) {
        if (meno == "InfoKurzor") {
            EXPECT_EQ(hodnota.typ, kRegBinary);
            EXPECT_EQ(hodnota.data, std::vector<BYTE>{1});
        } else {
            EXPECT_EQ(hodnota.typ, kRegDword) << meno;
            EXPECT_EQ(hodnota.data.size(), 4u) << meno;
        }
    }
    EXPECT_EQ(Precitaj("WindowPos"), ZbalSlova(300, 400));
    EXPECT_EQ(Precitaj("WindowSize"), ZbalSlova(224, 242));
    EXPECT_EQ(Precitaj("WindowShow"), 1u);
    EXPECT_EQ(Precitaj("StupneSedi"), 3u);
    EXPECT_EQ(Precitaj("VelkostObjektu"), 1100u);
    EXPECT_EQ(Precitaj("percento_vyplne"), 55u);
    EXPECT_EQ(Precitaj("Volba"), 2u);
}

TEST_F(Nastavenia, FailedWriteStillWritesTheRest) {
    g_register.zapis_zlyha.insert("WindowShow");
    EXPECT_EQ(ZapisNastavenia(RECT{0, 0, 224, 242}, 1), 0);
    EXPECT_EQ(g_register.poradie_zapisu.size(), 8u);
    EXPECT_EQ(g_register.hodnoty.count("WindowShow"), 0u);
    EXPECT_EQ(g_register.hodnoty.count("InfoKurzor"), 1u);
}

TEST_F(Nastavenia, ClosingPlacementIsPulledOntoTheDesktop) {
    ZapisNastavenia(RECT{-30, 100, 194, 342}, 1); // 30 past the left edge
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(0, 100));
    EXPECT_EQ(g_dwWindowSize, ZbalSlova(224, 242));
    ZapisNastavenia(RECT{1800, 100, 2024, 342}, 1); // past the right edge
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(1920 - 224, 100));
    ZapisNastavenia(RECT{-1500, -300, -1276, -58}, 1); // a monitor above and to the left
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(0, 0));
    ZapisNastavenia(RECT{500, 1000, 724, 1242}, 1); // below the bottom
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(500, 1080 - 242));
    EXPECT_EQ(g_dwWindowSize, ZbalSlova(224, 242));
}

TEST_F(Nastavenia, ClampingOrderIsLeftTopBottomRight) {
    RECT r{-10, -10, 3000, 2000}; // larger than the desktop both ways
    PritiahniNaDesktop(&r, 1920, 1080);
    // Left and top first pull it to 0, then bottom and right push it back out by the excess.
    EXPECT_EQ(r.left, 1920 - 3010);
    EXPECT_EQ(r.top, 1080 - 2010);
    EXPECT_EQ(r.right, 1920);
    EXPECT_EQ(r.bottom, 1080);
}

TEST_F(Nastavenia, MinimisedCloseKeepsTheLoadedPlacement) {
    UlozVsetko();
    ReadRegistry();
    EXPECT_EQ(ZapisNastavenia(RECT{-32000, -32000, -31840, -31969}, 2), 1);
    EXPECT_EQ(Precitaj("WindowShow"), 2u);
    EXPECT_EQ(Precitaj("WindowPos"), 100u | (200u << 16));
    EXPECT_EQ(Precitaj("WindowSize"), 224u | (242u << 16));
}

TEST_F(Nastavenia, SaveThenLoadRestoresTheSettings) {
    stupne_sedi = 7;
    VelkostObjektu = 1900;
    percento_vyplne = 100;
    volba = 4;
    sledovanie_kurzora = 1;
    ZapisNastavenia(RECT{12, 34, 236, 293}, 1);
    ObnovStav();
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(stupne_sedi, 7u);
    EXPECT_EQ(VelkostObjektu, 1900u);
    EXPECT_EQ(percento_vyplne, 100u);
    EXPECT_EQ(volba, 4u);
    EXPECT_EQ(sledovanie_kurzora, 1u);
    EXPECT_EQ(g_dwWindowPos, ZbalSlova(12, 34));
    EXPECT_EQ(g_dwWindowSize, ZbalSlova(224, 259));
}

} // namespace
