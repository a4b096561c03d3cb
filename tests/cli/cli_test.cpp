// Tests of zornavit-cli: the search's examples through PNG files, every PNG form, and bad input.
#include "../png_zapis.h"
#include "../search/obraz.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

struct Vysledok {
    int status;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        char vzor[] = "/tmp/zornavit-cli-XXXXXX";
        ASSERT_NE(mkdtemp(vzor), nullptr);
        dir_ = vzor;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    std::string Png(const Image& im, const std::string& name = "in.png",
                    const PngVolby& v = PngVolby()) {
        const std::string p = Path(name);
        EXPECT_TRUE(ZapisPng(p, im.w, im.h, im.px, v));
        return p;
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

    // Only the given files are left in the directory.
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        DIR* d = opendir(dir_.c_str());
        while (dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..") {
                names.push_back(n);
            }
        }
        closedir(d);
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

Image Square() {
    Image im = Blank(100, 100);
    Fill(im, 20, 30, 29, 39);
    return im;
}

TEST_F(Cli, WorkedExampleAndDefaults) {
    const std::string p = Png(FromArt({"##..##", "##..##", "##..##", "######"}));
    EXPECT_EQ(Cmd("--grey 2 --min-size 1 --fill 75 " + p).out, "2,1 0,0,5,3\n");
    EXPECT_EQ(Cmd("--grey=2 --min-size=1 --fill=76 " + p).out, "");
    // Defaults: band 0, min size 20, fill 70.
    Image im = Blank(60, 60);
    Fill(im, 5, 5, 24, 24, 0x1F1F1F);
    Fill(im, 30, 30, 48, 48, 0x000000);
    const Vysledok r = Cmd(Png(im, "d.png"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "14,14 5,5,24,24\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, EdgeCasesOfTheSearch) {
    const std::string sq = Png(Square(), "sq.png");
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 " + sq).out, "24,34 20,30,29,39\n");
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 --exclude 25,-100,40,1000 " + sq).out,
              "22,34 20,30,24,39\n");
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 --exclude=-5,-5,500,500 " + sq).out, "");
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 --exclude 200,200,300,300 " + sq).out,
              "24,34 20,30,29,39\n");
    EXPECT_EQ(Cmd("--grey 1 --min-size 5 " + sq).out, "");
    EXPECT_EQ(Cmd("--grey 2 --exclude -2147483648,-2147483648,2147483647,2147483647 " + sq).out,
              "");
    // Left beyond right: an empty rectangle leaves everything in.
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 --exclude 30,0,20,99 " + sq).out, "24,34 20,30,29,39\n");

    Image two = Square();
    Fill(two, 50, 20, 59, 29);
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 " + Png(two, "two.png")).out,
              "54,24 50,20,59,29\n24,34 20,30,29,39\n");

    Image disc = Blank(100, 100);
    for (int y = 30; y <= 50; ++y) {
        for (int x = 40; x <= 60; ++x) {
            if ((x - 50) * (x - 50) + (y - 40) * (y - 40) <= 100) {
                Fill(disc, x, y, x, y);
            }
        }
    }
    const std::string dp = Png(disc, "disc.png");
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 --fill 70 " + dp).out, "50,40 40,30,60,50\n");
    EXPECT_EQ(Cmd("--grey 2 --min-size 5 --fill 75 " + dp).out, "");

    Image line = Blank(40, 40);
    Fill(line, 0, 10, 0, 30);
    const std::string lp = Png(line, "line.png");
    EXPECT_EQ(Cmd("--grey 2 --min-size 1 --fill 100 " + lp).out, "0,20 0,10,0,30\n");
    EXPECT_EQ(Cmd("--grey 2 --min-size 2 --fill 0 " + lp).out, "");

    Image grey = Blank(50, 50);
    Fill(grey, 10, 10, 19, 19, 0x3F3F3F);
    EXPECT_EQ(Cmd("--grey 1 --min-size 5 " + Png(grey, "g.png")).out, "14,14 10,10,19,19\n");
}

TEST_F(Cli, JsonAndCentreFile) {
    Image two = Square();
    Fill(two, 50, 20, 59, 29);
    const std::string p = Png(two);
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
    // Greys of band 2 and band 0, other colours around; alpha and gamma must not matter.
    Image im = Blank(64, 48, 0xD8E9EC);
    Fill(im, 3, 4, 20, 30, 0x404040);
    Fill(im, 30, 10, 60, 40, 0x5F5F5F);
    Fill(im, 40, 20, 45, 25, 0x000000);
    Fill(im, 10, 35, 25, 45, 0x414040);
    const std::string args = "--grey 2 --min-size 3 --fill 50 ";
    const std::string expected = Cmd(args + Png(im, "rgb.png")).out;
    ASSERT_EQ(expected, "11,17 3,4,20,30\n45,25 30,10,60,40\n");

    const std::vector<std::pair<int, int>> rgbForms = {{2, 16}, {6, 8}, {6, 16}, {3, 8}};
    for (const auto& [typ, hlbka] : rgbForms) {
        for (bool inter : {false, true}) {
            PngVolby v;
            v.typ = typ;
            v.hlbka = hlbka;
            v.prekladane = inter;
            v.priehladnost = typ == 3;
            const std::string name = "f" + std::to_string(typ) + "_" + std::to_string(hlbka) +
                                     (inter ? "i" : "") + ".png";
            EXPECT_EQ(Cmd(args + Png(im, name, v)).out, expected) << name;
        }
    }
    // Grey forms hold the red channel only: an image of pure greys gives the RGB result.
    Image g = Blank(64, 48, 0xC8C8C8);
    Fill(g, 3, 4, 20, 30, 0x404040);
    Fill(g, 30, 10, 60, 40, 0x5F5F5F);
    const std::string gexp = Cmd(args + Png(g, "grgb.png")).out;
    ASSERT_EQ(gexp, "11,17 3,4,20,30\n45,25 30,10,60,40\n");
    for (const auto& [typ, hlbka] :
         std::vector<std::pair<int, int>>{{0, 8}, {0, 16}, {4, 8}, {4, 16}, {3, 4}}) {
        PngVolby v;
        v.typ = typ;
        v.hlbka = hlbka;
        v.priehladnost = typ == 0;
        const std::string name = "g" + std::to_string(typ) + "_" + std::to_string(hlbka) + ".png";
        EXPECT_EQ(Cmd(args + Png(g, name, v)).out, gexp) << name;
    }
    // One bit per pixel: black squares on white, band 0.
    Image bw = Blank(40, 30);
    Fill(bw, 2, 2, 9, 9, 0);
    Fill(bw, 20, 5, 35, 25, 0);
    PngVolby one;
    one.typ = 0;
    one.hlbka = 1;
    EXPECT_EQ(Cmd("--min-size 5 " + Png(bw, "bw.png", one)).out, "5,5 2,2,9,9\n27,15 20,5,35,25\n");
}

TEST_F(Cli, AgreesWithTheSearchOnRandomImages) {
    std::mt19937 gen(777);
    for (int t = 0; t < 25; ++t) {
        Image im = Blank(30 + static_cast<int>(gen() % 20), 20 + static_cast<int>(gen() % 20));
        for (COLORREF& p : im.px) {
            if (gen() % 100 < 45) {
                p = 0x010101 * (gen() % 40);
            }
        }
        const V expected = Search(im, 0, 2, 30);
        std::string lines;
        for (const Found& f : expected) {
            lines += std::to_string(f[0]) + "," + std::to_string(f[1]) + " " +
                     std::to_string(f[2]) + "," + std::to_string(f[3]) + "," +
                     std::to_string(f[4]) + "," + std::to_string(f[5]) + "\n";
        }
        EXPECT_EQ(Cmd("--min-size 2 --fill 30 " + Png(im)).out, lines) << "case " << t;
    }
}

TEST_F(Cli, HelpGoesToStandardOutput) {
    const Vysledok r = Cmd("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: zornavit-cli"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, BadOptionsAreRefused) {
    const std::string p = Png(Square());
    ExpectRefused("--colour 3 " + p, "unknown option '--colour'");
    ExpectRefused("-x " + p, "unknown option '-x'");
    ExpectRefused("--grey " + p, "not a number");
    ExpectRefused("--grey 8 " + p, "--grey");
    ExpectRefused("--grey -1 " + p, "--grey");
    ExpectRefused("--grey 2x " + p, "--grey");
    ExpectRefused("--fill 101 " + p, "--fill");
    ExpectRefused("--fill '' " + p, "--fill");
    ExpectRefused("--min-size 65536 " + p, "--min-size");
    ExpectRefused("--min-size 99999999999999999999 " + p, "--min-size");
    for (const char* rect :
         {"1,2,3", "1,2,3,4,5", "a,b,c,d", "1,,2,3", "1,2,3,4,", " 1,2,3,4", "1,2,3,4294967296"}) {
        ExpectRefused(std::string("--exclude '") + rect + "' " + p, "--exclude");
    }
    ExpectRefused(p + " --out", "needs a value");
    ExpectRefused(p + " " + p, "more than one image");
    ExpectRefused("--json", "no image");
    EXPECT_EQ(Listing(), std::vector<std::string>{"in.png"});
}

TEST_F(Cli, BadImagesAreRefusedWithoutWritingAnything) {
    const std::string out = Path("Stredy.txt");
    { std::ofstream(out, std::ios::binary) << "old"; }
    const std::string good = Png(Square(), "good.png");
    const std::string bytes = ReadFile(good);
    std::ofstream(Path("half.png"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::ofstream(Path("short.png"), std::ios::binary) << bytes.substr(0, 5);
    std::string bad = bytes;
    bad[bad.size() / 2] ^= 0x55;
    std::ofstream(Path("corrupt.png"), std::ios::binary) << bad;
    std::ofstream(Path("text.png"), std::ios::binary) << "not an image\n";
    mkdir(Path("dir.png").c_str(), 0755);

    const std::string o = " --out " + out + " ";
    ExpectRefused(o + Path("missing.png"), "cannot open");
    ExpectRefused(o + Path("dir.png"), "dir.png");
    ExpectRefused(o + Path("text.png"), "not a PNG");
    ExpectRefused(o + Path("short.png"), "not a PNG");
    ExpectRefused(o + Path("half.png"), "corrupt or truncated");
    ExpectRefused(o + Path("corrupt.png"), "corrupt or truncated");
    EXPECT_EQ(ReadFile(out), "old");
}

TEST_F(Cli, OversizedImagesAreRefused) {
    PngVolby one;
    one.typ = 0;
    one.hlbka = 1;
    EXPECT_TRUE(ZapisPng(Path("wide.png"), 16385, 1, std::vector<COLORREF>(16385, 0), one));
    EXPECT_TRUE(ZapisPng(Path("high.png"), 1, 16385, std::vector<COLORREF>(16385, 0), one));
    ExpectRefused(Path("wide.png"), "16385 x 1");
    ExpectRefused(Path("high.png"), "16384");
    // The limit itself is accepted.
    Image edge = Blank(16384, 2, 0);
    EXPECT_TRUE(ZapisPng(Path("edge.png"), edge.w, edge.h, edge.px, one));
    const Vysledok r = Cmd("--min-size 1 --fill 100 " + Path("edge.png"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "8191,0 0,0,16383,1\n");
}

TEST_F(Cli, UnwritableCentreFileIsRefusedWithoutLeftovers) {
    const std::string p = Png(Square());
    ExpectRefused("--out " + Path("no/such/dir.txt") + " " + p, "cannot write");
    mkdir(Path("taken").c_str(), 0755);
    ExpectRefused("--out " + Path("taken") + " " + p, "cannot write");
    ExpectRefused("--out /dev/full/x " + p, "cannot write");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"in.png", "taken"}));
}

} // namespace
