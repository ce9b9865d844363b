// Raising and printing the mesher's error pairs.
#include "stop.h"

#include <cstdio>

namespace lindrove {

void stop(Pair pair, const std::string& what) { throw Stop(pair, "", what); }

void print_pair(Pair pair)
{
    const PairText& p = pair_text[static_cast<int>(pair)];
    std::printf("%s\n%s\n", p.routine, p.reason);
}

}  // namespace lindrove
