// Tests of the number files: byte-exact contents, failures reported by the writers, reading back.
#include "obraz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Each test writes one file of its own in the scratch directory.
class NumberFiles : public ::testing::Test {
  protected:
    void TearDown() override { std::remove(p_.c_str()); }
    const std::string p_ = ::testing::TempDir() + "zornavit-" + std::to_string(getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(NumberFiles, CentreFileHasCrLfLinesAndNothingElse) {
    const POINT c[3] = {{24, 34}, {-1, 7}, {99, 99}};
    EXPECT_EQ(PointPoleDoTxt(p_.c_str(), c, 2), 1);
    EXPECT_EQ(ReadFile(p_), "24,34\r\n-1,7\r\n");
    EXPECT_EQ(PointPoleDoTxt(p_.c_str(), c, 0), 1);
    EXPECT_EQ(ReadFile(p_), "");
}

TEST_F(NumberFiles, WritersReportFilesThatCannotBeWritten) {
    const POINT c[1] = {{1, 2}};
    const int v[2] = {1, 2};
    const DWORD f[2] = {1, 2};
    const std::string missing = p_ + ".d/Stredy.txt";
    EXPECT_EQ(PointPoleDoTxt(missing.c_str(), c, 1), 0);
    EXPECT_EQ(CislaDoTXT(missing.c_str(), "w", 5), 0);
    // The device accepts the open but fails every write.
    EXPECT_EQ(PointPoleDoTxt("/dev/full", c, 1), 0);
    EXPECT_EQ(PoleCiselDoTXT("/dev/full", "w", v, 2), 0);
    EXPECT_EQ(CislaFariebDoBIN("/dev/full", "wb", f, 2), 0);
}

TEST_F(NumberFiles, TextWritersLayOutTheirLines) {
    POINT body[10];
    for (int i = 0; i < 10; ++i) {
        body[i] = POINT{i, -i};
    }
    EXPECT_EQ(PointPoleCiselDoTXT(p_.c_str(), "w", body, 10), 1);
    EXPECT_EQ(ReadFile(p_),
              "{0,0}, {1,-1}, {2,-2}, {3,-3}, {4,-4}, {5,-5}, {6,-6}, {7,-7}, {8,-8}, "
              "{9,-9}, \n\n");
    const DWORD farby[8] = {0, 1, 2, 3, 4, 5, 6, 0x00FFFFFF};
    EXPECT_EQ(CislaFariebDoTXT(p_.c_str(), "w", farby, 8), 1);
    EXPECT_EQ(ReadFile(p_), "0,  \n1,  2,  3,  4,  5,  6,  \n16777215,  \n");
    const int hodnoty[3] = {7, -2, 0};
    EXPECT_EQ(PoleCiselDoTXT(p_.c_str(), "w", hodnoty, 3), 1);
    EXPECT_EQ(ReadFile(p_), "7, -2, 0, \n");
    EXPECT_EQ(CislaDoTXT(p_.c_str(), "w", 42), 1);
    EXPECT_EQ(CislaDoTXT(p_.c_str(), "a", -3), 1);
    EXPECT_EQ(CislaDoTXT(p_.c_str(), "a", 0), 1);
    EXPECT_EQ(ReadFile(p_), "42, 0, ");
}

TEST_F(NumberFiles, BinaryValuesAreLittleEndianAndReadBack) {
    EXPECT_EQ(CislaDoBIN(p_.c_str(), "wb", 0x01020304), 1);
    EXPECT_EQ(CislaDoBIN(p_.c_str(), "ab", -1), 1);
    EXPECT_EQ(ReadFile(p_), std::string("\x04\x03\x02\x01", 4));
    const DWORD farby[3] = {0, 0x00112233u, 0xFFFFFFFFu};
    EXPECT_EQ(CislaFariebDoBIN(p_.c_str(), "wb", farby, 3), 3);
    EXPECT_EQ(ReadFile(p_), std::string("\0\0\0\0\x33\x22\x11\0\xFF\xFF\xFF\xFF", 12));
    DWORD spat[5] = {9, 9, 9, 9, 9};
    EXPECT_EQ(CislaFariebZ_BIN(p_.c_str(), spat, 5), 3);
    EXPECT_EQ(spat[1], 0x00112233u);
    EXPECT_EQ(spat[2], 0xFFFFFFFFu);
    EXPECT_EQ(spat[3], 9u);
    EXPECT_EQ(CislaFariebZ_BIN(p_.c_str(), spat, 1), 1);
    EXPECT_EQ(CislaFariebZ_BIN((p_ + ".none").c_str(), spat, 5), 0);
}

TEST_F(NumberFiles, WholeFileIsReadIntoAnArrayWithSpareSlots) {
    // A trailing partial value is not counted.
    std::ofstream(p_, std::ios::binary) << std::string("\5\0\0\0\0\0\0\x80\7\0\0\0\1", 13);
    int pocet = -1;
    int* pole = CislaZoSuboruDoPola(p_.c_str(), "rb", &pocet);
    ASSERT_NE(pole, nullptr);
    EXPECT_EQ(pocet, 3);
    EXPECT_EQ(std::vector<int>(pole, pole + 3), (std::vector<int>{5, INT_MIN, 7}));
    EXPECT_EQ(std::count(pole + 3, pole + 13, 0), 10);
    std::free(pole);
    EXPECT_EQ(CislaZoSuboruDoPola((p_ + ".none").c_str(), "rb", &pocet), nullptr);
    EXPECT_EQ(pocet, 0);
}

} // namespace
