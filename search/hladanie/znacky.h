// A part of hladanie.cpp, included there once inside its unnamed namespace: the touching groupings
// by labelling runs, for screens of many short runs.
#pragma once

// Reads off the runs of a row; returns their number. The empty words around the row end every run.
inline int CitajBehy(const uint64_t* r, int slov, BehyRiadku& b) {
    int nz = 0;
    int nk = 0;
    for (int w = 0; w < slov; w++) {
        uint64_t m = r[w];
        uint64_t zaciatky = m & ~(m << 1 | r[w - 1] >> 63);
        uint64_t konce = m & ~(m >> 1 | r[w + 1] << 63);
        b.bz[w] = zaciatky;
        b.bk[w] = konce;
        b.pz[w] = nz;
        b.pk[w] = nk;
        for (; zaciatky != 0; zaciatky &= zaciatky - 1)
            b.zac[nz++] = w * 64 + NajnizsiBit(zaciatky);
        for (; konce != 0; konce &= konce - 1)
            b.kon[nk++] = w * 64 + NajnizsiBit(konce);
    }
    b.pz[slov] = nz;
    b.pk[slov] = nk;
    return nz;
}

// How many of the bits counted by pred lie in the columns up to x (-2 <= x <= width).
inline int PocetPo(const uint64_t* bity, const int32_t* pred, int x) {
    int w = x >> 6;
    return pred[w] + PocetBitov(bity[w] & BityDo(x & 63));
}

inline int Koren(Znacka* zn, int z) {
    while (zn[z].rodic != z) {
        zn[z].rodic = zn[zn[z].rodic].rodic;
        z = zn[z].rodic;
    }
    return z;
}

// Joins the trees of two labels under the smaller root. Neighbouring runs above that took their
// label from one run (a run split by a hole) need no find.
inline void Spoj(Znacka* zn, int a, int b) {
    if (a == b)
        return;
    a = Koren(zn, a);
    b = Koren(zn, b);
    if (a < b)
        zn[b].rodic = a;
    else
        zn[a].rodic = b;
}

// Joins the labels of the runs above that one run touches, for every such run of the row.
void SpojRiadok(Znacka* zn, const int32_t* spoje, int spojov, const int32_t* znHore) {
    for (int j = 0; j < spojov; j++)
        for (int k = spoje[2 * j] + 1; k <= spoje[2 * j + 1]; k++)
            Spoj(zn, znHore[k - 1], znHore[k]);
}

// Labels the runs of one row against the runs of the row above. A run touches the runs above from
// the first that ends at or after its first column to the last that starts at or before its last
// (roh 0), or one column further each way (roh 1, corners): counts of run ends and starts give
// both without a walk. The run takes the label of the first of them (one step toward its root,
// which keeps the trees flat), or a new one, and its pixels go to that label; runs touching several
// are listed in spoje. Returns how many were listed.
inline int OznacRiadok(int y, int n, int roh, const BehyRiadku& p, BehyRiadku& c, Znacka* zn,
                       int& znaciek, int32_t* spoje) {
    int spojov = 0;
    for (int i = 0; i < n; i++) {
        int s = c.zac[i];
        int e = c.kon[i];
        int prvy = PocetPo(p.bk, p.pk, s - roh - 1);
        int posledny = PocetPo(p.bz, p.pz, e + roh) - 1;
        int z = 0;
        if (posledny < prvy) {
            z = znaciek++;
            zn[z] = Znacka{z, s, e, y, y, e - s + 1};
        } else {
            z = zn[p.zn[prvy]].rodic;
            Znacka& l = zn[z];
            l.lavy = s < l.lavy ? s : l.lavy;
            l.pravy = e > l.pravy ? e : l.pravy;
            l.dole = y;
            l.pocet += e - s + 1;
        }
        c.zn[i] = z;
        spoje[2 * spojov] = prvy;
        spoje[2 * spojov + 1] = posledny;
        spojov += posledny > prvy;
    }
    return spojov;
}

// Labels every run, row by row; runs touching several labels join them after their row. Returns
// the number of labels handed out.
int OznacBehy(Tabulky& t, int roh) {
    BehyRiadku* p = &t.riadky[0];
    BehyRiadku* c = &t.riadky[1];
    std::memset(p->bz, 0, static_cast<size_t>(t.slov) * sizeof(uint64_t));
    std::memset(p->bk, 0, static_cast<size_t>(t.slov) * sizeof(uint64_t));
    std::memset(p->pz, 0, (static_cast<size_t>(t.slov) + 1) * sizeof(int32_t));
    std::memset(p->pk, 0, (static_cast<size_t>(t.slov) + 1) * sizeof(int32_t));
    int znaciek = 0;
    for (int y = 0; y < t.vyska; y++) {
        int n = CitajBehy(Riadok(t, y), t.slov, *c);
        int spojov = OznacRiadok(y, n, roh, *p, *c, t.znacky, znaciek, t.spoje);
        SpojRiadok(t.znacky, t.spoje, spojov, p->zn);
        BehyRiadku* v = p;
        p = c;
        c = v;
    }
    return znaciek;
}

// Every label's box and count go to its parent, the larger labels first, so that each root ends
// with its whole object.
void ZlozZnacky(Znacka* zn, int znaciek) {
    for (int i = znaciek - 1; i > 0; i--) {
        Znacka& z = zn[i];
        Znacka& r = zn[z.rodic];
        if (z.rodic == i)
            continue;
        r.lavy = z.lavy < r.lavy ? z.lavy : r.lavy;
        r.pravy = z.pravy > r.pravy ? z.pravy : r.pravy;
        r.dole = z.dole > r.dole ? z.dole : r.dole;
        r.pocet += z.pocet;
    }
}
