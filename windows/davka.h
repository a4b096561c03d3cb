// The batch search's entry.
#pragma once

// The batch search when the command line asks for one: runs it and returns the exit status (0 done,
// 2 a bad switch or value, 3 no screen copy or no file), with any message on the parent console;
// -1 when the window is to start.
int DavkoveHladanie();
