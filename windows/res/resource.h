// Numbers of the program's resources, menu commands and dialog controls.
#pragma once

// Icon groups
#define IDI_KOCKA 101    // ice cube: the program's icon
#define IDI_VYSTRAHA 102 // warning-stripe tile: the dialogs' small icon
#define IDI_GULA 103     // glossy sphere: not loaded

// Background bitmaps
#define IDB_POZADIE 201      // main window
#define IDB_POZADIE_DLG 202  // About dialog
#define IDB_POZADIE_DLG2 203 // Settings dialog

// Cursor groups
#define IDC_SIPKA 301   // arrow pointer: not loaded
#define IDC_HROT 302    // half-transparent arrowhead: main window and dialogs
#define IDC_TEXTOVY 303 // text-selection I-beam: not loaded

// Menu bar and its commands
#define IDM_MENU 401
#define IDM_NASTAVENIA 402
#define IDM_O_PROGRAME 403
#define IDM_KONIEC 404

// Dialog templates and controls (the buttons use IDOK and IDCANCEL)
#define IDC_SLEDOVANIE 501
#define IDC_UKAZAT_OBJEKTY 502
#define IDC_SKRATKY 503
#define IDC_SPAJANIE_RIADKY 511 // grouping radio buttons: by rows, touching sides, also corners
#define IDC_SPAJANIE_STRANY 512
#define IDC_SPAJANIE_ROHY 513
#define IDC_ODCHYLKA 521       // the tolerance's number field
#define IDC_ODCHYLKA_SIPKY 522 // its up-down control
#define IDD_O_PROGRAME 601
#define IDD_NASTAVENIA 602

// Timers of the main window (the outlines window keeps its own)
#define IDT_UDAJ 1  // the readout's tick
#define IDT_REZIM 2 // the mode switch after the Settings dialog closes
#define IDT_CISLO 3 // the wait for another digit of an object's number

// The main window's system-wide chords (RegisterHotKey), in the order of the chord table
#define IDH_HLADAJ 1 // Ctrl+Alt+ENTER
#define IDH_DALSI 2  // Ctrl+Alt+PAGE DOWN
#define IDH_SPAT 3   // Ctrl+Alt+PAGE UP
#define IDH_KLIK 4   // Ctrl+Alt+SPACE
