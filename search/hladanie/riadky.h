// A part of hladanie.cpp, included there once inside its unnamed namespace: the grouping by rows:
// seed, forward pass, closing pass and the removal in front of the seed.
#pragma once

// The first live run from the scan start (y, x) with a live run directly below that overlaps it:
// the run holding the first live pixel with a live pixel below, everything in front of the start
// being gone. y and x become that pixel; false when there is none.
bool NajdiSemeno(const Tabulky& t, int& y, int& x) {
    for (int w = x >> 6; y < t.vyska; y++, w = 0) {
        const uint64_t* r = Riadok(t, y);
        const uint64_t* pod = r + t.krok;
        for (; w < t.slov; w++) {
            uint64_t m = r[w] & pod[w];
            if (m != 0) {
                x = w * 64 + NajnizsiBit(m);
                return true;
            }
        }
    }
    return false;
}

// The span of the live runs of a row that overlap s .. e, from the first one's first column to
// the last one's last column; false when there is none.
inline bool Prekryv(const uint64_t* r, int s, int e, int& zac, int& kon) {
    int prvy = 0;
    int posledny = 0;
    int w = s >> 6;
    if (w == e >> 6) {
        // Mostly the range and its runs lie within one word: one read gives both ends.
        uint64_t m = r[w];
        uint64_t v = m & BityOd(s & 63) & BityDo(e & 63);
        if (v == 0)
            return false;
        uint64_t medzeryPred = ~m & ((v & (0 - v)) - 1);
        uint64_t medzeryZa = ~m & BityOd(NajvyssiBit(v));
        if (medzeryPred != 0 && medzeryZa != 0) {
            zac = w * 64 + NajvyssiBit(medzeryPred) + 1;
            kon = w * 64 + NajnizsiBit(medzeryZa) - 1;
            return true;
        }
        prvy = w * 64 + NajnizsiBit(v);
        posledny = w * 64 + NajvyssiBit(v);
    } else {
        prvy = PrvyBod(r, s, e);
        if (prvy < 0)
            return false;
        posledny = PoslednyBod(r, e);
    }
    zac = ZaciatokBehu(r, prvy);
    kon = KoniecBehu(r, posledny);
    return true;
}

// The forward pass from the seed s .. e: each following row joins with the span of its live runs
// that overlap the range of the row above; growth stops at the first row without one. The box
// starts as the bottom row's range.
void RastDole(Tabulky& t, Objekt& o, int s, int e) {
    t.rz[o.hore] = s;
    t.rk[o.hore] = e;
    int zac = 0;
    int kon = 0;
    for (int y = o.hore + 1; y < t.vyska && Prekryv(Riadok(t, y), s, e, zac, kon); y++) {
        s = t.rz[y] = zac;
        e = t.rk[y] = kon;
        o.dole = y;
    }
    o.lavy = s;
    o.pravy = e;
}

// Row y joins its live runs that overlap s .. e, the stored range of the row below: the row's
// stored range widens to their span (a row without one takes the span and becomes the top), and
// s .. e becomes it. False when none overlaps.
bool Pripoj(Tabulky& t, Objekt& o, int y, int& s, int& e) {
    uint64_t* r = Riadok(t, y);
    int zac = 0;
    int kon = 0;
    if (!Prekryv(r, s, e, zac, kon))
        return false;
    o.pocet += Odober(r, zac, kon);
    if (y < o.hore) {
        o.hore = y;
    } else {
        zac = zac < t.rz[y] ? zac : t.rz[y];
        kon = kon > t.rk[y] ? kon : t.rk[y];
    }
    s = t.rz[y] = zac;
    e = t.rk[y] = kon;
    return true;
}

// The closing pass: from the bottom row upward, every row directly above joins its live runs that
// overlap the stored range of the row below; the box spans the stored ranges of the joined rows.
// The bottom row's range is already the span of its joined runs.
void Uzavri(Tabulky& t, Objekt& o) {
    int y = o.dole;
    int s = o.lavy;
    int e = o.pravy;
    o.pocet = Odober(Riadok(t, y), s, e);
    for (; y > 0 && Pripoj(t, o, y - 1, s, e); y--) {
        o.lavy = s < o.lavy ? s : o.lavy;
        o.pravy = e > o.pravy ? e : o.pravy;
    }
}

// Removes every live pixel from (y0, x0) up to the one in front of (y1, x1).
void OdstranPred(Tabulky& t, int y0, int x0, int y1, int x1) {
    for (; y0 < y1; y0++, x0 = 0)
        Vymaz(Riadok(t, y0), x0, t.sirka - 1);
    if (x0 < x1)
        Vymaz(Riadok(t, y1), x0, x1 - 1);
}

// One cycle: seed, forward pass, closing pass, the removal in front of the seed; the scan start
// moves to the seed. False when no seed is left.
bool Cyklus(Tabulky& t, int& yStartu, int& xStartu, Objekt& o) {
    int y = yStartu;
    int x = xStartu;
    if (!NajdiSemeno(t, y, x))
        return false;
    const uint64_t* r = Riadok(t, y);
    int zaciatok = ZaciatokBehu(r, x);
    o.hore = o.dole = y;
    RastDole(t, o, zaciatok, KoniecBehu(r, x));
    Uzavri(t, o);
    OdstranPred(t, yStartu, xStartu, y, zaciatok);
    yStartu = y;
    xStartu = zaciatok;
    return true;
}
