// The cursor-tracking readout strip at the bottom of the main window.
