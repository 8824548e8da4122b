#pragma once

#include <cstdint>

#include "hid/hid_link.h"
#include "protocol/response_report.h"

// What a decoded reply does to the window.
class OutcomeTarget {
  public:
    virtual ~OutcomeTarget() = default;
    virtual void ReplaceRecord(const std::uint8_t* recordBytes) = 0;  // 15 bytes
    virtual void RefreshEditors() = 0;
    virtual void SetStatusText(const char* text) = 0;
    virtual void Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) = 0;
    virtual void SetBlinking(bool on) = 0;
    virtual void ShowStatusLine() = 0;
};

// Applies the outcome's steps in their order; the record bytes come from `input`.
void ApplyOutcome(const Outcome& outcome, const ResponseReport& input, OutcomeTarget& target);

// The body of one poll tick: link upkeep, at most one read of at most 80 ms, the decoded
// outcome applied, and the input buffer cleared after every report that was received.
void PollOnce(HidLink& link, ResponseReport& input, OutcomeTarget& target);
