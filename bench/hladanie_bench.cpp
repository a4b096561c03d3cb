// Benchmarks: the fast search (grouping by rows and by touching pixels) of the band's greys, of
// near greys and of a colour, the plain search and the floor (one read of every pixel) on the same
// screens. Names are "<what>/<screen>/<width>x<height>"; scripts/bench turns them into ratios.
#include "bench/obrazovky.h"
#include "search/hladanie.h"
#include "tests/oracle/hladanie_doslovne.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

typedef std::vector<COLORREF> (*Generator)(int, int);

struct Obrazovka {
    const char* meno;
    Generator generator;
};

const Obrazovka kObrazovky[] = {
    {"plocha", ObrazovkaPlocha},
    {"rozhranie", ObrazovkaSedeRozhranie},
    {"sum", ObrazovkaSum},
};

const RECT kBezOkna = {-1000, -1000, -900, -900};

// The shades searched: the band's greys exactly ("rychle"), near greys of the band ("blizke"), and
// a grey of the band as a colour, whose tolerance takes about the band ("farba").
const Odtien kSede = {kPasmoBench};
const Odtien kBlizkeSede = {kPasmoBench, 8};
const Odtien kFarba = {0, 16, (32 * kPasmoBench + 16) * 0x010101u};

// Each screen is made once and kept for every benchmark that uses it.
const std::vector<COLORREF>& Farby(const Obrazovka& o, int sirka, int vyska) {
    static std::map<std::string, std::vector<COLORREF>> hotove;
    std::string kluc = std::string(o.meno) + std::to_string(sirka) + "x" + std::to_string(vyska);
    auto it = hotove.find(kluc);
    if (it == hotove.end())
        it = hotove.emplace(kluc, o.generator(sirka, vyska)).first;
    return it->second;
}

// One plain read of every pixel, summed so that the reads cannot be dropped.
uint32_t Sucet(const COLORREF* p, size_t n) {
    size_t i = 0;
#if defined(__SSE2__)
    __m128i a = _mm_setzero_si128();
    __m128i b = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        a = _mm_add_epi32(a, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
        b = _mm_add_epi32(b, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 4)));
    }
    a = _mm_add_epi32(a, b);
    uint32_t s = static_cast<uint32_t>(_mm_cvtsi128_si32(a)) +
                 static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(a, 4))) +
                 static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(a, 8))) +
                 static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(a, 12)));
#else
    uint32_t s = 0;
#endif
    for (; i < n; i++)
        s += p[i];
    return s;
}

// Writes over a buffer larger than the last-level cache, so the next read of a table comes from
// memory as a freshly copied screen of any size would.
void VyprazdniCache() {
    static std::vector<uint32_t> smeti(16u << 20);
    for (size_t i = 0; i < smeti.size(); i += 16)
        smeti[i] += 1;
    benchmark::ClobberMemory();
}

void Podlaha(benchmark::State& state, const Obrazovka* o, int sirka, int vyska, bool studena) {
    const std::vector<COLORREF>& f = Farby(*o, sirka, vyska);
    for (auto _ : state) {
        if (studena) {
            state.PauseTiming();
            VyprazdniCache();
            state.ResumeTiming();
        }
        uint32_t s = Sucet(f.data(), f.size());
        benchmark::DoNotOptimize(s);
    }
}

void Hladanie(benchmark::State& state, const Obrazovka* o, int sirka, int vyska, bool doslovne,
              bool studena, int spajanie, const Odtien* odtien) {
    const std::vector<COLORREF>& f = Farby(*o, sirka, vyska);
    static std::vector<POINT> stredy;
    static std::vector<RECT> boxy;
    size_t kapacita = static_cast<size_t>(sirka + 5) * static_cast<size_t>(vyska + 5);
    stredy.resize(kapacita);
    boxy.resize(kapacita);
    int pocet = 0;
    for (auto _ : state) {
        if (studena) {
            state.PauseTiming();
            VyprazdniCache();
            state.ResumeTiming();
        }
        if (doslovne)
            pocet = HladajObjektyDoslovne(f.data(), sirka, sirka, vyska, kBezOkna, *odtien, 5, 50,
                                          spajanie, stredy.data(), boxy.data(),
                                          static_cast<int>(kapacita));
        else
            pocet = HladajObjekty(f.data(), sirka, sirka, vyska, kBezOkna, *odtien, 5, 50, spajanie,
                                  stredy.data(), boxy.data(), static_cast<int>(kapacita));
        benchmark::DoNotOptimize(pocet);
    }
    state.counters["objektov"] = pocet;
}

// "<what>/<screen>/<size>", or "<what>-studena/..." when every run starts with the table out of
// the caches.
std::string Nazov(const Obrazovka& o, int sirka, int vyska) {
    return std::string("/") + o.meno + "/" + std::to_string(sirka) + "x" + std::to_string(vyska);
}

void Zaregistruj(const Obrazovka& o, int sirka, int vyska, bool aj_studena) {
    std::string nazov = Nazov(o, sirka, vyska);
    // Each shade by rows, and by touching pixels: "rychle4", "blizke8" and so on. The shades of a
    // grouping run one after another, so that their ratios compare runs made moments apart.
    const std::pair<const char*, const Odtien*> odtiene[] = {
        {"rychle", &kSede}, {"blizke", &kBlizkeSede}, {"farba", &kFarba}};
    for (int spajanie : {0, 4, 8})
        for (const auto& [co, odtien] : odtiene)
            benchmark::RegisterBenchmark(
                (co + (spajanie ? std::to_string(spajanie) : "") + nazov).c_str(), Hladanie, &o,
                sirka, vyska, false, false, spajanie, odtien)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(5);
    benchmark::RegisterBenchmark(("podlaha" + nazov).c_str(), Podlaha, &o, sirka, vyska, false)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    if (!aj_studena)
        return;
    // Only the timed part counts toward the run time, so the iterations are fixed.
    for (int spajanie : {0, 4, 8})
        benchmark::RegisterBenchmark(
            ("rychle" + (spajanie ? std::to_string(spajanie) : "") + "-studena" + nazov).c_str(),
            Hladanie, &o, sirka, vyska, false, true, spajanie, &kSede)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10)
            ->Repetitions(5);
    benchmark::RegisterBenchmark(("podlaha-studena" + nazov).c_str(), Podlaha, &o, sirka, vyska,
                                 true)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10)
        ->Repetitions(5);
}

// The plain search, once: it takes seconds where the fast one takes milliseconds.
void ZaregistrujDoslovne(const Obrazovka& o, int sirka, int vyska) {
    benchmark::RegisterBenchmark(("doslovne" + Nazov(o, sirka, vyska)).c_str(), Hladanie, &o, sirka,
                                 vyska, true, false, 0, &kSede)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(1);
}

} // namespace

int main(int argc, char** argv) {
    for (const Obrazovka& o : kObrazovky) {
        Zaregistruj(o, 1920, 1080, true);
        Zaregistruj(o, 3840, 2160, true);
    }
    Zaregistruj(kObrazovky[2], 640, 480, false);
    ZaregistrujDoslovne(kObrazovky[2], 640, 480);
    ZaregistrujDoslovne(kObrazovky[0], 1920, 1080);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
