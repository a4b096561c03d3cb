// The command-line finder run on PNG files: its options, every PNG form, its outputs, bad input.
#include "base/verzia.h"
#include "tests/search/porovnanie.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

// The image as a PNG of a libpng format. Grey formats take the red channel; alpha varies; linear
// (16-bit) samples get a low byte of 0xFF (a reader rounding instead of keeping the high byte
// shows); colour-mapped formats a palette of the image's colours (two: one bit per pixel).
bool ZapisPng(const std::string& cesta, const Obrazovka& im, png_uint_32 format) {
    const bool mapa = format & PNG_FORMAT_FLAG_COLORMAP, linearne = format & PNG_FORMAT_FLAG_LINEAR;
    const int kanaly = PNG_IMAGE_SAMPLE_CHANNELS(format);
    const int farebne = kanaly - (format & PNG_FORMAT_FLAG_ALPHA ? 1 : 0);
    // The samples of pixel i's colour: its channels from red on, then the alpha.
    const auto PridajFarbu = [&](int i, std::vector<png_uint_16>& ciel) {
        for (int j = 0; j < kanaly; j++) {
            const png_uint_16 v = j < farebne ? im.farby[i] >> 8 * j & 0xFF : i % 251;
            ciel.push_back(linearne ? v << 8 | 0xFF : v);
        }
    };
    std::vector<COLORREF> paleta;
    std::vector<png_uint_16> vzorky, farby_palety; // of the pixels or their indices; of the palette
    for (int i = 0; i < im.sirka * im.vyska; i++) {
        const size_t k = std::find(paleta.begin(), paleta.end(), im.farby[i]) - paleta.begin();
        if (mapa && k == paleta.size()) {
            paleta.push_back(im.farby[i]);
            PridajFarbu(i, farby_palety);
        }
        if (mapa)
            vzorky.push_back(k);
        else
            PridajFarbu(i, vzorky);
    }
    const std::vector<png_byte> bajty(vzorky.begin(), vzorky.end()),
        paleta8(farby_palety.begin(), farby_palety.end());
    png_image obraz = {};
    obraz.version = PNG_IMAGE_VERSION;
    obraz.width = im.sirka;
    obraz.height = im.vyska;
    obraz.format = format;
    obraz.colormap_entries = paleta.size();
    const void* pixely = linearne ? static_cast<const void*>(vzorky.data()) : bajty.data();
    return png_image_write_to_file(&obraz, cesta.c_str(), 0, pixely, 0, paleta8.data()) != 0;
}

const png_uint_32 kBit = PNG_FORMAT_GRAY | PNG_FORMAT_FLAG_COLORMAP; // 1 bit for 2 colours

// Two squares of band 2 and one of band 1.
const Obrazovka kSquares =
    Boxes(100, 100, {{20, 30, 29, 39}, {50, 20, 59, 29}, {70, 60, 79, 69, 0x3F3F3F}});

struct Vystup {
    int kod;
    std::string out, err;
};

// Each test runs the finder in a scratch directory of its own; its outputs land in "out" and "err".
class Cli : public testing::Test {
  protected:
    void SetUp() override { dir_ = std::string(mkdtemp(dir_.data())) + "/"; } // throws on failure
    void TearDown() override { fs::remove_all(dir_); }
    std::string Png(const Obrazovka& im, const std::string& name = "in.png", png_uint_32 v = 2) {
        return ZapisPng(dir_ + name, im, v) ? name : "unwritten"; // RGB unless told
    }
    Vystup Cmd(const std::string& args) const {
        const int rc =
            std::system(("cd " + dir_ + " && " ZORNAVIT_CLI " " + args + " >out 2>err").c_str());
        return {WEXITSTATUS(rc), ReadFile(dir_ + "out"), ReadFile(dir_ + "err")};
    }
    // Each run of the table succeeds and prints what its row says.
    void Spusti(const std::vector<std::pair<std::string, std::string>>& riadky) const {
        for (const auto& [args, out] : riadky) {
            SCOPED_TRACE(args);
            const Vystup v = Cmd(args);
            EXPECT_EQ(v.kod, 0);
            EXPECT_EQ(v.out, out);
            EXPECT_EQ(v.err, "");
        }
    }
    // The files in the directory besides the finder's outputs.
    long Files() const {
        return std::count_if(fs::directory_iterator(dir_), {}, [](const fs::directory_entry& f) {
            return f.path().filename() != "out" && f.path().filename() != "err";
        });
    }
    std::string dir_ = "/tmp/zornavit-cli-XXXXXX";
};

} // namespace

// A diagonal chain (each grouping by name); a hollow frame around a block (one object by rows, the
// default); a colour (17, 34, 51) and one 9 off in red, a grey of band 2 and one of spread 9;
// images of the largest size read.
TEST_F(Cli, OptionsReachTheSearch) {
    const std::string u = Png(Art("##..##|##..##|##..##|######"), "u.png"),
                      sq = Png(kSquares, "sq.png");
    // 20 x 20 boxes filled 70 % (a 10 x 12 hole) and 69.75 % (11 x 11), and a full one 19 wide.
    const std::string d = Png(Boxes(60, 60,
                                    {{5, 5, 24, 24, 0x1F1F1F},
                                     {10, 9, 19, 20, 0xFFFFFF},
                                     {30, 2, 49, 21, 0x1F1F1F},
                                     {35, 6, 45, 16, 0xFFFFFF},
                                     {30, 30, 48, 48, 0}}),
                              "d.png");
    const std::string both = "54,24 50,20,59,29\n24,34 20,30,29,39\n";
    const std::string dc = Png(Art("#....|.#...|..#..|...#.|....#"), "dc.png");
    const std::string fr =
        Png(Art("########|#......#|#.####.#|#.####.#|#......#|########"), "fr.png");
    const std::string col = Png(Boxes(60, 40,
                                      {{5, 5, 14, 14, 0x332211},
                                       {30, 5, 39, 14, 0x33221A},
                                       {5, 25, 14, 34, 0x4C4C4C},
                                       {30, 25, 39, 34, 0x4C4C55}}),
                                "col.png");
    // clang-format off
    Spusti({
        {d, "14,14 5,5,24,24\n"}, // band 0, size 20, fill 70 by default
        {"--grey 2 --min-size 1 --fill 75 " + u, "2,1 0,0,5,3\n"}, {"--grey=2 --min-size=1 --fill=76 " + u, ""},
        {"--grey 1 --min-size 5 " + sq, "74,64 70,60,79,69\n"}, {"--grey 2 --min-size 2 --fill 60 " + fr, "3,2 0,0,7,5\n"},
        {"--grey 2 --min-size 5 --exclude 25,-100,40,1000 " + sq, "54,24 50,20,59,29\n22,34 20,30,24,39\n"},
        {"--grey 2 --exclude=-2147483648,-2147483648,2147483647,2147483647 " + sq, ""},
        {"--grey 2 --min-size 5 --exclude 30,0,20,99 " + sq, both}, // left beyond right: nothing left out
        {"--grey 2 --min-size 1 --fill 0 --connectivity 4 " + dc, "0,0 0,0,0,0\n1,1 1,1,1,1\n2,2 2,2,2,2\n3,3 3,3,3,3\n4,4 4,4,4,4\n"},
        {"--grey 2 --min-size 1 --fill 0 --connectivity=8 " + dc, "2,2 0,0,4,4\n"}, {"--grey 2 --min-size 1 --fill 0 --connectivity rows " + dc, ""},
        {"--grey 2 --min-size 5 " + col, "9,29 5,25,14,34\n"}, {"--color 112233 --tolerance 8 --min-size 5 " + col, "9,9 5,5,14,14\n"},
        {"--color=112233 --tolerance=9 --min-size 5 " + col, "9,9 5,5,14,14\n34,9 30,5,39,14\n"},
        {"--tolerance 9 --grey 2 --min-size 5 --connectivity 4 " + col, "9,29 5,25,14,34\n34,29 30,25,39,34\n"},
        {"--min-size 1 --fill 100 " + Png(Boxes(16384, 2, {}, 0), "wide.png", kBit), "8191,0 0,0,16383,1\n"},
        {"--min-size 1 --fill 100 " + Png(Boxes(2, 16384, {}, 0), "high.png", kBit), "0,8191 0,0,1,16383\n"},
    });
    // clang-format on
}

// Grey forms hold the red channel only: they get pure greys, the others colours and an off-grey.
TEST_F(Cli, EveryPngFormGivesTheSameResult) {
    std::vector<std::vector<int>> boxy = {{3, 4, 20, 30}, {30, 10, 60, 40, 0x5F5F5F}};
    const Obrazovka grey = Boxes(64, 48, boxy, 0xC8C8C8);
    boxy.insert(boxy.end(), {{40, 20, 45, 25, 0}, {10, 35, 25, 45, 0x414040}});
    const Obrazovka rgb = Boxes(64, 48, boxy, 0xD8E9EC);
    std::vector<std::pair<std::string, std::string>> riadky;
    for (png_uint_32 v : std::initializer_list<png_uint_32>{
             PNG_FORMAT_RGB, PNG_FORMAT_LINEAR_RGB, PNG_FORMAT_RGBA, PNG_FORMAT_RGBA_COLORMAP,
             PNG_FORMAT_GRAY, PNG_FORMAT_LINEAR_Y, PNG_FORMAT_GA, PNG_FORMAT_RGB_COLORMAP}) {
        const std::string png =
            Png(v & PNG_FORMAT_FLAG_COLOR ? rgb : grey, std::to_string(v) + ".png", v);
        riadky.push_back(
            {"--grey 2 --min-size 3 --fill 50 " + png, "11,17 3,4,20,30\n45,25 30,10,60,40\n"});
    }
    Spusti(riadky);
}

// The centre file gets the usual rights; an empty one replaces the old one; no file left behind.
TEST_F(Cli, JsonListsTheObjectsAndTheCentreFileIsWrittenWhole) {
    std::ofstream(dir_ + "S.txt") << "old";
    const std::string sq = Png(kSquares, "sq.png");
    // clang-format off
    Spusti({{"--grey 2 --min-size 5 --json --out Stredy.txt " + sq,
             "[\n  {\"x\": 54, \"y\": 24, \"left\": 50, \"top\": 20, \"right\": 59, \"bottom\": 29},\n"
             "  {\"x\": 24, \"y\": 34, \"left\": 20, \"top\": 30, \"right\": 29, \"bottom\": 39}\n]\n"},
            {"--grey 5 --json --out=S.txt " + sq, "[]\n"}});
    // clang-format on
    EXPECT_EQ(ReadFile(dir_ + "Stredy.txt"), "54,24\r\n24,34\r\n");
    EXPECT_EQ(ReadFile(dir_ + "S.txt"), "");
    const auto prava = fs::status(dir_ + "Stredy.txt").permissions() & fs::perms::group_read;
    EXPECT_EQ(prava, fs::perms::group_read);
    EXPECT_EQ(Files(), 3) << "a file left behind";
}

TEST_F(Cli, HelpPrintsTheUsageAndVersionTheVersion) {
    const Vystup v = Cmd("--help");
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.out.substr(0, 19), "usage: zornavit-cli");
    EXPECT_EQ(v.err, "");
    EXPECT_EQ(Cmd("--version").out, "zornavit-cli " ZORNAVIT_VERZIA "\n");
}

// Status 2, one line on standard error naming the problem, nothing on standard output, no file
// written, none left behind.
TEST_F(Cli, BadInputIsRefusedWithOneLineAndNothingWritten) {
    const std::string png = ReadFile(dir_ + Png(kSquares, "sq.png"));
    // clang-format off
    const std::pair<std::string, std::string> obsahy[] = {{"text.png", "not an image\n"},
        {"short.png", png.substr(0, 5)}, {"half.png", png.substr(0, png.size() / 2)}, {"T.txt", "old"}};
    // clang-format on
    for (const auto& [meno, obsah] : obsahy)
        std::ofstream(dir_ + meno, std::ios::binary) << obsah;
    fs::create_directory(dir_ + "dir.png");
    fs::create_directory(dir_ + "taken");
    Png(Boxes(16385, 1, {}, 0), "wide2.png", kBit);
    Png(Boxes(1, 16385, {}, 0), "high2.png", kBit);
    const long subory = Files();
    // clang-format off
    std::vector<std::pair<std::string, std::string>> zle = {
        {"sq.png --out", "needs a value"}, {"sq.png sq.png", "more than one image"}, {"--json", "no image"},
        {"missing.png", "cannot open"}, {"dir.png", "dir.png"}, {"text.png", "not a PNG"}, {"short.png", "not a PNG"},
        {"half.png", "corrupt or truncated"}, {"wide2.png", "16385 x 1"}, {"high2.png", "16384"},
        {"--out no/such/dir.txt sq.png", "cannot write"},
        {"--out taken sq.png", "cannot write"}, // the temporary file cannot replace a directory
        {"--grey 1 --color 112233 sq.png", "--grey and --color exclude each other"}};
    const std::pair<std::string, std::vector<std::string>> volby[] = { // a missing value takes the image
        {"--colour", {"3"}}, {"--grey", {"", "8", "-1", "2x"}}, {"--fill", {"101", "''"}}, {"--color", {"'#112233'"}},
        {"--tolerance", {"65"}}, {"--min-size", {"65536", "99999999999999999999"}}, {"--connectivity", {"6", "Rows"}},
        {"--exclude", {"1,2,3", "1,2,3,4,5", "' 1,2,3,4'", "1,2,3,4294967296"}}};
    // clang-format on
    for (const auto& [volba, hodnoty] : volby)
        for (const std::string& hodnota : hodnoty)
            zle.push_back({volba + " " + hodnota + " sq.png", volba});
    for (const auto& [args, mentions] : zle) {
        SCOPED_TRACE(args);
        const Vystup v = Cmd("--out T.txt " + args);
        EXPECT_EQ(v.kod, 2);
        EXPECT_EQ(v.out, "");
        EXPECT_EQ(v.err.find('\n'), v.err.size() - 1) << v.err;
        EXPECT_NE(v.err.find(mentions), std::string::npos) << v.err;
    }
    EXPECT_EQ(ReadFile(dir_ + "T.txt"), "old");
    EXPECT_EQ(Files(), subory) << "a file left behind";
}
