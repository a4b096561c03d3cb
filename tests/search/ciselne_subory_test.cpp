// The number files byte for byte, failures reported by the writers, reading back; the result
// arrays.
#include "obraz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string Path() {
    return testing::TempDir() + "zornavit-" + std::to_string(getpid()) + "-" +
           testing::UnitTest::GetInstance()->current_test_info()->name();
}

TEST(NumberFiles, WritersLayOutTheirBytes) {
    std::vector<std::string> p;
    for (int i = 0; i < 8; i++)
        p.push_back(Path() + std::to_string(i));
    const POINT c[10] = {{24, 34}, {-1, 7}, {2, -2}, {3, -3}, {4, -4},
                         {5, -5},  {6, -6}, {7, -7}, {8, -8}, {9, -9}};
    const DWORD farby[8] = {0, 1, 2, 3, 4, 5, 6, 0x00FFFFFF};
    const int hodnoty[3] = {7, -2, 0};
    const std::pair<bool, std::string> pripady[] = {
        {PointPoleDoTxt(p[0].c_str(), c, 2) == 1, "24,34\r\n-1,7\r\n"},
        {PointPoleDoTxt(p[1].c_str(), c, 0) == 1, ""},
        {PointPoleCiselDoTXT(p[2].c_str(), "w", c, 10) == 1,
         "{24,34}, {-1,7}, {2,-2}, {3,-3}, {4,-4}, {5,-5}, {6,-6}, {7,-7}, {8,-8}, {9,-9}, \n\n"},
        {CislaFariebDoTXT(p[3].c_str(), "w", farby, 8) == 1,
         "0,  \n1,  2,  3,  4,  5,  6,  \n16777215,  \n"},
        {PoleCiselDoTXT(p[4].c_str(), "w", hodnoty, 3) == 1, "7, -2, 0, \n"},
        {CislaDoTXT(p[5].c_str(), "w", 42) && CislaDoTXT(p[5].c_str(), "a", -3) &&
             CislaDoTXT(p[5].c_str(), "a", 0),
         "42, 0, "},
        {CislaDoBIN(p[6].c_str(), "wb", 0x01020304) && CislaDoBIN(p[6].c_str(), "ab", -1),
         "\4\3\2\1"},
        {CislaFariebDoBIN(p[7].c_str(), "wb", farby + 6, 2) == 2,
         std::string("\6\0\0\0\xFF\xFF\xFF\0", 8)},
    };
    for (size_t i = 0; i < p.size(); i++) {
        EXPECT_TRUE(pripady[i].first) << i;
        EXPECT_EQ(ReadFile(p[i]), pripady[i].second);
    }
    DWORD spat[4] = {9, 9, 9, 9};
    EXPECT_EQ(CislaFariebZ_BIN(p[7].c_str(), spat, 4), 2);
    EXPECT_EQ(std::vector<DWORD>(spat, spat + 4), (std::vector<DWORD>{6, 0xFFFFFF, 9, 9}));
    EXPECT_EQ(CislaFariebZ_BIN(p[7].c_str(), spat, 1), 1);
    EXPECT_EQ(CislaFariebZ_BIN((p[7] + ".none").c_str(), spat, 4), 0);
    for (const std::string& s : p)
        std::remove(s.c_str());
}

TEST(NumberFiles, WritersReportFilesThatCannotBeWritten) {
    const POINT c[1] = {{1, 2}};
    const int v[2] = {1, 2};
    const DWORD f[2] = {1, 2};
    EXPECT_EQ(PointPoleDoTxt((Path() + ".d/Stredy.txt").c_str(), c, 1), 0);
    EXPECT_EQ(CislaDoTXT((Path() + ".d/x").c_str(), "w", 5), 0);
    // The device accepts the open but fails every write.
    EXPECT_EQ(PointPoleDoTxt("/dev/full", c, 1), 0);
    EXPECT_EQ(PoleCiselDoTXT("/dev/full", "w", v, 2), 0);
    EXPECT_EQ(CislaFariebDoBIN("/dev/full", "wb", f, 2), 0);
}

TEST(NumberFiles, WholeFileIsReadIntoAnArrayWithSpareSlots) {
    const std::string p = Path();
    FILE* f = std::fopen(p.c_str(), "wb"); // a trailing partial value is not counted
    std::fwrite("\5\0\0\0\0\0\0\x80\7\0\0\0\1", 1, 13, f);
    std::fclose(f);
    int pocet = -1;
    int* pole = CislaZoSuboruDoPola(p.c_str(), "rb", &pocet);
    ASSERT_NE(pole, nullptr);
    EXPECT_EQ(std::vector<int>(pole, pole + 13),
              (std::vector<int>{5, INT_MIN, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(pocet, 3);
    std::free(pole);
    EXPECT_EQ(CislaZoSuboruDoPola((p + ".none").c_str(), "rb", &pocet), nullptr);
    EXPECT_EQ(pocet, 0);
    std::remove(p.c_str());
}

TEST(Allocators, ZeroFilledForTheCurrentDesktopWithAMargin) {
    int n[3] = {};
    NastavVelkostDesktopu(640, 480);
    POINT* body = AlokaciaDsktPointPola(&n[0]);
    NastavVelkostDesktopu(800, 600);
    RECT* boxy = AlokaciaDsktRectPola(&n[1]);
    double* cisla = AlokaciaDsktDoublePola(&n[2]);
    EXPECT_EQ(std::vector<int>(n, n + 3), (std::vector<int>{645 * 485, 805 * 605, 805 * 605}));
    EXPECT_TRUE(body[n[0] - 1].y == 0 && boxy[n[1] - 1].bottom == 0 && cisla[n[2] - 1] == 0.0);
    std::free(body), std::free(boxy), std::free(cisla);
}

} // namespace
