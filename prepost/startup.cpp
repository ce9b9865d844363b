// What korvanta takes from its command line.
#include "startup.h"

#include "tables.h"

const char* window_title(int argc, char** argv)
{
    if (argc < 1 || !argv || !argv[0] || !argv[0][0]) return text::default_title;
    return argv[0];
}
