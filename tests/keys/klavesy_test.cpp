// The keys: the settings rows' steps, the rows, the search bookkeeping, TAB; chords, clicks,
// numbers.
#include "base/stav.h"
#include "keys/klavesy.h"
#include "layout/rozlozenie.h"
#include "search/hladanie.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The values of the four settings rows: grey, size, fill, object; and what they start with.
std::vector<long> Riadky() {
    return {stupne_sedi, VelkostObjektu, percento_vyplne, cislo_objektu};
}
const std::vector<long> kZaciatok = {0, 20, 70, 0};

void NastavRiadky(const std::vector<long>& h) {
    stupne_sedi = h[0];
    VelkostObjektu = h[1];
    percento_vyplne = h[2];
    cislo_objektu = h[3];
}

class Klavesy : public testing::Test {
  protected:
    void SetUp() override {
        NastavRiadky(kZaciatok);
        cielova_farba = kBezFarby;
        volba = kVolbaStupen;
        PocetObjektov = 0;
        status = kStatusNapoveda;
        obsadene_skratky = 0;
        vypinac_TAB = 1;
        ASSERT_EQ(RezervujVysledky(0), 1); // the results, as the search module makes them at start
    }
    // Places n centres (10 * k, 20 * k) for objects k = 1..n and records a search finding them.
    static void Najdene(int n) {
        for (int k = 1; k <= n; ++k)
            centers[k - 1] = POINT{10 * k, 20 * k};
        VysledokHladania(n);
    }
    // The x of the centres n presses of TAB (or SHIFT+TAB) jump to, up to the first that does not.
    static std::vector<int> Skoky(int n, int (*skok)(POINT*) = SkokTAB) {
        std::vector<int> x;
        POINT ciel = {};
        for (int i = 0; i < n && skok(&ciel) == 1; ++i) {
            EXPECT_EQ(ciel.y, 2 * ciel.x);
            x.push_back(ciel.x);
        }
        return x;
    }
};

const int kVlavo = 0;

// RIGHT (on a desktop this wide) or LEFT on one row with three objects found: the row's value
// before and after. The size ladder: 1..10 by 1, to 50 by 5, to 200 by 10, to 500 by 20, to 1000
// by 50, then by 100 while below the desktop's width less 100; off-ladder values move by the same
// thresholds.
// clang-format off
struct Kroky { DWORD riadok; int vpravo; std::vector<std::pair<long, long>> pred_po; };
const Kroky kKroky[] = {
    {kVolbaStupen, 1920, {{6, 7}, {7, 7}}},
    {kVolbaStupen, kVlavo, {{1, 0}, {0, 0}}},
    {kVolbaVelkost, 1920, {{9, 10}, {10, 15}, {45, 50}, {50, 60}, {190, 200}, {200, 220}, {480, 500}, {500, 550},
                           {950, 1000}, {1000, 1100}, {1819, 1919}, {1820, 1820}, {0, 0}, {12, 17}}},
    {kVolbaVelkost, kVlavo, {{10, 9}, {15, 10}, {12, 7}, {50, 45}, {60, 50}, {200, 190}, {220, 200}, {500, 480},
                             {550, 500}, {1000, 950}, {1100, 1000}, {1, 1}, {0, 0}, {55, 50}}},
    {kVolbaVelkost, 640, {{500, 550}, {550, 550}}},
    {kVolbaVypln, 1920, {{95, 100}, {100, 100}, {97, 102}, {102, 102}}},
    {kVolbaVypln, kVlavo, {{10, 5}, {5, 5}}},
    {kVolbaObjekt, 1920, {{1, 2}, {3, 3}}},
    {kVolbaObjekt, kVlavo, {{1, 1}, {2, 1}}},
};
// clang-format on

} // namespace

TEST_F(Klavesy, LeftAndRightStepTheSelectedRowOnly) {
    for (const Kroky& k : kKroky)
        for (const auto& [pred, po] : k.pred_po) {
            SCOPED_TRACE(testing::Message() << "row " << k.riadok << " from " << pred
                                            << (k.vpravo == kVlavo ? " LEFT" : " RIGHT"));
            PocetObjektov = 3;
            volba = k.riadok;
            std::vector<long> cakane = kZaciatok;
            cakane[k.riadok - 1] = pred;
            NastavRiadky(cakane);
            cakane[k.riadok - 1] = po;
            if (k.vpravo == kVlavo)
                KlavesVlavo();
            else
                KlavesVpravo(k.vpravo);
            EXPECT_EQ(Riadky(), cakane);
        }
}

// F picks a colour (one with a top byte is none); other rows keep it; LEFT or RIGHT on row 1 goes
// back to the band as it was, the next one moves the band.
TEST_F(Klavesy, FPicksAColourAndRowOneGoesBackToTheBand) {
    const int kF = 'F';
    // clang-format off
    const struct { int klaves; DWORD riadok, farba, cielova, stupen; } kroky[] = {
        {kF, kVolbaStupen, 0x336699, 0x336699, 3}, {kF, kVolbaStupen, 0xFFFFFFFF, 0x336699, 3},
        {kF, kVolbaStupen, 0x01000000, 0x336699, 3}, {1920, kVolbaVelkost, 0, 0x336699, 3},
        {kVlavo, kVolbaVypln, 0, 0x336699, 3}, {kVlavo, kVolbaStupen, 0, kBezFarby, 3},
        {kVlavo, kVolbaStupen, 0, kBezFarby, 2}, {kF, kVolbaStupen, 0x010203, 0x010203, 2},
        {1920, kVolbaStupen, 0, kBezFarby, 2}, {1920, kVolbaStupen, 0, kBezFarby, 3}};
    // clang-format on
    stupne_sedi = 3;
    for (const auto& k : kroky) {
        SCOPED_TRACE(testing::Message()
                     << "key " << k.klaves << " on row " << k.riadok << " colour " << k.farba);
        volba = k.riadok;
        if (k.klaves == kF)
            KlavesFarba(k.farba);
        else if (k.klaves == kVlavo)
            KlavesVlavo();
        else
            KlavesVpravo(k.klaves);
        EXPECT_EQ(cielova_farba, k.cielova);
        EXPECT_EQ(stupne_sedi, k.stupen);
    }
}

// Three rows without results, four with; a row loaded out of range goes back to the first.
TEST_F(Klavesy, UpAndDownWrapOverTheRowsOffered) {
    // clang-format off
    const struct { int najdene; DWORD pred; void (*klaves)(); DWORD po; } kroky[] = {
        {0, 1, KlavesHore, 3}, {0, 3, KlavesDole, 1}, {2, 3, KlavesDole, 4},
        {2, 4, KlavesDole, 1}, {2, 1, KlavesHore, 4}, {0, 9, KlavesDole, 1}};
    // clang-format on
    for (const auto& k : kroky) {
        PocetObjektov = k.najdene;
        volba = k.pred;
        k.klaves();
        EXPECT_EQ(volba, k.po) << "row " << k.pred << (k.klaves == KlavesHore ? " UP" : " DOWN")
                               << " with " << k.najdene << " objects found";
    }
}

// After a search on the object row, TAB used: what it found (-1: no memory) and whether the
// centre file was written; then the status, the count, the object chosen, the row; TAB afresh.
TEST_F(Klavesy, TheSearchResultIsBookedAndTabStartsAfresh) {
    // clang-format off
    const struct { int najdene; bool zapisane; int cislo_pred, status, pocet, cislo; DWORD volba; } vysledky[] = {
        {4, true, 0, kStatusPocet, 4, 1, kVolbaObjekt},          // the first chosen
        {3, true, 4, kStatusPocet, 3, 3, kVolbaObjekt},          // cut to the last
        {0, true, 2, kStatusNic, 0, 0, kVolbaVelkost},           // the object row left
        {-1, true, 2, kStatusMaloPamate, 0, 0, kVolbaVelkost},   // as nothing found
        {3, false, 2, kStatusNezapisane, 3, 2, kVolbaObjekt},    // the results stand
        {-1, false, 2, kStatusMaloPamate, 0, 0, kVolbaVelkost}}; // memory says more than the file
    // clang-format on
    for (const auto& v : vysledky) {
        SCOPED_TRACE(testing::Message()
                     << v.najdene << (v.zapisane ? " found" : " found, unwritten"));
        volba = kVolbaObjekt;
        cislo_objektu = v.cislo_pred;
        vypinac_TAB = 0;
        Najdene(v.najdene);
        if (!v.zapisane)
            StredyNezapisane();
        EXPECT_EQ(status, v.status);
        EXPECT_EQ(PocetObjektov, v.pocet);
        EXPECT_EQ(cislo_objektu, v.cislo);
        EXPECT_EQ(volba, v.volba);
        EXPECT_EQ(vypinac_TAB, 1);
        POINT ciel;
        EXPECT_EQ(SkokTAB(&ciel), v.pocet > 0 ? 1 : 0) << "TAB jumps with results only";
    }
}

TEST_F(Klavesy, ASavedObjectRowIsLeftAtCreation) {
    volba = kVolbaObjekt;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, kVolbaVelkost);
    volba = kVolbaVypln;
    VolbaPoVytvoreni();
    EXPECT_EQ(volba, kVolbaVypln);
}

// The current object first, then on with a wrap; one switch for both: after TAB, SHIFT+TAB steps
// at once.
TEST_F(Klavesy, TabAndShiftTabVisitTheCentresInTurnAndWrap) {
    Najdene(3);
    EXPECT_EQ(Skoky(5), (std::vector<int>{10, 20, 30, 10, 20}));
    EXPECT_EQ(Skoky(4, SkokSpat), (std::vector<int>{10, 30, 20, 10}));
}

TEST_F(Klavesy, OnTheObjectRowTabStaysOnTheChosenObject) {
    Najdene(4);
    volba = kVolbaObjekt;
    cislo_objektu = 3;
    EXPECT_EQ(Skoky(2), (std::vector<int>{30, 30}));
    EXPECT_EQ(Skoky(2, SkokSpat), (std::vector<int>{30, 30}));
}

namespace {

// The keys that reach out of the window.
class Skratky : public Klavesy {};

// One step of typing a number: a digit "d@ms", "T" the wait's end, "X" another key. Its outcome:
// the object jumped to, w(ait) for more digits, n(one) with that number, or "-" for another key.
std::string KrokCisla(const std::string& krok) {
    int cislo = 0;
    if (krok == "X") {
        ZrusCislo();
        return "-";
    }
    if (krok == "T")
        cislo = KoniecCisla();
    else
        cislo = CifraCisla(krok[0] - '0', std::stoul(krok.substr(2)));
    return cislo == kCisloCaka ? "w" : cislo == kCisloZiadne ? "n" : std::to_string(cislo);
}

} // namespace

// A key held down clicks once; CTRL goes before SHIFT; the arrows and PAGE DOWN only change the
// settings in the window.
TEST_F(Skratky, EachKeyInTheWindowDoesItsOwnThing) {
    // clang-format off
    const struct { int klaves, shift, ctrl, opakovany, ukon; } klavesy[] = {
        {0x09, 0, 0, 0, kUkonDalsi}, {0x09, 1, 1, 1, kUkonSpat}, {0x0D, 1, 0, 0, kUkonHladaj},
        {0x20, 0, 0, 0, kUkonKlik}, {0x20, 1, 0, 0, kUkonKlikPravy}, {0x20, 1, 1, 0, kUkonDvojklik},
        {0x20, 0, 0, 1, kUkonNic}, {0x25, 0, 0, 0, kUkonNic}, {0x22, 0, 0, 0, kUkonNic}};
    // clang-format on
    for (const auto& k : klavesy)
        EXPECT_EQ(UkonKlavesu(k.klaves, k.shift, k.ctrl, k.opakovany), k.ukon)
            << "key " << k.klaves << ", shift " << k.shift << ", ctrl " << k.ctrl << ", repeated "
            << k.opakovany;
}

// Chords another program holds (bit i chord i) keep the status box, all four named as one; once
// every chord is registered after all, the hint is back.
TEST_F(Skratky, HeldChordsAreNamedInTheStatusBox) {
    const std::pair<int, const char*> obsadene[] = {{2, "Ctrl+Alt+PgDn je obsaden\xe1"},
                                                    {9, "Ctrl+Alt+ENTER,SPACE obsaden\xe9"},
                                                    {15, "Skratky Ctrl+Alt s\xfa obsaden\xe9"}};
    for (const auto& [maska, cakany] : obsadene) {
        SkratkyObsadene(maska);
        EXPECT_EQ(status, kStatusSkratky) << "mask " << maska;
        char text[NAPIS_BUFFER];
        TextObsadenychSkratiek(text, sizeof text);
        EXPECT_STREQ(text, cakany) << "mask " << maska;
    }
    SkratkyObsadene(0);
    EXPECT_EQ(status, kStatusNapoveda);
}

// The cursor goes to the current object first, as on TAB, so the next TAB goes on from there.
TEST_F(Skratky, AClickGoesToTheCurrentObject) {
    POINT ciel = {};
    EXPECT_EQ(CielKliku(&ciel), 0) << "nothing found";
    Najdene(12);
    cislo_objektu = 3;
    ASSERT_EQ(CielKliku(&ciel), 1);
    EXPECT_EQ(ciel.x, 30);
    EXPECT_EQ(Skoky(1), std::vector<int>{40});
}

// Digits of the main and the numeric keys.
TEST_F(Skratky, TheDigitKeys) {
    const std::pair<int, int> klavesy[] = {{0x30, 0}, {0x39, 9},  {0x60, 0},
                                           {0x69, 9}, {0x3A, -1}, {0x2F, -1}};
    for (const auto& [klaves, cifra] : klavesy)
        EXPECT_EQ(CifraKlavesu(klaves), cifra) << "key " << klaves;
}

// Each row types into a fresh number over that many objects; each step's outcome in turn. A number
// no prefix of another's jumps at once; digits a second apart start anew; a leading zero waits.
TEST_F(Skratky, DigitsTypedTogetherMakeOneNumber) {
    // clang-format off
    const struct { int najdene; const char* kroky; const char* vysledky; } riadky[] = {
        {12, "1@0 T", "w 1"}, {12, "1@5000 2@5999 T", "w 12 n"}, {12, "1@0 1@1000 T", "w w 1"}, {12, "1@0 3@100 T", "w n n"},
        {12, "5@0", "5"}, {12, "0@0 7@50", "w 7"}, {12, "1@0 X 2@100", "w - 2"}, {100, "1@0 0@10 0@20", "w w 100"}};
    // clang-format on
    for (const auto& r : riadky) {
        SCOPED_TRACE(testing::Message() << r.kroky << " over " << r.najdene << " objects");
        Najdene(r.najdene);
        KoniecCisla();
        std::istringstream kroky(r.kroky), vysledky(r.vysledky);
        for (std::string krok; kroky >> krok;) {
            std::string cakany = "(none)";
            vysledky >> cakany;
            EXPECT_EQ(KrokCisla(krok), cakany) << "at " << krok;
        }
    }
}

TEST_F(Skratky, TabGoesOnFromTheObjectJumpedTo) {
    Najdene(12);
    POINT ciel = {};
    SkokNaCislo(11, &ciel);
    EXPECT_EQ(ciel.x, 110);
    EXPECT_EQ(cislo_objektu, 11);
    EXPECT_EQ(Skoky(1), std::vector<int>{120});
}
