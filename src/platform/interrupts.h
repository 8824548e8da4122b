#pragma once

// Ctrl+C, the termination request and a hang-up, for a command-line loop that ends with
// its summary: the signal only sets a flag, and waits are interrupted, not restarted.
void CatchInterrupts();
bool Interrupted();

// A write to a closed pipe (vt350ctl ... | head) fails with EPIPE, which the program
// reports as the file error it is, instead of ending it by SIGPIPE.
void IgnoreBrokenPipes();
