// The program's standard streams on Windows, where the C runtime would otherwise turn every line
// end into CR LF on the way out (and back on the way in) and the console would show UTF-8 in its
// own code page, garbling every letter outside ASCII. Does nothing on other systems.
#pragma once

namespace weather {

// Call first in main: redirected streams pass bytes unchanged, and the console shows UTF-8 (its
// code page is set back when the program ends).
void prepareStandardStreams();

// The window needs no console: when the program was started from the desktop and the console
// that Windows made for it is its own alone, that console is closed.
void releaseOwnConsole();

} // namespace weather
