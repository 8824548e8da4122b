#pragma once

#include <string>

// A history or a workshop log on a network file system (NFS, SMB): SQLite's write-ahead log
// shares its index through memory that only programs on one machine see, and appends of
// two machines to one file may mix there. Such a folder is named once, with what to do.

// The system's answer for a folder (file_system::NetworkFileSystemOf), replaceable so that
// tests can put a folder on a share.
using NetworkFileSystemProbe = std::string (*)(const std::string& path);
NetworkFileSystemProbe& NetworkProbe();

// "" for a local folder; else the sentence that says `what` ("the history folder") lies on
// which network file system and what to do.
std::string NetworkShareWarning(const std::string& folder, const std::string& what);
// The same for a folder whose network file system is known already ("" for none).
std::string NetworkShareWarning(const std::string& folder, const std::string& what,
                                const std::string& kind);
