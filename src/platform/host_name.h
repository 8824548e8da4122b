#pragma once

#include <string>

// This machine's name on the network ("bench-3"), which names the bench in the history
// unless another name was chosen; "" where the system gives none.
std::string HostName();
