#pragma once

#include <string>

#include "config/history.h"

// Where and when the programs keep their history: the folder "history" in the user's data
// folder ($XDG_DATA_HOME/vt350-config, %APPDATA%\vt350-config on Windows), "demo-history"
// for the demo, which keeps its own; and the local time to the millisecond.
std::string HistoryFolder(bool demo);
HistoryTime HistoryNow();

// The bench's settings file: $XDG_CONFIG_HOME/vt350-config/vt350.conf (by default
// ~/.config/vt350-config/vt350.conf; on Windows %APPDATA%\vt350-config\vt350.conf).
std::string SettingsFilePath();
// The shared record this bench sends its entries to: a libpq connection string from the
// environment's VT350_HISTORY_SERVER, else the settings file's "history_server"; "" for none.
std::string HistoryServer();
// The bench's name in the entries: `chosen` (--bench) where given, else the settings file's
// "bench", else the host's name.
std::string BenchName(const std::string& chosen);
