// Bounded formatting of painted texts and the code page 1250 table, checked against iconv.
#include "draw/kreslenie.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstring>
#include <string>

namespace {

TEST(Formatovanie, LabelsPassThroughTheFormatter) {
    char b[NAPIS_BUFFER];
    EXPECT_EQ(FormatujNapis(b, "%%", -1), 1);
    EXPECT_STREQ(b, "%");
    EXPECT_EQ(FormatujNapis(b, "Min. rozmer", -1), 11);
    EXPECT_STREQ(b, "Min. rozmer");
    EXPECT_EQ(FormatujNapis(b, "%d", 100), 3);
    EXPECT_STREQ(b, "100");
    EXPECT_EQ(FormatujNapis(b, "x=%d", -7), 4);
    EXPECT_STREQ(b, "x=-7");
    EXPECT_EQ(FormatujNapisDouble(b, "%.2f", 2.5), 4);
    EXPECT_STREQ(b, "2.50");
}

TEST(Formatovanie, LongTextIsCutAt99Characters) {
    const std::string dlhy(150, 'a');
    char b[NAPIS_BUFFER + 8];
    std::memset(b, 'Z', sizeof b);
    EXPECT_EQ(FormatujNapis(b, dlhy.c_str(), -1), 99);
    EXPECT_EQ(std::string(b), std::string(99, 'a'));
    EXPECT_EQ(b[NAPIS_BUFFER], 'Z'); // nothing written past the buffer

    const std::string tesne(97, 'b');
    EXPECT_EQ(FormatujNapis(b, (tesne + "%d").c_str(), 12), 99);
    EXPECT_EQ(std::string(b), tesne + "12");
    EXPECT_EQ(FormatujNapis(b, (tesne + "%d").c_str(), 123), 99);
    EXPECT_EQ(std::string(b), tesne + "12");
    EXPECT_EQ(FormatujNapisDouble(b, "%f", 1e120), 99);
    EXPECT_EQ(std::strlen(b), 99u);
}

TEST(Cp1250, AsciiIsUnchanged) {
    for (int c = 0; c < 0x80; c++) {
        EXPECT_EQ(ZnakCp1250(static_cast<unsigned char>(c)), c);
    }
}

TEST(Cp1250, SlovakLettersOfTheFace) {
    EXPECT_EQ(ZnakCp1250(0x9A), 0x0161); // s with caron
    EXPECT_EQ(ZnakCp1250(0xBE), 0x013E); // l with caron
    EXPECT_EQ(ZnakCp1250(0xE8), 0x010D); // c with caron
    EXPECT_EQ(ZnakCp1250(0xF2), 0x0148); // n with caron
    EXPECT_EQ(ZnakCp1250(0x9D), 0x0165); // t with caron
    EXPECT_EQ(ZnakCp1250(0x9E), 0x017E); // z with caron
    EXPECT_EQ(ZnakCp1250(0xFD), 0x00FD); // y with acute
    EXPECT_EQ(ZnakCp1250(0xF4), 0x00F4); // o with circumflex
}

// Every assigned byte agrees with the C library's own CP1250 converter.
TEST(Cp1250, UpperHalfAgreesWithIconv) {
    iconv_t prevod = iconv_open("UTF-16LE", "CP1250");
    ASSERT_NE(prevod, reinterpret_cast<iconv_t>(-1));
    int porovnanych = 0;
    for (int c = 0x80; c <= 0xFF; c++) {
        char vstup = static_cast<char>(c);
        unsigned char vystup[4] = {0, 0, 0, 0};
        char* in = &vstup;
        char* out = reinterpret_cast<char*>(vystup);
        size_t zostatokIn = 1;
        size_t zostatokOut = sizeof vystup;
        iconv(prevod, nullptr, nullptr, nullptr, nullptr);
        if (iconv(prevod, &in, &zostatokIn, &out, &zostatokOut) == static_cast<size_t>(-1)) {
            EXPECT_EQ(ZnakCp1250(static_cast<unsigned char>(c)), c) << "unassigned byte " << c;
            continue;
        }
        ASSERT_EQ(sizeof vystup - zostatokOut, 2u) << c;
        EXPECT_EQ(ZnakCp1250(static_cast<unsigned char>(c)), vystup[0] | (vystup[1] << 8)) << c;
        porovnanych++;
    }
    iconv_close(prevod);
    EXPECT_GE(porovnanych, 123);
}

} // namespace
