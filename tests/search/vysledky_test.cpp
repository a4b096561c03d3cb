// The program's results grown with what is found, the memory a search takes, the centre file
// written whole or not at all, and how the status box reports the failures.
#include "app/klavesy.h"
#include "app/stav.h"
#include "obraz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

TEST(Vysledky, GrowWithWhatIsFound) {
    // 1200 objects of 2 x 2 along the top of a wide table: more than the results start with, far
    // fewer than the table's pixels.
    Image im = Blank(1200, 300);
    for (int x = 0; x < 1200; x += 4)
        for (int y : {0, 4, 8, 12})
            Fill(im, x, y, x + 1, y + 1);
    std::vector<POINT> s(1300);
    std::vector<RECT> b(1300);
    const int cakane =
        HladajObjekty(im.px.data(), 1200, 1200, 300, kNoWindow, 2, 1, 0, s.data(), b.data(), 1300);
    ASSERT_EQ(cakane, 1200);
    ASSERT_EQ(HladajDoVysledkov(im.px.data(), 1200, 300, kNoWindow, 2, 1, 0), cakane);
    EXPECT_GE(poloziek_dskt_point_pola, cakane);
    EXPECT_LE(poloziek_dskt_rect_pola, 8 * cakane);
    EXPECT_EQ(centers[cakane - 1].x, s[cakane - 1].x);
    EXPECT_EQ(objekty[cakane - 1].bottom, b[cakane - 1].bottom);
}

TEST(Vysledky, ThirtyTwoBitReservationsStayWellInside2GB) {
    // 8K, and three 4K monitors side by side; "najviac" is a screen of nothing but the smallest
    // objects the search can find.
    for (auto [w, h] : {std::pair{7680, 4320}, std::pair{11520, 2160}}) {
        long long vopred = 0;
        long long najviac = 0;
        PamatHladania(w, h, &vopred, &najviac);
        EXPECT_GE(vopred, 4LL * w * h) << w;
        EXPECT_LT(vopred, 160LL << 20) << w;
        EXPECT_LT(najviac, 640LL << 20) << w;
    }
}

std::string Obsah(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

TEST(CentreFile, WholeOrNotAtAll) {
    const fs::path koren = fs::path(testing::TempDir()) / "stredy_cely";
    fs::remove_all(koren);
    const POINT body[] = {{24, 34}, {-1, 7}};
    // The folder, what stands at Stredy.txt before (a file, or a directory no file can replace),
    // and whether the write succeeds.
    struct Pripad {
        const char* priecinok;
        bool adresar;
        int vysledok;
    } pripady[] = {{"ok", false, 1}, {"missing/folder", false, 0}, {"held", true, 0}};
    for (const Pripad& p : pripady) {
        const fs::path priecinok = koren / p.priecinok;
        const fs::path subor = priecinok / "Stredy.txt";
        if (p.vysledok == 1 || p.adresar)
            fs::create_directories(p.adresar ? subor / "x" : priecinok);
        if (p.vysledok == 1)
            std::ofstream(subor) << "old";
        EXPECT_EQ(PointPoleDoTxtCely(subor.string().c_str(), body, 2), p.vysledok) << p.priecinok;
        EXPECT_FALSE(fs::exists(subor.string() + ".tmp")) << p.priecinok;
        EXPECT_EQ(Obsah(subor), p.vysledok == 1 ? "24,34\r\n-1,7\r\n" : "") << p.priecinok;
        EXPECT_EQ(fs::is_directory(subor / "x"), p.adresar) << p.priecinok;
    }
    fs::remove_all(koren);
}

TEST(CentreFile, FailuresShowInTheStatusBox) {
    // Objects found, then the file: the status, the count and whether TAB jumps.
    struct Pripad {
        int pocet;
        bool zapisane;
        int status;
        int objektov;
        int skok;
    } pripady[] = {
        {3, true, 2, 3, 1}, {3, false, 4, 3, 1}, {-1, true, 5, 0, 0}, {-1, false, 5, 0, 0}};
    for (const Pripad& p : pripady) {
        cislo_objektu = 0;
        ZaciatokHladania();
        VysledokHladania(p.pocet);
        if (!p.zapisane)
            StredyNezapisane();
        POINT ciel;
        EXPECT_EQ(std::vector<int>({status, PocetObjektov, SkokTAB(&ciel)}),
                  std::vector<int>({p.status, p.objektov, p.skok}))
            << p.pocet << " " << p.zapisane;
    }
}

} // namespace
