#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "config/history.h"

// The index versions before the database kept: one JSON line an entry (history.jsonl),
// taken into the database once.

// The newest `limit` entries of the index open on `fd`, oldest first: lines that are no
// entry are passed over, a line torn by a full disk gives the entry glued to it, a line
// longer than 64 KB or anything past 256 MB is not read.
std::deque<HistoryEntry> ReadOldIndex(int fd, std::size_t limit);

// A name the history itself could have given its copies: no folder, no way out of it.
bool IsEntryName(const std::string& name);
