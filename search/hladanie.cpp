// The object search over a pixel table, worked on each row's mask of live grey pixels.
//
// Every grouping starts from one bit per pixel, set for the pixels of the shade searched (greys of
// the band, near greys, or colours near a target) and cleared as objects take them; runs are
// stretches of set bits.
// - By rows: a seed run grows downward through the runs that overlap the row above, a closing pass
//   joins what lies above, and everything in front of the seed leaves the masks. The scan only
//   moves forward, within single rows.
// - By touching pixels (4 or 8): each object is filled from its first pixel, a 64-pixel word at a
//   time. Screens of many short runs (noise, dithering), and fills that outgrow what labelling
//   would cost, have their runs labelled instead, through a union-find over labels handed out in
//   scan order.
// Objects come out in the order of their first pixels. The masks of a full-HD screen fit the
// second-level cache.
//
// Its parts, included once below, in this order:
//   hladanie/tabulky.h  the work tables, sized for one screen and reused while it stays
//   hladanie/bity.h     bit helpers: lowest and highest bits, columns and runs of a row's mask
//   hladanie/masky.h    the pixel test made ready, the exact grey masks, and the masks of a screen
//   hladanie/odtiene.h  the masks of near greys and of colours, and the choice of a test's mask
//   hladanie/riadky.h   the grouping by rows
//   hladanie/znacky.h   the touching groupings by labelling runs
//   hladanie/vypln.h    the touching groupings by filling
// This file keeps the size and fill test, the search that ties the parts together, its copies for
// the portable and the newer processors (the same routines built for another target, which is why
// the parts are not separate translation units: those would quietly call the portable code) and the
// public routines.
#include "search/hladanie.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// SSE2 is part of every x86-64 processor and of 32-bit builds told to use it; other 32-bit x86
// builds of GCC and Clang carry an SSE2 mask as well and pick it when the processor has SSE2.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ZORNAVIT_SSE2 1
#define ZORNAVIT_CIEL_SSE2
#include <emmintrin.h>
#elif (defined(__GNUC__) || defined(__clang__)) && defined(__i386__)
#define ZORNAVIT_SSE2 1
#define ZORNAVIT_SSE2_PODLA_PROCESORA 1
#define ZORNAVIT_CIEL_SSE2 __attribute__((target("sse2")))
#include <emmintrin.h>
#endif
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
// GCC and Clang on x86 also build a copy of the search for the processors of the last decade
// (AVX2, BMI1, BMI2, POPCNT, LZCNT), taken when the processor has them; ZORNAVIT_PRENOSNE leaves it
// out, so that the tests can reach the portable copy.
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__)) &&     \
    !defined(ZORNAVIT_PRENOSNE)
#define ZORNAVIT_NOVE 1
#define ZORNAVIT_CIEL_NOVE __attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt")))
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace {

#include "search/hladanie/tabulky.h"
#include "search/hladanie/bity.h"
#include "search/hladanie/masky.h"
#include "search/hladanie/odtiene.h"
#include "search/hladanie/riadky.h"
#include "search/hladanie/znacky.h"
#include "search/hladanie/vypln.h"

// Size and fill test, in double precision.
bool Vyhovuje(const Objekt& o, int min_velkost, int percento_vyplne) {
    double w = static_cast<double>(o.pravy) - o.lavy + 1.0;
    double h = static_cast<double>(o.dole) - o.hore + 1.0;
    double plocha = w * h;
    return w >= min_velkost && h >= min_velkost &&
           o.pocet >= static_cast<double>(percento_vyplne) * plocha / 100.0;
}

void Zapis(const Objekt& o, POINT* stred, RECT* box) {
    stred->x = (o.lavy + o.pravy) / 2;
    stred->y = (o.hore + o.dole) / 2;
    box->left = o.lavy;
    box->top = o.hore;
    box->right = o.pravy;
    box->bottom = o.dole;
}

// What one search is asked.
struct Zadanie {
    const COLORREF* farby;
    int krok;
    RECT okno;
    Vzor vzor;
    int minVelkost;
    int percentoVyplne;
    int spajanie;
    POINT* stredy;
    RECT* boxy;
    int kapacita;
};

// The touching modes: the roots in label order are the objects in the order of their first pixels.
inline int HladajDotykom(const Zadanie& z, Tabulky& t) {
    int znaciek = OznacBehy(t, z.spajanie == 8 ? 1 : 0);
    ZlozZnacky(t.znacky, znaciek);
    int k = 0;
    for (int i = 0; i < znaciek && k < z.kapacita; i++) {
        const Znacka& zn = t.znacky[i];
        if (zn.rodic != i)
            continue;
        Objekt o = {zn.hore, zn.dole, zn.lavy, zn.pravy, zn.pocet};
        if (Vyhovuje(o, z.minVelkost, z.percentoVyplne)) {
            Zapis(o, &z.stredy[k], &z.boxy[k]);
            k++;
        }
    }
    return k;
}

// Filling pays while the screen's runs are long (panels, text, shapes); on screens of many short
// runs (noise, dithering) it would fill tens of thousands of tiny objects, and labelling the runs
// is faster. A fill whose word count outgrows what labelling would have cost (a maze, a snake of
// thin turns, each turn checking its rows again) gives up, and the runs are labelled after all.
const long long kBehovNaSlovo = 8;
const long long kPraceNaBeh = 4;

// The touching modes by filling, into k objects; false when the words looked at outgrow limit.
inline bool HladajVyplnanim(const Zadanie& z, Tabulky& t, long long limit, int& k) {
    int roh = z.spajanie == 8 ? 1 : 0;
    long long prace = 0;
    int y = 0;
    int x = 0;
    k = 0;
    while (k < z.kapacita && DalsiBod(t, y, x)) {
        Objekt o = {};
        if (JedenBeh(t, o, y, x, roh))
            prace++;
        else if (roh != 0) // each grouping with its own copy of the fill
            Vyplnenie(t, o, y, x, 1, prace);
        else
            Vyplnenie(t, o, y, x, 0, prace);
        if (prace > limit)
            return false;
        if (Vyhovuje(o, z.minVelkost, z.percentoVyplne)) {
            Zapis(o, &z.stredy[k], &z.boxy[k]);
            k++;
        }
    }
    return true;
}

// The search on tables prepared for the screen; every copy of the search is this routine inlined.
inline int Hladaj(const Zadanie& z, MaskaRiadkuFn maskaRiadku, Tabulky& t) {
    bool dotykom = z.spajanie == 4 || z.spajanie == 8;
    long long behov = VytvorMasky(z.farby, z.krok, z.okno, z.vzor, maskaRiadku, t, dotykom);
    if (dotykom) {
        int k = 0;
        long long slov = static_cast<long long>(t.slov) * t.vyska;
        if (behov <= kBehovNaSlovo * slov) {
            if (HladajVyplnanim(z, t, slov + kPraceNaBeh * behov, k))
                return k;
            VytvorMasky(z.farby, z.krok, z.okno, z.vzor, maskaRiadku, t, false);
        }
        return HladajDotykom(z, t);
    }
    int k = 0;
    int yStartu = 0;
    int xStartu = 0;
    while (k < z.kapacita) {
        Objekt o = {};
        if (!Cyklus(t, yStartu, xStartu, o))
            break;
        if (Vyhovuje(o, z.minVelkost, z.percentoVyplne)) {
            Zapis(o, &z.stredy[k], &z.boxy[k]);
            k++;
        }
    }
    return k;
}

int HladajPrenosne(const Zadanie& z, Tabulky& t) {
    return Hladaj(z, MaskaPrenosna(z.vzor.druh), t);
}

#if defined(ZORNAVIT_NOVE)
// flatten inlines every routine of the search, so all of it is compiled for these processors.
ZORNAVIT_CIEL_NOVE __attribute__((flatten)) int HladajNove(const Zadanie& z, Tabulky& t) {
    return Hladaj(z, MaskaNova(z.vzor.druh), t);
}
#endif

typedef int (*HladajFn)(const Zadanie&, Tabulky&);

#if defined(ZORNAVIT_NOVE)
// Not every compiler's __builtin_cpu_supports knows LZCNT; the processor tells it itself.
bool MaLzcnt() {
    unsigned a = 0;
    unsigned b = 0;
    unsigned c = 0;
    unsigned d = 0;
    return __get_cpuid(0x80000001u, &a, &b, &c, &d) != 0 && (c & bit_LZCNT) != 0;
}
#endif

HladajFn VyberHladanie() {
#if defined(ZORNAVIT_NOVE)
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
        __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt") && MaLzcnt())
        return HladajNove;
#endif
    return HladajPrenosne;
}

} // namespace

long long PamatTabuliek(int sirka, int vyska) {
    const long long riadkov = static_cast<long long>(vyska) + 1;
    return static_cast<long long>(SlovMasiek(sirka, vyska) * sizeof(uint64_t)) +
           2 * riadkov * static_cast<long long>(sizeof(int32_t)) +
           static_cast<long long>(ZnaciekPre(sirka, vyska)) *
               static_cast<long long>(sizeof(Znacka)) +
           static_cast<long long>(PamatBehovPre((sirka + 63) / 64)) +
           static_cast<long long>(SlovMasiek(sirka, vyska) * sizeof(uint64_t)) +
           5 * static_cast<long long>(vyska);
}

int HladajObjekty(const COLORREF* farby, int krok, int sirka, int vyska, RECT okno, Odtien odtien,
                  int min_velkost, int percento_vyplne, int spajanie, POINT* stredy, RECT* boxy,
                  int kapacita) {
    if (sirka <= 0 || vyska <= 0)
        return 0;
    // Bad tables and screens whose point list would not fit an int count fail as the plain
    // search fails.
    double bodov = (static_cast<double>(vyska) + 5.0) * (static_cast<double>(sirka) + 5.0);
    if (farby == nullptr || krok < sirka || bodov > INT_MAX)
        return -1;
    Tabulky* tabulky = PripravTabulky(sirka, vyska);
    if (tabulky == nullptr || ((spajanie == 4 || spajanie == 8) && !PripravZnacky(*tabulky)))
        return -1;
    Zadanie z = {farby,  krok, okno,    PripravVzor(odtien), min_velkost, percento_vyplne, spajanie,
                 stredy, boxy, kapacita};
    static const HladajFn hladaj = VyberHladanie();
    return hladaj(z, *tabulky);
}
