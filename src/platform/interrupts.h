#pragma once

// Ctrl+C and the termination request, for a command-line loop that ends with its summary:
// the signal only sets a flag, and waits are interrupted, not restarted.
void CatchInterrupts();
bool Interrupted();
