#pragma once

// Runs vt350ctl with its arguments (argv[0] is the program's name) and returns its exit
// status; the program's main and the argument fuzzer both call it.
int Vt350ctlMain(int argc, char* argv[]);
