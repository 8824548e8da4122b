#pragma once

#include <cstdint>

// The synchronous tone of the status line: returns after the tone has sounded.
class Tone {
  public:
    virtual ~Tone() = default;
    virtual void Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) = 0;
};
