#pragma once

#include <array>
#include <cstdint>

// One 19-byte input report: report ID 0, the kind, then the kind's data.
class ResponseReport {
  public:
    static constexpr std::size_t kSize = 19;
    static constexpr std::size_t kRecordOffset = 2;  // a configuration reply's record

    enum Kind : std::uint8_t { kConfigReply = 1, kAcknowledgement = 2, kError = 3 };

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::uint8_t& operator[](std::size_t i) { return bytes_[i]; }
    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }
    void Clear() { bytes_.fill(0); }

    const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};

// What a report asks of the window, as steps in their order.
enum class StepKind : std::uint8_t {
    kReplaceRecord,   // copy report bytes 2 to 16 over the record
    kRefreshEditors,  // set every editor from the record
    kStatusText,      // text holds the caption
    kBeep,            // frequency (Hz) and duration (ms)
    kStopBlinking,
    kStartBlinking,
    kShowStatusLine,
};

struct Step {
    StepKind kind;
    const char* text = nullptr;
    std::uint16_t frequency = 0;
    std::uint16_t duration = 0;
};

struct Outcome {
    static constexpr std::size_t kMaxSteps = 6;
    std::array<Step, kMaxSteps> steps{};
    std::size_t count = 0;

    bool empty() const { return count == 0; }
    const Step* begin() const { return steps.data(); }
    const Step* end() const { return steps.data() + count; }
};

// Acknowledgement and error codes.
enum ReplyCode : std::uint8_t {
    kConnected = 33,
    kDisconnected = 34,
    kFactoryRestored = 35,
    kParametersLoaded = 36,
    kLoadFailed = 49,
    kGetConfigFailed = 50,
};

// Decodes the report. The configuration reply's check runs in place, as the controller's
// protocol defines it: bytes 17 and 18 are folded with the covered bytes and must end 0.
// A report that fails any check gives an empty outcome.
Outcome Decode(ResponseReport& report);

// The check bytes a valid configuration reply carries, for the code that builds replies.
void SealConfigReply(ResponseReport& report);
