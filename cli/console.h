// The console of a command-line program, set for UTF-8 text.
#pragma once

namespace quillet {

// Call first in main(). On Windows: the console shows and reads UTF-8 (its
// code pages are put back at exit), standard output and standard error write
// their bytes untranslated ("\n" stays "\n", as a script on any system reads
// it), and argc/argv become the command line in UTF-8, read from its wide
// form, whatever the system's code page. Elsewhere text is UTF-8 already and
// nothing changes.
void UseUtf8Console(int& argc, char**& argv);

}  // namespace quillet
