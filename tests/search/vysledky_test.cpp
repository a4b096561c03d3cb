// The results grown with what is found, the memory of a search, the centre file whole or not at
// all.
#include "app/klavesy.h"
#include "app/stav.h"
#include "obraz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(Vysledky, GrowWithWhatIsFoundAndReportFailures) {
    // 1200 objects of 2 x 2: more than the results start with, far fewer than the table's pixels.
    Image im = Blank(1200, 300);
    for (int x = 0; x < 4800; x += 4)
        for (int i : {0, 1, 1200, 1201})
            im.px[x / 1200 * 4 * 1200 + x % 1200 + i] = 0x404040;
    ASSERT_EQ(HladajDoVysledkov(im.px.data(), 1200, 1200, 300, kNoWindow, 2, 1, 0, 0), 1200);
    EXPECT_GE(poloziek_dskt_point_pola, 1200);
    EXPECT_LE(poloziek_dskt_rect_pola, 8 * 1200);
    EXPECT_EQ(centers[1199].x, 1196);
    EXPECT_EQ(objekty[1199].bottom, 13);
    // Found, whether the file was written: status, count, TAB.
    for (auto [pocet, zapisane, cakane] : {std::tuple{3, 0, 4}, {-1, 1, 5}, {-1, 0, 5}}) {
        VysledokHladania(pocet);
        if (!zapisane)
            StredyNezapisane();
        POINT ciel;
        EXPECT_EQ(std::vector<int>({status, PocetObjektov, SkokTAB(&ciel)}),
                  std::vector<int>({cakane, pocet > 0 ? pocet : 0, pocet > 0}));
    }
}

TEST(Vysledky, ThirtyTwoBitReservationsStayWellInside2GB) {
    // 8K and three 4K monitors, the touching modes' labels included; at most: a screen of nothing
    // but the smallest objects.
    for (auto [w, h] : {std::pair{7680, 4320}, std::pair{11520, 2160}}) {
        long long vopred = 0, najviac = 0;
        PamatHladania(w, h, &vopred, &najviac);
        EXPECT_TRUE(vopred >= 4LL * w * h && vopred < 640LL << 20 && najviac < 1LL << 30) << w;
    }
}

TEST(CentreFile, WholeOrNotAtAll) {
    // The file replaced, a missing folder, a directory in the file's place that nothing replaces.
    const fs::path koren = fs::path(testing::TempDir()) / "stredy_cely";
    const POINT body[] = {{24, 34}, {-1, 7}};
    for (auto [priecinok, vysledok, obsah] :
         {std::tuple{"ok", 1, "24,34\r\n-1,7\r\n"}, {"missing/folder", 0, ""}, {"held", 0, ""}}) {
        const fs::path subor = koren / priecinok / "Stredy.txt";
        fs::remove_all(koren);
        fs::create_directories(vysledok ? subor.parent_path() : koren / "held/Stredy.txt/x");
        std::ofstream(koren / "ok/Stredy.txt") << "old";
        EXPECT_EQ(PointPoleDoTxtCely(subor.string().c_str(), body, 2), vysledok) << priecinok;
        EXPECT_FALSE(fs::exists(subor.string() + ".tmp")) << priecinok;
        std::ifstream f(fs::is_regular_file(subor) ? subor : koren / "none", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), obsah) << priecinok;
        EXPECT_EQ(fs::exists(koren / "held/Stredy.txt/x"), !vysledok) << priecinok;
    }
    fs::remove_all(koren);
}

} // namespace
