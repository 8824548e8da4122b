#pragma once

#include "protocol/tone.h"

// The computer's tone: a sine wave through ALSA's default device on Linux, Beep on
// Windows. Where no sound device can be opened it waits the tone's duration instead, so
// the status line keeps its rhythm.
class SystemTone : public Tone {
  public:
    void Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) override;
};
