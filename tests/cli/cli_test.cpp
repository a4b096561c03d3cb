// Tests of zornavit-cli: options reaching the search through PNG files, every PNG form, bad input.
#include "../search/obraz.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

struct PngForm {
    int typ = 2, hlbka = 8; // colour type 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA; bits
    bool prekladane = false, priehladnost = false; // Adam7, a tRNS chunk
};

// Grey types store the red channel; 16-bit samples carry a low byte of 0x80 or more (a reader
// that rounds instead of keeping the high byte shows); alpha varies, gamma is 1.0.
bool ZapisPng(const std::string& cesta, const Image& im, const PngForm& v) {
    std::vector<COLORREF> paleta;
    std::vector<std::vector<png_byte>> riadky(im.h);
    for (int i = 0; i < im.w * im.h; i++) {
        const COLORREF c = im.px[i];
        if (v.typ == 3 && std::find(paleta.begin(), paleta.end(), c) == paleta.end())
            paleta.push_back(c);
        std::vector<png_byte> s = {png_byte(c), png_byte(c >> 8), png_byte(c >> 16),
                                   png_byte(i * 37)};
        const int kanaly[] = {1, 0, 3, 1, 2, 0, 4}; // samples per colour type
        if (v.typ == 3)
            s[0] = png_byte(std::find(paleta.begin(), paleta.end(), c) - paleta.begin());
        if (v.typ == 4)
            s[1] = s[3];
        for (int k = 0; k < kanaly[v.typ]; k++) {
            riadky[i / im.w].push_back(v.typ == 3 || v.hlbka >= 8 ? s[k] : s[k] >> (8 - v.hlbka));
            if (v.hlbka == 16)
                riadky[i / im.w].push_back(png_byte(0x80 | i));
        }
    }
    FILE* f = std::fopen(cesta.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (f == nullptr)
        return false;
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, f);
    png_set_IHDR(png, info, im.w, im.h, v.hlbka, v.typ, v.prekladane, 0, 0);
    std::vector<png_color> farby;
    for (COLORREF c : paleta)
        farby.push_back({png_byte(c), png_byte(c >> 8), png_byte(c >> 16)});
    const std::vector<png_byte> alfa(256, 0x40);
    png_color_16 priehladna = {};
    if (v.typ == 3)
        png_set_PLTE(png, info, farby.data(), static_cast<int>(farby.size()));
    if (v.priehladnost)
        png_set_tRNS(png, info, alfa.data(), static_cast<int>(farby.size()), &priehladna);
    png_set_gAMA(png, info, 1.0);
    png_write_info(png, info);
    png_set_packing(png);
    png_set_interlace_handling(png);
    std::vector<png_bytep> ukazovatele;
    for (auto& r : riadky)
        ukazovatele.push_back(r.data());
    png_write_image(png, ukazovatele.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

// Two squares of band 2 and one of band 1.
Image Squares() {
    Image im = Boxes(100, 100, {{20, 30, 29, 39}, {50, 20, 59, 29}});
    Fill(im, 70, 60, 79, 69, 0x3F3F3F);
    return im;
}

// Each test runs the finder in a scratch directory of its own.
class Cli : public testing::Test {
  protected:
    void SetUp() override {
        char vzor[] = "/tmp/zornavit-cli-XXXXXX";
        ASSERT_NE(mkdtemp(vzor), nullptr);
        dir_ = std::string(vzor) + "/";
        vystup_ = std::string(vzor) + ".";
    }
    void TearDown() override {
        std::filesystem::remove_all(dir_);
        std::remove((vystup_ + "out").c_str());
        std::remove((vystup_ + "err").c_str());
    }
    std::string Png(const Image& im, const std::string& name = "in.png", const PngForm& v = {}) {
        EXPECT_TRUE(ZapisPng(dir_ + name, im, v));
        return name;
    }
    // Status, standard output, standard error.
    std::array<std::string, 3> Cmd(const std::string& args) const {
        const int rc = std::system(("cd " + dir_ + " && " ZORNAVIT_CLI " " + args + " >" + vystup_ +
                                    "out 2>" + vystup_ + "err")
                                       .c_str());
        std::array<std::string, 3> r = {std::to_string(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1),
                                        ReadFile(vystup_ + "out"), ReadFile(vystup_ + "err")};
        return r;
    }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string dir_, vystup_; // the scratch directory; the outputs beside it
};

TEST_F(Cli, OptionsReachTheSearch) {
    const std::string u = Png(Art("##..##|##..##|##..##|######"), "u.png"),
                      sq = Png(Squares(), "sq.png");
    Image d = Blank(60, 60); // band 0 at the defaults: min size 20, fill 70
    Fill(d, 5, 5, 24, 24, 0x1F1F1F);
    Fill(d, 30, 30, 48, 48, 0x000000);
    const std::string both = "54,24 50,20,59,29\n24,34 20,30,29,39\n";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {Png(d, "d.png"), "14,14 5,5,24,24\n"},
        {Png(d, "d1.png", {0, 1}), "14,14 5,5,24,24\n"},
        {"--grey 2 --min-size 1 --fill 75 " + u, "2,1 0,0,5,3\n"},
        {"--grey=2 --min-size=1 --fill=76 " + u, ""},
        {"--grey 2 --min-size 5 " + sq, both},
        {"--grey 1 --min-size 5 " + sq, "74,64 70,60,79,69\n"},
        {"--grey 2 --min-size 11 " + sq, ""},
        {"--grey 2 --min-size 5 --exclude 25,-100,40,1000 " + sq, "54,24 50,20,59,29\n22,34 20,30,24,39\n"},
        {"--grey 2 --exclude=-2147483648,-2147483648,2147483647,2147483647 " + sq, ""},
        {"--grey 2 --min-size 5 --exclude 30,0,20,99 " + sq, both}, // left beyond right: nothing left out
        {"--min-size 1 --fill 100 " + Png(Blank(16384, 2, 0), "edge.png", {0, 1}), "8191,0 0,0,16383,1\n"},
    };
    // clang-format on
    for (const auto& [args, out] : cases)
        EXPECT_EQ(Cmd(args), (std::array<std::string, 3>{"0", out, ""})) << args;
    const auto help = Cmd("--help");
    EXPECT_EQ(help[0] + help[2], "0");
    EXPECT_NE(help[1].find("usage: zornavit-cli"), std::string::npos);
}

TEST_F(Cli, JsonAndCentreFile) {
    EXPECT_EQ(
        Cmd("--grey 2 --min-size 5 --json --out Stredy.txt " + Png(Squares()))[1],
        "[\n  {\"x\": 54, \"y\": 24, \"left\": 50, \"top\": 20, \"right\": 59, \"bottom\": 29},\n"
        "  {\"x\": 24, \"y\": 34, \"left\": 20, \"top\": 30, \"right\": 29, \"bottom\": 39}\n]\n");
    EXPECT_EQ(ReadFile(dir_ + "Stredy.txt"), "54,24\r\n24,34\r\n");
    struct stat st;
    ASSERT_EQ(stat((dir_ + "Stredy.txt").c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "the centre file keeps the usual rights";
    // Nothing found: an empty array, an empty centre file replacing the old one.
    EXPECT_EQ(Cmd("--grey 5 --json --out=Stredy.txt in.png"),
              (std::array<std::string, 3>{"0", "[]\n", ""}));
    EXPECT_EQ(ReadFile(dir_ + "Stredy.txt"), "");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"Stredy.txt", "in.png"}));
}

// Grey forms hold the red channel only: they get pure greys, the others colours and an off-grey.
TEST_F(Cli, EveryPngFormGivesTheSameResult) {
    Image rgb = Blank(64, 48, 0xD8E9EC), grey = Blank(64, 48, 0xC8C8C8);
    for (Image* im : {&rgb, &grey}) {
        Fill(*im, 3, 4, 20, 30, 0x404040);
        Fill(*im, 30, 10, 60, 40, 0x5F5F5F);
    }
    Fill(rgb, 40, 20, 45, 25, 0x000000);
    Fill(rgb, 10, 35, 25, 45, 0x414040);
    const PngForm forms[] = {{2, 8, false, false}, {2, 8, true, true},    {2, 16, false, false},
                             {6, 8, false, false}, {6, 16, true, false},  {3, 8, false, true},
                             {3, 8, true, true},   {0, 8, false, true},   {0, 16, true, false},
                             {4, 8, false, false}, {4, 16, false, false}, {3, 4, false, false}};
    for (const PngForm& v : forms) {
        const std::string p =
            Png(v.typ == 0 || v.typ == 4 ? grey : rgb, std::to_string(&v - forms) + ".png", v);
        EXPECT_EQ(Cmd("--grey 2 --min-size 3 --fill 50 " + p)[1],
                  "11,17 3,4,20,30\n45,25 30,10,60,40\n")
            << p;
    }
}

// Status 2, one line on standard error naming the problem, nothing on standard output, no file.
TEST_F(Cli, BadInputIsRefusedAndNothingIsWritten) {
    const std::string png = ReadFile(dir_ + Png(Squares()));
    std::string corrupt = png;
    corrupt[png.size() / 2] ^= 0x55;
    const std::pair<std::string, std::string> obsahy[] = {
        {"text.png", "not an image\n"},
        {"short.png", png.substr(0, 5)},
        {"half.png", png.substr(0, png.size() / 2)},
        {"corrupt.png", corrupt},
        {"Stredy.txt", "old"}};
    for (const auto& [meno, obsah] : obsahy)
        std::ofstream(dir_ + meno, std::ios::binary) << obsah;
    std::filesystem::create_directory(dir_ + "dir.png");
    std::filesystem::create_directory(dir_ + "taken");
    Png(Blank(16385, 1, 0), "wide.png", {0, 1});
    Png(Blank(1, 16385, 0), "high.png", {0, 1});
    // clang-format off
    std::vector<std::pair<std::string, std::string>> cases = {
        {"in.png --out", "needs a value"}, {"in.png in.png", "more than one image"}, {"--json", "no image"},
        {"missing.png", "cannot open"}, {"dir.png", "dir.png"}, {"text.png", "not a PNG"}, {"short.png", "not a PNG"},
        {"half.png", "corrupt or truncated"}, {"corrupt.png", "corrupt or truncated"},
        {"wide.png", "16385 x 1"}, {"high.png", "16384"},
        {"--out no/such/dir.txt in.png", "cannot write"},
        {"--out taken in.png", "cannot write"}}; // the temporary file cannot replace a directory
    const std::pair<std::string, std::vector<std::string>> volby[] = { // a missing value takes the image
        {"--colour", {"3"}}, {"--grey", {"", "8", "-1", "2x"}}, {"--fill", {"101", "''"}},
        {"--min-size", {"65536", "99999999999999999999"}},
        {"--exclude", {"1,2,3", "1,2,3,4,5", "' 1,2,3,4'", "1,2,3,4294967296"}}};
    // clang-format on
    for (const auto& [volba, hodnoty] : volby)
        for (const std::string& hodnota : hodnoty)
            cases.push_back({volba + " " + hodnota + " in.png", volba});
    for (const auto& [args, mentions] : cases) {
        const auto r = Cmd("--out Stredy.txt " + args);
        EXPECT_EQ(r[0] + r[1], "2") << args;
        EXPECT_EQ(r[2].find('\n'), r[2].size() - 1) << r[2];
        EXPECT_NE(r[2].find(mentions), std::string::npos) << r[2];
    }
    EXPECT_EQ(ReadFile(dir_ + "Stredy.txt"), "old");
    EXPECT_EQ(Listing().size(), 10u) << "a file left behind";
}

} // namespace
