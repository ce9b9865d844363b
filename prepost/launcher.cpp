// Starting the suite's other programs and the editor from the panel.
#include "launcher.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int run_with_shell(const char* line) { return std::system(line); }

CommandRunner runner = run_with_shell;

}  // namespace

CommandRunner set_command_runner(CommandRunner run)
{
    const CommandRunner previous = runner;
    runner = run;
    return previous;
}

void run_command(Command c, bool echo)
{
    static_assert(command_echo_length <= command_buffer_size);
    char buffer[command_buffer_size];
    std::memset(buffer, 0, sizeof buffer);
    std::snprintf(buffer, sizeof buffer, "%s", command_line[static_cast<int>(c)]);
    // the program shares the console: what korvanta printed so far comes first
    std::fflush(stdout);
    std::fflush(stderr);
    runner(buffer);
    if (!echo) return;
    for (int i = 0; i < command_echo_length; ++i) std::printf("%c", buffer[i]);
    std::printf("\n");
}

void edit_model(const State& k) { run_command(k.element_mode == 8 ? Command::edit_data2d : Command::edit_nalvik, true); }
