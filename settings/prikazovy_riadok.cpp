// The command line of the batch search: switches, their values and the messages about them.
#include "settings/prikazovy_riadok.h"

#include "base/stav.h"

#include <cstring>

const char* const kStandardnyVystup = "-";

const char* const kPouzitieDavky =
    "Použitie: zornavit.exe /hladaj [/stupen G | /farba RRGGBB] [/odchylka K] [/velkost S]\r\n"
    "                       [/vypln F] [/spajanie riadky|4|8] [/subor CESTA|-] [/json]\r\n"
    "                       [/oblast Ľ,H,P,D | /okno | /monitor N]\r\n"
    "Raz prehľadá obrazovku s uloženými nastaveniami, zapíše stredy nájdených objektov do "
    "súboru\r\n"
    "Stredy.txt v pracovnom priečinku (riadok x,y na stred) a skončí; okno neotvorí.\r\n"
    "  /stupen G        pásmo sivej 0-7: úrovne 32*G až 32*G+31; okno ukazuje pásmo o jedno\r\n"
    "                   vyššie, 1-8 (keď okno ukazuje 3, zadajte /stupen 2)\r\n"
    "  /farba RRGGBB    objekty tejto farby (šestnástkovo červená, zelená, modrá) namiesto "
    "sivej\r\n"
    "  /odchylka K      0-64: kanály sivej sa smú líšiť o K (jej úroveň, priemer zaokrúhlený\r\n"
    "                   nadol, v pásme), kanály farby každý o K od nej\r\n"
    "  /velkost S       najmenšia šírka a výška objektu v pixeloch, 0-65535\r\n"
    "  /vypln F         najmenšie vyplnenie rámika objektu v percentách, 0-100\r\n"
    "  /spajanie R      spájanie pixelov: riadky, 4 alebo 8 susedov\r\n"
    "  /subor CESTA     zapísať stredy do iného súboru; /subor - ich vypíše na štandardný "
    "výstup\r\n"
    "  /json            vypísať objekty (stred a rámik) na štandardný výstup ako pole JSON;\r\n"
    "                   s /subor - namiesto riadkov stredov, bez súboru\r\n"
    "  /oblast Ľ,H,P,D  hľadať len v tomto obdĺžniku obrazovky (pravý a dolný okraj vrátane)\r\n"
    "  /okno            hľadať len v okne v popredí\r\n"
    "  /monitor N       hľadať len na monitore N: 1 je hlavný, potom ostatné v poradí Windows\r\n"
    "Súradnice sú vždy súradnice obrazovky; výstup je v UTF-8. Hodnota môže stáť aj za\r\n"
    "dvojbodkou: /stupen:2. Návratový kód: 0 hotovo (aj keď sa nič nenašlo), 2 zlý prepínač,\r\n"
    "hodnota alebo monitor, ktorý nie je, 3 obrazovku nemožno skopírovať alebo súbor zapísať.\r\n";

namespace {

// The first kBezHodnoty switches take no value.
enum Prepinac {
    kHladaj,
    kJson,
    kOkno,
    kBezHodnoty,
    kPomoc = kBezHodnoty,
    kStupen,
    kVelkost,
    kVypln,
    kSpajanie,
    kSubor,
    kOblast,
    kMonitor,
    kFarba,
    kOdchylka,
    kPocet
};
const char* const kMena[kPocet] = {"hladaj",  "json",  "okno",     "?",     "stupen",
                                   "velkost", "vypln", "spajanie", "subor", "oblast",
                                   "monitor", "farba", "odchylka"};

bool RovnakeMeno(const char* text, size_t dlzka, const char* meno) {
    if (std::strlen(meno) != dlzka)
        return false;
    for (size_t i = 0; i < dlzka; ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (c != meno[i])
            return false;
    }
    return true;
}

// The switch an argument names ("/name" or "/name:value"), or kPocet; *hodnota gets the text after
// the colon, or null.
int KtoryPrepinac(const char* argument, const char** hodnota) {
    *hodnota = nullptr;
    if (argument[0] != '/')
        return kPocet;
    const char* meno = argument + 1;
    const char* dvojbodka = std::strchr(meno, ':');
    const size_t dlzka = dvojbodka ? static_cast<size_t>(dvojbodka - meno) : std::strlen(meno);
    for (int k = 0; k < kPocet; ++k) {
        if (RovnakeMeno(meno, dlzka, kMena[k])) {
            *hodnota = dvojbodka ? dvojbodka + 1 : nullptr;
            return k;
        }
    }
    return kPocet;
}

int Chyba(PrikazovyRiadok* prikaz, const std::string& text) {
    prikaz->chyba = "zornavit: " + text;
    return prikaz->rezim = kRezimChyba;
}

// A decimal integer of at most ten digits with an optional minus sign, between min and max.
bool CitajCislo(const char* od, const char* po, long long min, long long max, long long* cislo) {
    const bool zaporne = od < po && *od == '-';
    od += zaporne ? 1 : 0;
    if (od == po || po - od > 10)
        return false;
    long long v = 0;
    for (const char* p = od; p < po; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        v = v * 10 + (*p - '0');
    }
    v = zaporne ? -v : v;
    if (v < min || v > max)
        return false;
    *cislo = v;
    return true;
}

bool CitajHodnotu(const char* text, DWORD max, DWORD* ciel) {
    long long v = 0;
    if (!CitajCislo(text, text + std::strlen(text), 0, max, &v))
        return false;
    *ciel = static_cast<DWORD>(v);
    return true;
}

// "L,T,R,B": four integers with R >= L and B >= T.
bool CitajOblast(const char* text, RECT* oblast) {
    long long c[4] = {};
    const char* od = text;
    for (int i = 0; i < 4; ++i) {
        const char* ciarka = std::strchr(od, ',');
        if (i < 3 && ciarka == nullptr)
            return false;
        const char* po = i < 3 ? ciarka : od + std::strlen(od);
        if (!CitajCislo(od, po, INT_MIN, INT_MAX, &c[i]))
            return false;
        od = po + (i < 3 ? 1 : 0);
    }
    if (c[2] < c[0] || c[3] < c[1])
        return false;
    *oblast = RECT{static_cast<LONG>(c[0]), static_cast<LONG>(c[1]), static_cast<LONG>(c[2]),
                   static_cast<LONG>(c[3])};
    return true;
}

bool CitajSpajanie(const char* text, DWORD* spajanie) {
    if (RovnakeMeno(text, std::strlen(text), "riadky"))
        *spajanie = 0;
    else if (std::strcmp(text, "4") == 0 || std::strcmp(text, "8") == 0)
        *spajanie = static_cast<DWORD>(text[0] - '0');
    else
        return false;
    return true;
}

// Stores the value of one switch; the mode, with a message on a bad value.
int NastavPrepinac(int k, const char* hodnota, PrikazovyRiadok* prikaz) {
    const std::string meno = std::string("/") + kMena[k];
    const std::string zla = meno + ": „" + (hodnota != nullptr ? hodnota : "") + "“ ";
    switch (k) {
    case kStupen:
        if (!CitajHodnotu(hodnota, 7, &prikaz->stupen))
            return Chyba(prikaz, zla + "nie je celé číslo od 0 do 7 (okno ukazuje pásmo o jedno "
                                       "vyššie, 1-8: jeho 8 je /stupen 7)");
        break;
    case kVelkost:
        if (!CitajHodnotu(hodnota, 65535, &prikaz->velkost))
            return Chyba(prikaz, zla + "nie je celé číslo od 0 do 65535");
        break;
    case kVypln:
        if (!CitajHodnotu(hodnota, 100, &prikaz->vypln))
            return Chyba(prikaz, zla + "nie je celé číslo od 0 do 100");
        break;
    case kSpajanie:
        if (!CitajSpajanie(hodnota, &prikaz->spajanie))
            return Chyba(prikaz, zla + "nie je riadky, 4 ani 8");
        break;
    case kSubor:
        if (*hodnota == '\0')
            return Chyba(prikaz, meno + ": prázdna cesta");
        prikaz->subor = hodnota;
        break;
    case kOblast:
        if (!CitajOblast(hodnota, &prikaz->oblast))
            return Chyba(prikaz, zla + "nie je obdĺžnik Ľ,H,P,D (celé čísla, P ≥ Ľ, D ≥ H)");
        prikaz->druh_oblasti = kOblastZadana;
        break;
    case kOkno:
        prikaz->druh_oblasti = kOblastOkno;
        break;
    case kJson:
        prikaz->json = true;
        break;
    case kMonitor:
        if (!CitajHodnotu(hodnota, kNajviacMonitor, &prikaz->monitor) || prikaz->monitor == 0)
            return Chyba(prikaz,
                         zla + "nie je číslo monitora od 1 do " + std::to_string(kNajviacMonitor));
        prikaz->druh_oblasti = kOblastMonitor;
        break;
    case kFarba:
        if (!FarbaZTextu(hodnota, &prikaz->farba))
            return Chyba(prikaz, zla + "nie je farba RRGGBB (šesť šestnástkových číslic)");
        break;
    case kOdchylka:
        if (!CitajHodnotu(hodnota, kNajvacsiaOdchylka, &prikaz->odchylka))
            return Chyba(prikaz, zla + "nie je celé číslo od 0 do 64");
        break;
    }
    return prikaz->rezim;
}

// The mode the switches ask for before their values are read; a search still to be read is
// kRezimHladaj.
int Rezim(int pocet, const char* const* argumenty, PrikazovyRiadok* prikaz) {
    bool prepinace[kPocet + 1] = {};
    const char* hodnota = nullptr;
    for (int i = 0; i < pocet; ++i)
        prepinace[KtoryPrepinac(argumenty[i], &hodnota)] = true;
    bool davka = false;
    for (int k = 0; k < kPocet; ++k)
        davka = davka || prepinace[k];
    if (!davka)
        return prikaz->rezim = kRezimOkno;
    if (prepinace[kPomoc])
        return prikaz->rezim = kRezimPomoc;
    if (!prepinace[kHladaj])
        return Chyba(prikaz, "prepínače hľadania platia len spolu s /hladaj");
    return prikaz->rezim = kRezimHladaj;
}

// One part of the screen.
int OverSpolu(PrikazovyRiadok* prikaz, int druhy_oblasti) {
    if ((druhy_oblasti & (druhy_oblasti - 1)) != 0)
        return Chyba(prikaz, "/oblast, /okno a /monitor sa navzájom vylučujú");
    return prikaz->rezim;
}

} // namespace

int RozoberPrikazovyRiadok(int pocet, const char* const* argumenty, PrikazovyRiadok* prikaz) {
    *prikaz = PrikazovyRiadok();
    if (Rezim(pocet, argumenty, prikaz) != kRezimHladaj)
        return prikaz->rezim;
    const char* hodnota = nullptr;
    int druhy_oblasti = 0;
    for (int i = 0; i < pocet && prikaz->rezim == kRezimHladaj; ++i) {
        const int k = KtoryPrepinac(argumenty[i], &hodnota);
        if (k == kPocet)
            return Chyba(prikaz, std::string("neznámy argument „") + argumenty[i] +
                                     "“ (zornavit.exe /? vypíše použitie)");
        if (k < kBezHodnoty && hodnota != nullptr)
            return Chyba(prikaz, std::string("/") + kMena[k] + " nemá hodnotu");
        if (k >= kBezHodnoty && hodnota == nullptr && i + 1 == pocet)
            return Chyba(prikaz, std::string("/") + kMena[k] + " potrebuje hodnotu");
        if (k >= kBezHodnoty && hodnota == nullptr)
            hodnota = argumenty[++i];
        NastavPrepinac(k, hodnota, prikaz);
        druhy_oblasti |= 1 << prikaz->druh_oblasti;
    }
    if (prikaz->rezim == kRezimHladaj && prikaz->stupen != kNezadane && prikaz->farba != kNezadane)
        return Chyba(prikaz, "/stupen a /farba sa vylučujú");
    return prikaz->rezim == kRezimHladaj ? OverSpolu(prikaz, druhy_oblasti >> 1) : prikaz->rezim;
}

namespace {
DWORD Zadane(DWORD z_riadku, DWORD ulozene) {
    return z_riadku != kNezadane ? z_riadku : ulozene;
}
} // namespace

NastaveniaHladania NastaveniaPrikazu(const PrikazovyRiadok& prikaz, NastaveniaHladania ulozene) {
    const DWORD farba = prikaz.stupen != kNezadane ? kBezFarby : ulozene.farba;
    return {Zadane(prikaz.stupen, ulozene.stupne_sedi),
            Zadane(prikaz.velkost, ulozene.VelkostObjektu),
            Zadane(prikaz.vypln, ulozene.percento_vyplne),
            Zadane(prikaz.spajanie, ulozene.spajanie),
            Zadane(prikaz.odchylka, ulozene.odchylka),
            Zadane(prikaz.farba, farba)};
}
