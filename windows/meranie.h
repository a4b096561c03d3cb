// The steps of an ENTER timed for scripts/bench-wine. Win32 only.
#pragma once

// The steps in their order; each lasts from the end of the one before (the first from the key).
enum KrokHladania {
    kKrokHladam,     // the "searching" repaint
    kKrokSkrytie,    // the outlines kept out of the copy
    kKrokKopia,      // the copy of the screen
    kKrokVyhladanie, // the search in it
    kKrokSubor,      // the centre file
    kKrokVysledok,   // the repaint with the result
    kKrokObrysy,     // the outlines of what was found
    kKrokovHladania
};

// Only when the environment variable ZORNAVIT_CASY names a file at the first call: the last step
// then appends one line to it, each step's name and its time in milliseconds. Otherwise every call
// returns at once.
void ZaciatokMerania();
void KoniecKroku(KrokHladania krok);
