// The pause counter of the mouse toolbox.
