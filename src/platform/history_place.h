#pragma once

#include <string>

#include "config/history.h"

// Where and when the programs keep their history: the folder "history" in the user's data
// folder ($XDG_DATA_HOME/vt350-config, %APPDATA%\vt350-config on Windows), "demo-history"
// for the demo, which keeps its own; and the local time to the millisecond.
std::string HistoryFolder(bool demo);
HistoryTime HistoryNow();
