// Tests of the number files: byte-exact contents, failures reported by the writers, reading back.
#include "search/hladanie.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

class NumberFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        char vzor[] = "/tmp/zornavit-subory-XXXXXX";
        ASSERT_NE(mkdtemp(vzor), nullptr);
        dir_ = vzor;
    }
    void TearDown() override {
        for (const std::string& f : files_) {
            std::remove(f.c_str());
        }
        rmdir(dir_.c_str());
    }
    std::string Path(const char* name) {
        files_.push_back(dir_ + "/" + name);
        return files_.back();
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string dir_;
    std::vector<std::string> files_;
};

TEST_F(NumberFiles, CentreFileHasCrLfLinesAndNothingElse) {
    const std::string p = Path("Stredy.txt");
    POINT c[3] = {{24, 34}, {541, 7}, {99, 99}};
    EXPECT_EQ(PointPoleDoTxt(p.c_str(), c, 2), 1);
    EXPECT_EQ(Read(p), "24,34\r\n541,7\r\n");
    EXPECT_EQ(Read(p).size(), 14u);

    POINT neg[1] = {{-1, 34}};
    EXPECT_EQ(PointPoleDoTxt(p.c_str(), neg, 1), 1);
    EXPECT_EQ(Read(p), "-1,34\r\n");

    EXPECT_EQ(PointPoleDoTxt(p.c_str(), c, 0), 1);
    EXPECT_EQ(Read(p), "");
}

TEST_F(NumberFiles, WritersReportFilesThatCannotBeWritten) {
    POINT c[1] = {{1, 2}};
    const std::string missing = dir_ + "/no-such-dir/Stredy.txt";
    EXPECT_EQ(PointPoleDoTxt(missing.c_str(), c, 1), 0);
    EXPECT_EQ(CislaDoTXT(missing.c_str(), "w", 5), 0);
    // The device accepts the open but fails every write.
    EXPECT_EQ(PointPoleDoTxt("/dev/full", c, 1), 0);
    const int v[2] = {1, 2};
    EXPECT_EQ(PoleCiselDoTXT("/dev/full", "w", v, 2), 0);
    const DWORD f[2] = {1, 2};
    EXPECT_EQ(CislaFariebDoBIN("/dev/full", "wb", f, 2), 0);
}

TEST_F(NumberFiles, TextWritersLayOutTheirLines) {
    const std::string p = Path("cisla.txt");
    POINT body[10];
    for (int i = 0; i < 10; ++i) {
        body[i] = POINT{i, -i};
    }
    EXPECT_EQ(PointPoleCiselDoTXT(p.c_str(), "w", body, 10), 1);
    EXPECT_EQ(Read(p), "{0,0}, {1,-1}, {2,-2}, {3,-3}, {4,-4}, {5,-5}, {6,-6}, {7,-7}, {8,-8}, "
                       "{9,-9}, \n\n");
    EXPECT_EQ(PointPoleCiselDoTXT(p.c_str(), "w", body, 1), 1);
    EXPECT_EQ(Read(p), "{0,0}, \n");

    const DWORD farby[8] = {0, 1, 2, 3, 4, 5, 6, 0x00FFFFFF};
    EXPECT_EQ(CislaFariebDoTXT(p.c_str(), "w", farby, 8), 1);
    EXPECT_EQ(Read(p), "0,  \n1,  2,  3,  4,  5,  6,  \n16777215,  \n");

    const int hodnoty[3] = {7, -2, 0};
    EXPECT_EQ(PoleCiselDoTXT(p.c_str(), "w", hodnoty, 3), 1);
    EXPECT_EQ(Read(p), "7, -2, 0, \n");

    EXPECT_EQ(CislaDoTXT(p.c_str(), "w", 42), 1);
    EXPECT_EQ(CislaDoTXT(p.c_str(), "a", -3), 1);
    EXPECT_EQ(CislaDoTXT(p.c_str(), "a", 0), 1);
    EXPECT_EQ(Read(p), "42, 0, ");
}

TEST_F(NumberFiles, BinaryValuesAreLittleEndianAndReadBack) {
    const std::string p = Path("cisla.bin");
    EXPECT_EQ(CislaDoBIN(p.c_str(), "wb", 0x01020304), 1);
    EXPECT_EQ(CislaDoBIN(p.c_str(), "ab", -1), 1);
    EXPECT_EQ(Read(p), std::string("\x04\x03\x02\x01", 4));

    const DWORD farby[3] = {0, 0x00112233u, 0xFFFFFFFFu};
    EXPECT_EQ(CislaFariebDoBIN(p.c_str(), "wb", farby, 3), 3);
    EXPECT_EQ(Read(p), std::string("\0\0\0\0\x33\x22\x11\0\xFF\xFF\xFF\xFF", 12));
    DWORD spat[5] = {9, 9, 9, 9, 9};
    EXPECT_EQ(CislaFariebZ_BIN(p.c_str(), spat, 5), 3);
    EXPECT_EQ(spat[1], 0x00112233u);
    EXPECT_EQ(spat[2], 0xFFFFFFFFu);
    EXPECT_EQ(spat[3], 9u);
    EXPECT_EQ(CislaFariebZ_BIN(p.c_str(), spat, 1), 1);
    EXPECT_EQ(CislaFariebZ_BIN((dir_ + "/none.bin").c_str(), spat, 5), 0);
}

TEST_F(NumberFiles, WholeFileIsReadIntoAnArrayWithSpareSlots) {
    const std::string p = Path("pole.bin");
    const DWORD hodnoty[3] = {5, 0x80000000u, 7};
    ASSERT_EQ(CislaFariebDoBIN(p.c_str(), "wb", hodnoty, 3), 3);
    {
        // A trailing partial value is not counted.
        std::FILE* f = std::fopen(p.c_str(), "ab");
        std::fputc(1, f);
        std::fclose(f);
    }
    int pocet = -1;
    int* pole = CislaZoSuboruDoPola(p.c_str(), "rb", &pocet);
    ASSERT_NE(pole, nullptr);
    EXPECT_EQ(pocet, 3);
    EXPECT_EQ(pole[0], 5);
    EXPECT_EQ(pole[1], static_cast<int>(0x80000000u));
    EXPECT_EQ(pole[2], 7);
    for (int i = 3; i < 13; ++i) {
        EXPECT_EQ(pole[i], 0);
    }
    std::free(pole);

    pocet = -1;
    EXPECT_EQ(CislaZoSuboruDoPola((dir_ + "/none.bin").c_str(), "rb", &pocet), nullptr);
    EXPECT_EQ(pocet, 0);
}

} // namespace
