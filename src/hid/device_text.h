#pragma once

#include <string>
#include <string_view>

// A string a device reports about itself (its serial), made safe to show anywhere: in a
// terminal, a window title, a list, the history. A device is not trusted to send text: an
// escape sequence would clear a technician's terminal or retitle it, a bidirectional
// override would turn a port name around. Every control character (C0, DEL, C1), every
// bidirectional control and every byte that is not UTF-8 becomes a visible escape
// ("\x1b", "\u202e"); everything else stays as it came.
std::string ShownDeviceText(std::string_view raw);
