// The windowed benchmarks' host: the GUI application (offscreen unless told
// otherwise), the library in VIX and a shown main window with its status bar
// as MainStatusBar. Made once, at the first call, for the whole run and left
// to the process's end: Qt's objects may not be destroyed by static
// destructors, after Qt's own globals are gone.
#pragma once

void WindowHost();
// A few passes of the event loop, so that what is shown is laid out and painted.
void Settle();
