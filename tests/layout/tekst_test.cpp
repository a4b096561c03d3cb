// The painted texts: formatted into a bounded buffer, and code page 1250 turned into UTF-16.
#include "layout/rozlozenie.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstring>
#include <string>

// Each routine's length and text; nothing written past the buffer.
TEST(Tekst, TextsAreCutAt99Characters) {
    char b[NAPIS_BUFFER + 8];
    std::memset(b, 'Z', sizeof b);
    const std::string a97(97, 'a');
    // clang-format off
    const struct { int dlzka; std::string text; int cakana_dlzka; std::string cakany; } napisy[] = {
        {FormatujNapis(b, "%%", -1), b, 1, "%"}, {FormatujNapisDouble(b, "%.2f", 2.5), b, 4, "2.50"},
        {FormatujNapis(b, (a97 + "%d").c_str(), 12), b, 99, a97 + "12"},
        {FormatujNapis(b, (a97 + "%d").c_str(), 123), b, 99, a97 + "12"}};
    // clang-format on
    for (const auto& n : napisy) {
        EXPECT_EQ(n.dlzka, n.cakana_dlzka) << n.cakany;
        EXPECT_EQ(n.text, n.cakany);
    }
    EXPECT_EQ(FormatujNapisDouble(b, "%f", 1e120), 99);
    EXPECT_EQ(std::strlen(b), 99u);
    EXPECT_EQ(b[NAPIS_BUFFER], 'Z') << "written past the buffer";
}

// Every assigned byte as the C library's converter has it; the others stay control codes.
TEST(Tekst, Cp1250AsTheCLibraryConvertsIt) {
    iconv_t prevod = iconv_open("UTF-16LE", "CP1250");
    ASSERT_NE(prevod, reinterpret_cast<iconv_t>(-1));
    for (int c = 0; c <= 0xFF; c++) {
        char vstup = static_cast<char>(c), vystup[4] = {};
        char *in = &vstup, *out = vystup;
        size_t zostava_vstup = 1, zostava_vystup = sizeof vystup;
        const bool prideleny =
            iconv(prevod, &in, &zostava_vstup, &out, &zostava_vystup) != static_cast<size_t>(-1);
        const int utf16 = (vystup[0] & 0xFF) | (vystup[1] & 0xFF) << 8;
        EXPECT_EQ(ZnakCp1250(static_cast<unsigned char>(c)), prideleny ? utf16 : c) << "byte " << c;
    }
    iconv_close(prevod);
}
