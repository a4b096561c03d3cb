// A part of hladanie.cpp, included there once inside its unnamed namespace: the work tables:
// labels, row runs, masks and reach, sized for one screen and reused while it stays.
#pragma once

// A label of the touching modes: a union-find node with the box and the pixel count of the runs
// that took it. Labels are handed out in scan order and a union keeps the smaller root, so every
// parent is smaller than its child and the root of an object is the label of its first run, the one
// holding its first pixel.
struct Znacka {
    int32_t rodic;
    int32_t lavy;
    int32_t pravy;
    int32_t hore;
    int32_t dole;
    int32_t pocet;
};

// The runs of one row: their first and last columns and their labels (one spare slot, read but
// never used when a run touches no run above); per 64-column word the bits of their
// first and last columns and how many of them start and end in the words before. The
// words -1 and slov stay empty, so a count may ask for any column from -2 to the width.
struct BehyRiadku {
    int32_t* zac;
    int32_t* kon;
    int32_t* zn;
    uint64_t* bz;
    uint64_t* bk;
    int32_t* pz;
    int32_t* pk;
};

// Work tables, sized for one screen size and reused while it stays.
struct Tabulky {
    int sirka;
    int vyska;
    int slov;        // 64-pixel words of a row's mask
    int krok;        // words per row: the mask and one empty word behind it
    uint64_t* pamat; // one empty word, then the rows, then one empty row
    uint64_t* bity;  // live grey pixels of row y, bit x % 64 of word y * krok + x / 64
    int32_t* rz;     // per row, the stored column range by rows, the reach's words when filling;
    int32_t* rk;     // only rows hore .. dole of the object hold one
    Znacka* znacky;  // the touching modes' labels, made by their first search
    uint64_t* pamatDosahu; // laid out as pamat; made with the labels
    uint64_t* dosah;       // the pixels the object being filled has reached, as bity
    uint8_t* cakaju;       // per row, the neighbours it waits to be checked against
    int32_t* zasobnik;     // the rows waiting
    BehyRiadku riadky[2];  // the runs of the row above and of the row being labelled
    int32_t* spoje;        // the runs that touch more than one run above: first and last
    void* pamatBehov;      // the memory of riadky and spoje
};

// What the passes gather about one object.
struct Objekt {
    int hore;
    int dole;
    int lavy;
    int pravy;
    long long pocet;
};

// Words of the masks: one empty word, a mask and an empty word per row, one empty row.
size_t SlovMasiek(int sirka, int vyska) {
    const size_t krok = static_cast<size_t>((sirka + 63) / 64 + 1);
    return krok * (static_cast<size_t>(vyska) + 1) + 1;
}

// Frees the touching modes' tables and marks them as not made.
void UvolniDotykove(Tabulky& t) {
    std::free(t.znacky);
    std::free(t.pamatBehov);
    std::free(t.pamatDosahu);
    std::free(t.cakaju);
    std::free(t.zasobnik);
    t.znacky = nullptr;
    t.pamatBehov = nullptr;
    t.pamatDosahu = nullptr;
    t.cakaju = nullptr;
    t.zasobnik = nullptr;
}

void UvolniTabulky(Tabulky& t) {
    std::free(t.pamat);
    std::free(t.rz);
    std::free(t.rk);
    UvolniDotykove(t);
}

size_t ZnaciekPre(int sirka, int vyska) {
    return static_cast<size_t>(vyska) * static_cast<size_t>((sirka + 1) / 2);
}

// The two rows' runs and the links, for rows of slov64 mask words.
size_t PamatBehovPre(int slov64) {
    size_t behov = static_cast<size_t>(slov64) * 32 + 1;
    size_t slov = static_cast<size_t>(slov64) + 2;
    return 2 * (2 * slov * 8 + 2 * slov * 4 + 3 * behov * 4) + 2 * behov * 4;
}

// The labels for the worst case, every run of every row a new one (a chequerboard); pages that
// no search reaches are never touched. False when they cannot be had.
bool PripravZnacky(Tabulky& t) {
    if (t.znacky != nullptr)
        return true;
    size_t behov = static_cast<size_t>(t.slov) * 32 + 1;
    size_t slov = static_cast<size_t>(t.slov) + 2;
    size_t znaciek = ZnaciekPre(t.sirka, t.vyska);
    if (znaciek > SIZE_MAX / sizeof(Znacka))
        return false; // more than a 32-bit process can address
    t.znacky = static_cast<Znacka*>(std::malloc(znaciek * sizeof(Znacka)));
    t.pamatBehov = std::calloc(PamatBehovPre(t.slov), 1);
    t.pamatDosahu =
        static_cast<uint64_t*>(std::calloc(SlovMasiek(t.sirka, t.vyska), sizeof(uint64_t)));
    t.cakaju = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(t.vyska), 1));
    t.zasobnik = static_cast<int32_t*>(std::malloc(static_cast<size_t>(t.vyska) * 4));
    if (t.znacky == nullptr || t.pamatBehov == nullptr || t.pamatDosahu == nullptr ||
        t.cakaju == nullptr || t.zasobnik == nullptr) {
        UvolniDotykove(t);
        return false;
    }
    t.dosah = t.pamatDosahu + 1;
    uint64_t* slova = static_cast<uint64_t*>(t.pamatBehov);
    int32_t* cisla = reinterpret_cast<int32_t*>(slova + 4 * slov);
    for (BehyRiadku& r : t.riadky) {
        r.bz = slova + 1;
        r.bk = slova + slov + 1;
        slova += 2 * slov;
        r.pz = cisla + 1;
        r.pk = cisla + slov + 1;
        cisla += 2 * slov;
    }
    for (BehyRiadku& r : t.riadky) {
        r.zac = cisla;
        r.kon = cisla + behov;
        r.zn = cisla + 2 * behov;
        cisla += 3 * behov;
    }
    t.spoje = cisla;
    return true;
}

// The empty words around the rows stop every run scan at the row's ends. Null when the tables
// cannot be had.
Tabulky* PripravTabulky(int sirka, int vyska) {
    static Tabulky t = {};
    if (t.pamat != nullptr && t.sirka == sirka && t.vyska == vyska)
        return &t;
    UvolniTabulky(t);
    t = Tabulky{};
    t.sirka = sirka;
    t.vyska = vyska;
    t.slov = (sirka + 63) / 64;
    t.krok = t.slov + 1;
    size_t slov = SlovMasiek(sirka, vyska);
    size_t riadkov = static_cast<size_t>(vyska) + 1;
    t.pamat = static_cast<uint64_t*>(std::calloc(slov, sizeof(uint64_t)));
    t.rz = static_cast<int32_t*>(std::malloc(riadkov * sizeof(int32_t)));
    t.rk = static_cast<int32_t*>(std::malloc(riadkov * sizeof(int32_t)));
    if (t.pamat == nullptr || t.rz == nullptr || t.rk == nullptr) {
        UvolniTabulky(t);
        t = Tabulky{};
        return nullptr;
    }
    t.bity = t.pamat + 1;
    return &t;
}
