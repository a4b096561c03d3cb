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
    EXPECT_EQ(FormatujNapisDouble(b, "%.2f", 2.5), 4);
    EXPECT_STREQ(b, "2.50");
}

TEST(Formatovanie, LongTextIsCutAt99Characters) {
    char b[NAPIS_BUFFER + 8];
    std::memset(b, 'Z', sizeof b);
    EXPECT_EQ(FormatujNapis(b, std::string(150, 'a').c_str(), -1), 99);
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

// Every assigned byte agrees with the C library's own CP1250 converter; the unassigned ones
// stay the control characters of the same number.
TEST(Cp1250, AgreesWithIconv) {
    iconv_t prevod = iconv_open("UTF-16LE", "CP1250");
    ASSERT_NE(prevod, reinterpret_cast<iconv_t>(-1));
    int porovnanych = 0;
    for (int c = 0; c <= 0xFF; c++) {
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
    EXPECT_GE(porovnanych, 251);
}

} // namespace
