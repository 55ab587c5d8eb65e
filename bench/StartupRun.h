// One start-up in a process of its own: the program's seven windows, or an
// empty main window as the baseline, shown until their first paint is done.
#pragma once

// Prints "<milliseconds> <peak resident KiB>" on standard output and returns
// the exit code. `startNanoseconds` is the clock reading taken at the top of
// main().
int runProgramStartup(int &argc, char **argv, long long startNanoseconds);
int runEmptyStartup(int &argc, char **argv, long long startNanoseconds);

// Nanoseconds on the steady clock.
long long steadyNanoseconds();
