#pragma once

#include <array>
#include <cstdint>

#include "config/config_record.h"

// The one 15-byte output report buffer. Every report is built in place; a bare command
// rewrites bytes 0 to 3 only, so bytes 4 to 14 carry whatever the last store report left
// there. That carry-over is what the controller has always received, so it is kept.
class CommandReport {
  public:
    static constexpr std::size_t kSize = 15;

    enum Code : std::uint8_t { kConnect = 1, kDisconnect = 2, kFactoryReset = 3, kGetConfig = 4 };

    void BuildBareCommand(std::uint8_t code);
    void BuildStoreReport(const ConfigRecord& record);

    const std::uint8_t* data() const { return bytes_.data(); }
    const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};
