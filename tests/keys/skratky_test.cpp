// The keys that reach out of the window: what each key and chord does, the clicks, the jump by
// number.
#include "base/stav.h"
#include "keys/klavesy.h"
#include "layout/rozlozenie.h"
#include "search/hladanie.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class Skratky : public testing::Test {
  protected:
    void SetUp() override {
        volba = kVolbaStupen;
        PocetObjektov = 0;
        cislo_objektu = 0;
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
};

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

// Ctrl+Alt with ENTER, PAGE DOWN, PAGE UP and SPACE, each doing what its key does; no fifth chord.
TEST_F(Skratky, FourChordsDoWhatTheirKeysDo) {
    const struct {
        int klaves, ukon;
    } skratky[] = {{0x0D, kUkonHladaj}, {0x22, kUkonDalsi}, {0x21, kUkonSpat}, {0x20, kUkonKlik}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(KlavesSkratky(i), skratky[i].klaves) << "chord " << i;
        EXPECT_EQ(UkonSkratky(i), skratky[i].ukon) << "chord " << i;
    }
    EXPECT_EQ(UkonSkratky(4), kUkonNic);
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
    ASSERT_EQ(SkokTAB(&ciel), 1);
    EXPECT_EQ(ciel.x, 40);
    EXPECT_EQ(ciel.y, 80);
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
        {12, "1@0 1@100", "w 11"}, {12, "1@0 T", "w 1"}, {12, "1@0 2@999 T", "w 12 n"}, {12, "1@0 1@1000 T", "w w 1"},
        {12, "1@0 3@100 T", "w n n"}, {12, "5@0", "5"}, {12, "0@0 7@50", "w 7"}, {12, "1@0 X 2@100", "w - 2"},
        {9, "9@0", "9"}, {100, "1@0 0@10 0@20", "w w 100"}, {100, "1@0 0@10 T", "w w 10"}, {0, "1@0", "n"}};
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
    ASSERT_EQ(SkokTAB(&ciel), 1);
    EXPECT_EQ(ciel.x, 120);
    EXPECT_EQ(ciel.y, 240);
}
