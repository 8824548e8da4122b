#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The controller's whole parameter set: 15 unsigned bytes, one parameter per byte.
// Bytes 0 to 10 are edited by the window; bytes 11 to 14 are reserved and only ever
// come from the controller or from a file, so every path must carry them unchanged.
class ConfigRecord {
  public:
    static constexpr std::size_t kSize = 15;
    static constexpr std::size_t kParameterCount = 11;  // bytes 0 to 10 go into the store report

    // Field positions, named for the code that decodes them.
    enum Byte : std::size_t {
        kContinuousCurrent = 0,
        kPeakCurrent = 1,
        kVoltageCode = 2,
        kBrake = 3,
        kLevelCode = 4,
        kDirection = 5,
        kReversionEnable = 6,
        kReversionMode = 7,
        kMotorFlags = 8,
        kSpeedScale = 9,
        kReversionSpeedScale = 10,
        kReservedFirst = 11,
    };

    ConfigRecord() = default;

    std::uint8_t Get(std::size_t index) const { return bytes_.at(index); }
    void Set(std::size_t index, std::uint8_t value) { bytes_.at(index) = value; }

    // Copies bytes 0 to 10 to `out`, which must hold kParameterCount bytes.
    void CopyParameters(std::uint8_t* out) const;
    // Replaces all 15 bytes from `in`, which must hold kSize bytes.
    void ReplaceAll(const std::uint8_t* in);
    // Whether a controller that was sent `this` and answers with `readBack` holds it: the
    // bytes a store carries (0 to 10) agree. -1 when they do, else the first that differs.
    int FirstStoredDifference(const ConfigRecord& readBack) const;
    // The 15 bytes as 30 lowercase hexadecimal digits, as logs and the history write them.
    std::string Hex() const;
    // The set those 30 lowercase digits write; nothing for any other text.
    static std::optional<ConfigRecord> FromHex(std::string_view hex);

    const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }

    friend bool operator==(const ConfigRecord&, const ConfigRecord&) = default;

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};
