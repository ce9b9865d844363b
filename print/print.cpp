// print: stands in for an application that has not been supplied.
// Reads nothing, looks at no argument, prints one line.
//   $ print
//   Include Application Please!
#include <cstdio>

int main()
{
    std::printf("Include Application Please!\n");
    return 0;
}
