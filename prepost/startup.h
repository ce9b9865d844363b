// What korvanta takes from its command line: nothing but the window title.
#pragma once

// The program path korvanta was started by, or "korvanta" when there is none.
const char* window_title(int argc, char** argv);
