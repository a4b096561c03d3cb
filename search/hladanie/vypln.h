// A part of hladanie.cpp, included there once inside its unnamed namespace: the touching groupings
// by filling each object from its first pixel, a word at a time.
#pragma once

// The touching modes by filling: each object is filled from its first pixel on whole 64-pixel
// words, row by row, each row taking the runs that touch what a neighbouring row has reached. A
// screen of large objects full of holes (panels of text) takes a few word operations per row where
// labelling its runs one by one takes dozens per run; screens of many small pieces go to the
// labelling instead.

inline uint64_t* Dosah(const Tabulky& t, int y) {
    return t.dosah + static_cast<size_t>(y) * static_cast<size_t>(t.krok);
}

// The pixels of m's runs that lie at or below a pixel of f within its word (f within m).
inline uint64_t RozotriDole(uint64_t f, uint64_t m) {
    f |= (f >> 1) & m;
    m &= m >> 1;
    f |= (f >> 2) & m;
    m &= m >> 2;
    f |= (f >> 4) & m;
    m &= m >> 4;
    f |= (f >> 8) & m;
    m &= m >> 8;
    f |= (f >> 16) & m;
    m &= m >> 16;
    return f | ((f >> 32) & m);
}

// The live pixels of word w touching the reach d of the next row (along a side, or at a corner
// too).
inline uint64_t Semena(const uint64_t* m, const uint64_t* d, int w, int roh) {
    uint64_t v = d[w];
    if (roh != 0)
        v |= v << 1 | d[w - 1] >> 63 | v >> 1 | d[w + 1] << 63;
    return m[w] & v;
}

// The pixels of m's runs from each seed of n (within m) to the run's end, with the carry from the
// word below; prenos becomes the carry into the word above.
inline uint64_t Nahor(uint64_t m, uint64_t n, unsigned& prenos) {
    uint64_t s1 = m + n;
    uint64_t s2 = s1 + prenos;
    prenos = static_cast<unsigned>(s1 < n) | static_cast<unsigned>(s2 < s1);
    return ((s2 ^ m) | n) & m;
}

// Whether the live pixels l of a row next to the pixels f of word w touch them.
inline uint64_t Dotyk(const uint64_t* l, int w, uint64_t f, int roh) {
    if (roh == 0)
        return l[w] & f;
    return (l[w] & (f | f << 1 | f >> 1)) | (l[w - 1] & f << 63) | (l[w + 1] & f >> 63);
}

// Fills row y from seeds, its live pixels touching the reach d of a neighbouring row or, without
// d, the pixels semeno, in words a .. b: the runs holding them leave the live pixels and join the
// reach, carried upward past b and smeared downward below a as far as they go. Returns 0 when
// nothing was taken, else 4 with 1 when live pixels of the row below touch the new ones and 2 when
// those of the row above do (hore, the object's first row, has none above).
int Rozlej(Tabulky& t, int y, int hore, int a, int b, const uint64_t* d, uint64_t semeno, int roh) {
    uint64_t* m = Riadok(t, y);
    uint64_t* r = Dosah(t, y);
    const uint64_t* pod = Riadok(t, y + 1); // below the last row lies the empty row
    const uint64_t* nad = y > hore ? Riadok(t, y - 1) : Riadok(t, t.vyska);
    uint64_t dotykPod = 0;
    uint64_t dotykNad = 0;
    int prvy = t.slov;
    int posledny = -1;
    unsigned prenos = 0;
    for (int w = a; w < t.slov && (w <= b || prenos != 0); w++) {
        uint64_t n = w > b ? 0 : d != nullptr ? Semena(m, d, w, roh) : semeno;
        uint64_t f = Nahor(m[w], n, prenos);
        for (int v = w; f != 0; f = (f & 1) != 0 ? m[--v] & (1ull << 63) : 0) {
            if ((f & ~(f << 1) & (m[v] << 1)) != 0) // a run goes on below its first seed
                f = RozotriDole(f, m[v]);
            m[v] ^= f;
            r[v] |= f;
            dotykPod |= Dotyk(pod, v, f, roh);
            dotykNad |= Dotyk(nad, v, f, roh);
            prvy = v < prvy ? v : prvy;
            posledny = v > posledny ? v : posledny;
        }
    }
    if (posledny < 0)
        return 0;
    t.rz[y] = t.rz[y] < prvy ? t.rz[y] : prvy;
    t.rk[y] = t.rk[y] > posledny ? t.rk[y] : posledny;
    return 4 | (dotykPod != 0 ? 1 : 0) | (dotykNad != 0 ? 2 : 0);
}

// Row y takes the runs touching the reach of row z next to it; returns as Rozlej. prace counts the
// words looked at.
int Dolej(Tabulky& t, Objekt& o, int y, int z, int roh, long long& prace) {
    if (y > o.dole) {
        t.rz[y] = t.slov;
        t.rk[y] = -1;
    }
    const uint64_t* d = Dosah(t, z);
    // At a corner the reach touches the next word only from its end bits.
    int a = t.rz[z] - (roh & static_cast<int>(d[t.rz[z]] & 1));
    int b = t.rk[z] + (roh & static_cast<int>(d[t.rk[z]] >> 63));
    a = a > 0 ? a : 0;
    b = b < t.slov - 1 ? b : t.slov - 1;
    prace += b - a + 1;
    int dalej = Rozlej(t, y, o.hore, a, b, d, 0, roh);
    if (dalej != 0)
        o.dole = y > o.dole ? y : o.dole;
    return dalej;
}

// Row y is to be checked against its neighbour above (odkial 1) or below (2); each row is on the
// stack at most once, with what it waits for.
inline void Cakaj(Tabulky& t, int y, uint8_t odkial, int& cakajucich) {
    if (t.cakaju[y] == 0)
        t.zasobnik[cakajucich++] = y;
    t.cakaju[y] |= odkial;
}

// Row y gained pixels that the live pixels of the rows next to it touch (dalej as from Rozlej):
// those rows are to take them. A row's live pixels only ever leave, so a row no new pixel touches
// has nothing to take from it. The row below, when not waiting already, is taken at once (true):
// the fill runs down, the checks up wait.
inline bool Pribudlo(Tabulky& t, int y, int dalej, int& cakajucich) {
    if ((dalej & 2) != 0)
        Cakaj(t, y - 1, 2, cakajucich);
    if ((dalej & 1) == 0)
        return false;
    if (t.cakaju[y + 1] == 0)
        return true;
    t.cakaju[y + 1] |= 1;
    return false;
}

// The object's box and count, read off its reach, which is cleared for the next one.
void Odpis(Tabulky& t, Objekt& o) {
    for (int r = o.hore; r <= o.dole; r++) {
        uint64_t* d = Dosah(t, r);
        int a = t.rz[r];
        int b = t.rk[r];
        o.lavy = o.lavy < a * 64 + NajnizsiBit(d[a]) ? o.lavy : a * 64 + NajnizsiBit(d[a]);
        o.pravy = o.pravy > b * 64 + NajvyssiBit(d[b]) ? o.pravy : b * 64 + NajvyssiBit(d[b]);
        for (int w = a; w <= b; w++) {
            o.pocet += PocetBitov(d[w]);
            d[w] = 0;
        }
    }
}

// The object whose first pixel, in reading order, is (y, x): nothing of it lies above row y.
void Vyplnenie(Tabulky& t, Objekt& o, int y, int x, int roh, long long& prace) {
    o = Objekt{y, y, x, x, 0};
    t.rz[y] = t.slov;
    t.rk[y] = -1;
    int dalej = Rozlej(t, y, y, x >> 6, x >> 6, nullptr, 1ull << (x & 63), roh);
    int cakajucich = 0;
    int r = y;
    while (true) {
        uint8_t odkial = 1;
        if (Pribudlo(t, r, dalej, cakajucich)) {
            r++;
        } else if (cakajucich > 0) {
            r = t.zasobnik[--cakajucich];
            odkial = t.cakaju[r];
            t.cakaju[r] = 0;
        } else {
            break;
        }
        dalej = (odkial & 1) != 0 ? Dolej(t, o, r, r - 1, roh, prace) : 0;
        dalej |= (odkial & 2) != 0 ? Dolej(t, o, r, r + 1, roh, prace) : 0;
    }
    Odpis(t, o);
}

// The object of the first pixel (y, x) when it is a single run: nothing touches the run below, and
// nothing of the object lies above. Most small pieces are one run; they skip the reach.
bool JedenBeh(Tabulky& t, Objekt& o, int y, int x, int roh) {
    uint64_t* r = Riadok(t, y);
    int e = KoniecBehu(r, x);
    // Below the last row lies the empty row, and around each row an empty word.
    if (PrvyBod(r + t.krok, x - roh, e + roh) >= 0)
        return false;
    Vymaz(r, x, e);
    o = Objekt{y, y, x, e, e - x + 1};
    return true;
}

// The first live pixel from the scan start (y, x) on; false when none is left.
bool DalsiBod(const Tabulky& t, int& y, int& x) {
    for (int w = x >> 6; y < t.vyska; y++, w = 0) {
        const uint64_t* r = Riadok(t, y);
        for (; w < t.slov; w++)
            if (r[w] != 0) {
                x = w * 64 + NajnizsiBit(r[w]);
                return true;
            }
    }
    return false;
}
