#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_record.h"

// Ways the virtual controller can be told to misbehave.
struct Misbehaviour {
    bool silent = false;         // answers nothing
    int lateBy = 0;              // each answer waits this many polls before it can be read
    bool badCheckBytes = false;  // configuration replies and codes carry wrong check bytes
    bool errorReplies = false;   // configuration request -> error 50, store -> error 49
    // A burst of unasked acknowledgements 33 waits in the host's input buffer ahead of
    // the first answer and after every answer.
    bool flood = false;
    bool refuseOpens = false;  // read and write opens fail
    int refusedWith = 0;       // with this system error (0: access refused, EACCES)
    bool failWrites = false;   // every output report is refused
    bool absent = false;       // starts unplugged
    int controllers = 1;       // on a hub: this many, each in a port of its own
    bool storesWrong = false;  // a store is acknowledged, but another set is kept
    // The HID interface appears this many searches after each arrival (as on Windows, where
    // the USB device arrives before its HID interface exists).
    int interfaceLag = 0;
};

// The words that name the misbehaviours, in the order the help texts list them; every help
// text and every parse reads this one list.
struct MisbehaviourWord {
    const char* word;
    const char* form;     // as the help texts show it: "late[=N]"
    const char* meaning;  // for the help texts
};
std::span<const MisbehaviourWord> MisbehaviourWords();
// "silent, late[=N], badcheck, errors, flood, refuse, failwrites, absent".
std::string MisbehaviourList();

// Reads a comma-separated list of misbehaviour words. False (and `error` set) for an
// unknown word.
bool ParseMisbehaviour(std::string_view list, Misbehaviour& out, std::string& error);

// The controller's side of the protocol: it keeps a stored parameter set and answers the
// five commands. One implementation serves the tests, the demo mode and the USB gadget.
class VirtualController {
  public:
    // The stored set after a factory reset: 15 A continuous, 30 A peak, 36 V, brake 110
    // (50 %), level Mid, direction FWD, reversion off and "at zero speed", BLDC at 120°,
    // forward scale 100 % (0 = 256), reversion scale 50 %, reserved bytes 0.
    static ConfigRecord FactoryRecord();

    VirtualController();

    // One output report from the host: 15 bytes, byte 0 the report ID.
    void Receive(const std::uint8_t* report);
    // The next input report to hand to the host (19 bytes, byte 0 the report ID); false
    // when there is none yet.
    bool NextInput(std::uint8_t* report);

    ConfigRecord stored;
    Misbehaviour behaviour;
    // The USB serial string it presents; units of one make share "0001".
    std::string serial = "0001";
    // The latest output reports received, oldest first, for the tests to compare byte for
    // byte; bounded, so that a long demo or gadget run does not grow without end.
    static constexpr std::size_t kHistorySize = 256;
    std::deque<std::array<std::uint8_t, 15>> received;
    std::uint64_t receivedCount = 0;  // all reports ever received

  private:
    struct Pending {
        std::array<std::uint8_t, 19> bytes;
        int wait;
    };
    void Queue(const std::array<std::uint8_t, 19>& report);
    void QueueCode(std::uint8_t kind, std::uint8_t code);
    void QueueConfigReply();

    static constexpr std::size_t kQueueSize = 16;
    static constexpr int kFloodBurst = 16;
    bool floodStarted_ = false;
    int unasked_ = 0;  // flood acknowledgements still to come before the queue
    std::array<Pending, kQueueSize> queue_{};
    std::size_t head_ = 0;
    std::size_t count_ = 0;
};
