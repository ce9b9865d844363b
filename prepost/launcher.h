// Starting the suite's other programs and the editor from the panel.
#pragma once

#include "state.h"
#include "tables.h"

// Runs one command line through the shell and waits until it has ended; its
// status is not looked at, so a program that is not there only makes the shell
// say so. With echo, the command buffer's first 32 characters (the command,
// then NULs) and a line end are printed afterwards.
void run_command(Command c, bool echo);

// Opens the model file of the element mode in the editor and waits for it.
void edit_model(const State& k);

// What runs a command line and waits for it: the C library's system, which
// uses /bin/sh. Tests put a recorder in its place; returns the previous one.
using CommandRunner = int (*)(const char* line);
CommandRunner set_command_runner(CommandRunner run);
