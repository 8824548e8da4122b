// The computer's tone on Windows: the system's own Beep.
#include "platform/system_tone.h"

#include <windows.h>

#include <chrono>
#include <thread>

void SystemTone::Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) {
    // Without a sound device the tone's duration is waited, so the status line keeps its
    // rhythm.
    if (!::Beep(frequencyHz, durationMs)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
    }
}
