// Definitions and start values of the process-wide application state.
#include "base/stav.h"

DWORD stupne_sedi = 0;
DWORD VelkostObjektu = 20;
DWORD percento_vyplne = 70;
DWORD volba = kVolbaStupen;
DWORD sledovanie_kurzora = 0;
DWORD spajanie = 0;
DWORD g_dwWindowPos = 0;
DWORD g_dwWindowSize = 0;
DWORD g_dwWindowShow = 0;
DWORD ukazat_objekty = 1;
DWORD skratky = 1;
DWORD cielova_farba = kBezFarby;
DWORD odchylka = 0;

const int g_cas_timera = 10;
const int hl_okno_sirka = 224;
const int hl_okno_vyska = 259;
const int tvar_sirka = 214;
const int tvar_vyska = 211;
int dpi_okna = 96;

int PocetObjektov = 0;
int poloziek_dskt_point_pola = 0;
int poloziek_dskt_rect_pola = 0;
POINT* centers = nullptr;
RECT* objekty = nullptr;
int cislo_objektu = 0;

int status = kStatusNapoveda;
int vypinac_TAB = 1;
int nastavenia_ulozene = 0;
int obsadene_skratky = 0;

int g_timer_pocet = 0;
int g_timer_pocitadlo = 0;
