// The number files: the centre file and the toolkit's writers and readers, byte for byte.
#include "search/ciselne_subory.h"
#include "tests/search/porovnanie.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

const POINT kBody[10] = {{24, 34}, {-1, 7}, {2, -2}, {3, -3}, {4, -4},
                         {5, -5},  {6, -6}, {7, -7}, {8, -8}, {9, -9}};
const DWORD kFarby[8] = {0, 1, 2, 3, 4, 5, 6, 0x00FFFFFF};
const int kCisla[3] = {7, -2, 0};

// Each test writes and reads one scratch file of its own.
class CiselneSubory : public testing::Test {
  protected:
    void TearDown() override { std::remove(c_); }
    const std::string cesta_ = testing::TempDir() + "zornavit-" + std::to_string(getpid()) + "-" +
                               testing::UnitTest::GetInstance()->current_test_info()->name();
    const char* const c_ = cesta_.c_str();
};

} // namespace

// Each writer's calls into a new file (appending where a call's mode says), what they return, the
// bytes left. A negative number alone writes nothing.
TEST_F(CiselneSubory, WritersLayOutTheirBytes) {
    using Vysledky = std::vector<int>;
    // clang-format off
    const struct { const char* co; std::function<Vysledky(const char*)> zapis; Vysledky vysledky; std::string bajty; } zapisy[] = {
        {"centres, CR LF", [](const char* c) { return Vysledky{PointPoleDoTxt(c, kBody, 2)}; }, {1}, "24,34\r\n-1,7\r\n"},
        {"no centres", [](const char* c) { return Vysledky{PointPoleDoTxt(c, kBody, 0)}; }, {1}, ""},
        {"points, ten a line", [](const char* c) { return Vysledky{PointPoleCiselDoTXT(c, "w", kBody, 10)}; }, {1},
         "{24,34}, {-1,7}, {2,-2}, {3,-3}, {4,-4}, {5,-5}, {6,-6}, {7,-7}, {8,-8}, {9,-9}, \n\n"},
        {"colours: 0, then six a line", [](const char* c) { return Vysledky{CislaFariebDoTXT(c, "w", kFarby, 8)}; }, {1},
         "0,  \n1,  2,  3,  4,  5,  6,  \n16777215,  \n"},
        {"numbers", [](const char* c) { return Vysledky{PoleCiselDoTXT(c, "w", kCisla, 3)}; }, {1}, "7, -2, 0, \n"},
        {"a number at a time", [](const char* c) { return Vysledky{CislaDoTXT(c, "w", 42), CislaDoTXT(c, "a", -3), CislaDoTXT(c, "a", 0)}; }, {1, 1, 1}, "42, 0, "},
        {"binary numbers", [](const char* c) { return Vysledky{CislaDoBIN(c, "wb", 0x01020304), CislaDoBIN(c, "ab", -1)}; }, {1, 1}, "\4\3\2\1"},
        {"binary colours", [](const char* c) { return Vysledky{CislaFariebDoBIN(c, "wb", kFarby + 6, 2)}; }, {2}, std::string("\6\0\0\0\xFF\xFF\xFF\0", 8)},
    };
    // clang-format on
    for (const auto& z : zapisy) {
        EXPECT_EQ(z.zapis(c_), z.vysledky) << z.co;
        EXPECT_EQ(ReadFile(cesta_), z.bajty) << z.co;
    }
}

TEST_F(CiselneSubory, BinaryColoursReadBackNoMoreThanTheFileHoldsOrIsAsked) {
    ASSERT_EQ(CislaFariebDoBIN(c_, "wb", kFarby + 6, 2), 2);
    DWORD spat[4] = {9, 9, 9, 9};
    EXPECT_EQ(CislaFariebZ_BIN(c_, spat, 4), 2);
    EXPECT_EQ(CislaFariebZ_BIN(c_, spat + 3, 1), 1);
    EXPECT_EQ(std::vector<DWORD>(spat, spat + 4), (std::vector<DWORD>{6, 0xFFFFFF, 9, 6}));
    EXPECT_EQ(CislaFariebZ_BIN((cesta_ + "-missing").c_str(), spat, 4), 0);
}

// With 10 spare slots; a trailing part of a value is not counted.
TEST_F(CiselneSubory, AWholeFileGoesIntoANewArray) {
    std::ofstream(cesta_, std::ios::binary) << std::string("\5\0\0\0\0\0\0\x80\7\0\0\0\1", 13);
    int pocet = -1;
    const int* pole = CislaZoSuboruDoPola(c_, "rb", &pocet);
    ASSERT_NE(pole, nullptr);
    EXPECT_EQ(pocet, 3);
    EXPECT_EQ(std::vector<int>(pole, pole + 13),
              (std::vector<int>{5, INT_MIN, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CislaZoSuboruDoPola((cesta_ + "-missing").c_str(), "rb", &pocet), nullptr);
    EXPECT_EQ(pocet, 0);
}

// A missing directory; a device that accepts the open but fails every write.
TEST_F(CiselneSubory, WritesThatFailAreReported) {
    EXPECT_EQ(PointPoleDoTxt((cesta_ + "-d/Stredy.txt").c_str(), kBody, 1), 0);
    EXPECT_EQ(PointPoleDoTxt("/dev/full", kBody, 1), 0);
    EXPECT_EQ(CislaFariebDoBIN("/dev/full", "wb", kFarby, 2), 0);
}
