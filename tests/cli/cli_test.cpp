// Tests of zornavit-cli: options reaching the search through PNG files, every PNG form, bad input.
#include "../png_zapis.h"
#include "../search/obraz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

struct Vysledok {
    int status;
    std::string out;
    std::string err;
};

// Two squares of band 2 and one of band 1.
Image Squares() {
    Image im = Boxes(100, 100, {{20, 30, 29, 39}, {50, 20, 59, 29}});
    Fill(im, 70, 60, 79, 69, 0x3F3F3F);
    return im;
}

class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        char vzor[] = "/tmp/zornavit-cli-XXXXXX";
        ASSERT_NE(mkdtemp(vzor), nullptr);
        dir_ = vzor;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    std::string Png(const Image& im, const std::string& name = "in.png",
                    const PngVolby& v = PngVolby()) {
        EXPECT_TRUE(ZapisPng(Path(name), im.w, im.h, im.px, v));
        return Path(name);
    }

    Vysledok Cmd(const std::string& args) const {
        const std::string out = Path("stdout"), err = Path("stderr");
        const int rc = std::system(
            (std::string(ZORNAVIT_CLI) + " " + args + " >'" + out + "' 2>'" + err + "'").c_str());
        Vysledok r{WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, ReadFile(out), ReadFile(err)};
        std::remove(out.c_str());
        std::remove(err.c_str());
        return r;
    }

    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_)) {
            names.push_back(e.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Bad input: status 2, one line on stderr naming the problem, nothing on stdout.
    void ExpectRefused(const std::string& args, const std::string& mentions) {
        SCOPED_TRACE(args);
        const Vysledok r = Cmd(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
    }

    std::string dir_;
};

TEST_F(Cli, OptionsReachTheSearch) {
    const std::string u = Png(FromArt({"##..##", "##..##", "##..##", "######"}), "u.png");
    const std::string sq = Png(Squares(), "sq.png");
    // Defaults: band 0, min size 20, fill 70; the same at one bit per pixel.
    Image d = Blank(60, 60);
    Fill(d, 5, 5, 24, 24, 0x1F1F1F);
    Fill(d, 30, 30, 48, 48, 0x000000);
    const std::string both = "54,24 50,20,59,29\n24,34 20,30,29,39\n";
    // Buttons with a border in a panel of their grey; two squares meeting at a corner.
    const std::string b =
        Png(FromArt({"#############", "#.....#.....#", "#.###.#.###.#", "#.###.#.###.#",
                     "#.###.#.###.#", "#.....#.....#", "#############"}),
            "b.png");
    const std::string dg = Png(FromArt({"##..", "##..", "..##", "..##"}), "dg.png");
    const std::pair<std::string, std::string> cases[] = {
        {Png(d, "d.png"), "14,14 5,5,24,24\n"},
        {Png(d, "d1.png", {0, 1, false, false}), "14,14 5,5,24,24\n"},
        {"--grey 2 --min-size 1 --fill 75 " + u, "2,1 0,0,5,3\n"},
        {"--grey=2 --min-size=1 --fill=76 " + u, ""},
        {"--grey 2 --min-size 5 " + sq, both},
        {"--grey 1 --min-size 5 " + sq, "74,64 70,60,79,69\n"},
        {"--grey 2 --min-size 11 " + sq, ""},
        {"--grey 2 --min-size 5 --exclude 25,-100,40,1000 " + sq,
         "54,24 50,20,59,29\n22,34 20,30,24,39\n"},
        {"--grey 2 --exclude=-2147483648,-2147483648,2147483647,2147483647 " + sq, ""},
        // Left beyond right: an empty rectangle leaves everything in.
        {"--grey 2 --min-size 5 --exclude 30,0,20,99 " + sq, both},
        {"--grey 2 --min-size 3 --fill 50 " + b, "6,3 0,0,12,6\n"},
        {"--grey 2 --min-size 3 --fill 50 --connectivity 4 " + b, "3,3 2,2,4,4\n9,3 8,2,10,4\n"},
        {"--grey 2 --min-size 2 --fill 50 --connectivity=8 " + dg, "1,1 0,0,3,3\n"},
        {"--grey 2 --min-size 2 --fill 50 --connectivity rows " + dg, "0,0 0,0,1,1\n2,2 2,2,3,3\n"},
    };
    for (const auto& [args, out] : cases) {
        const Vysledok r = Cmd(args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.out, out) << args;
        EXPECT_EQ(r.err, "") << args;
    }
}

TEST_F(Cli, JsonAndCentreFile) {
    const std::string p = Png(Squares());
    const std::string out = Path("Stredy.txt");
    const Vysledok r = Cmd("--grey 2 --min-size 5 --json --out " + out + " " + p);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "[\n"
                     "  {\"x\": 54, \"y\": 24, \"left\": 50, \"top\": 20, \"right\": 59, "
                     "\"bottom\": 29},\n"
                     "  {\"x\": 24, \"y\": 34, \"left\": 20, \"top\": 30, \"right\": 29, "
                     "\"bottom\": 39}\n"
                     "]\n");
    EXPECT_EQ(ReadFile(out), "54,24\r\n24,34\r\n");
    struct stat st;
    ASSERT_EQ(stat(out.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "the centre file keeps the usual rights";

    // Nothing found: empty JSON array, an empty centre file replacing the old one, status 0.
    const Vysledok none = Cmd("--grey 5 --json --out=" + out + " " + p);
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "[]\n");
    EXPECT_EQ(ReadFile(out), "");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"Stredy.txt", "in.png"}));
}

TEST_F(Cli, EveryPngFormGivesTheSameResult) {
    // Grey forms hold the red channel only: they get an image of pure greys, the others one
    // with colours and an off-grey square. Alpha and gamma must not matter.
    Image rgb = Blank(64, 48, 0xD8E9EC);
    Image grey = Blank(64, 48, 0xC8C8C8);
    for (Image* im : {&rgb, &grey}) {
        Fill(*im, 3, 4, 20, 30, 0x404040);
        Fill(*im, 30, 10, 60, 40, 0x5F5F5F);
    }
    Fill(rgb, 40, 20, 45, 25, 0x000000);
    Fill(rgb, 10, 35, 25, 45, 0x414040);
    const PngVolby forms[] = {{2, 8, false, false}, {2, 8, true, true},    {2, 16, false, false},
                              {6, 8, false, false}, {6, 16, true, false},  {3, 8, false, true},
                              {3, 8, true, true},   {0, 8, false, true},   {0, 16, true, false},
                              {4, 8, false, false}, {4, 16, false, false}, {3, 4, false, false}};
    for (const PngVolby& v : forms) {
        const bool g = v.typ == 0 || v.typ == 4;
        const std::string p = Png(g ? grey : rgb, std::to_string(&v - forms) + ".png", v);
        EXPECT_EQ(Cmd("--grey 2 --min-size 3 --fill 50 " + p).out,
                  "11,17 3,4,20,30\n45,25 30,10,60,40\n")
            << "form " << (&v - forms);
    }
}

TEST_F(Cli, HelpGoesToStandardOutput) {
    const Vysledok r = Cmd("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: zornavit-cli"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, BadOptionsAreRefused) {
    const std::string p = Png(Squares());
    // Each message names the option; a missing value takes the image as the value.
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"--colour", {"3"}},
        {"--grey", {"", "8", "-1", "2x"}},
        {"--fill", {"101", "''"}},
        {"--min-size", {"65536", "99999999999999999999"}},
        {"--exclude", {"1,2,3", "1,2,3,4,5", "' 1,2,3,4'", "1,2,3,4294967296"}},
        {"--connectivity", {"6", "Rows", "''"}}};
    for (const auto& [option, values] : cases) {
        for (const std::string& value : values) {
            ExpectRefused(option + " " + value + " " + p, option);
        }
    }
    ExpectRefused(p + " --out", "needs a value");
    ExpectRefused(p + " " + p, "more than one image");
    ExpectRefused("--json", "no image");
    EXPECT_EQ(Listing(), std::vector<std::string>{"in.png"});
}

TEST_F(Cli, BadImagesAreRefusedWithoutWritingAnything) {
    const std::string out = Path("Stredy.txt");
    std::ofstream(out) << "old";
    std::filesystem::create_directory(Path("dir.png"));
    const std::string png = ReadFile(Png(Squares()));
    std::string corrupt = png;
    corrupt[png.size() / 2] ^= 0x55;
    // File, contents (none for the missing file and the directory), what the message says.
    const std::array<std::string, 3> cases[] = {
        {"missing.png", "", "cannot open"},
        {"dir.png", "", "dir.png"},
        {"text.png", "not an image\n", "not a PNG"},
        {"short.png", png.substr(0, 5), "not a PNG"},
        {"half.png", png.substr(0, png.size() / 2), "corrupt or truncated"},
        {"corrupt.png", corrupt, "corrupt or truncated"}};
    for (const auto& [name, contents, mentions] : cases) {
        if (!contents.empty()) {
            std::ofstream(Path(name), std::ios::binary) << contents;
        }
        ExpectRefused("--out " + out + " " + Path(name), mentions);
    }
    EXPECT_EQ(ReadFile(out), "old");
}

TEST_F(Cli, OversizedImagesAreRefused) {
    const PngVolby bit = {0, 1, false, false};
    EXPECT_TRUE(ZapisPng(Path("wide.png"), 16385, 1, std::vector<COLORREF>(16385, 0), bit));
    EXPECT_TRUE(ZapisPng(Path("high.png"), 1, 16385, std::vector<COLORREF>(16385, 0), bit));
    ExpectRefused(Path("wide.png"), "16385 x 1");
    ExpectRefused(Path("high.png"), "16384");
    // The limit itself is accepted.
    const Vysledok r = Cmd("--min-size 1 --fill 100 " + Png(Blank(16384, 2, 0), "edge.png", bit));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "8191,0 0,0,16383,1\n");
}

TEST_F(Cli, UnwritableCentreFileIsRefusedWithoutLeftovers) {
    const std::string p = Png(Squares());
    ExpectRefused("--out " + Path("no/such/dir.txt") + " " + p, "cannot write");
    // The temporary file is made, but cannot replace a directory.
    std::filesystem::create_directory(Path("taken"));
    ExpectRefused("--out " + Path("taken") + " " + p, "cannot write");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"in.png", "taken"}));
}

} // namespace
