// The replies a request can meet: a request succeeds only on the matching, valid answer,
// and a configuration reply hands over exactly its record. Checked against the protocol's
// rules written out here independently of the decoder.
#include <cstdlib>
#include <cstring>

#include "protocol/controller_session.h"

namespace {

bool ValidConfigReply(const std::uint8_t* r) {
    std::uint8_t a = 0, b = 0;
    for (int i = 1; i <= 8; ++i) a ^= r[i], b ^= r[i + 8];
    return r[0] == 0 && r[1] == 1 && a == r[17] && b == r[18];
}

bool ValidCode(const std::uint8_t* r, std::uint8_t kind, std::uint8_t code) {
    const int sum = r[3] + r[4];
    return r[0] == 0 && r[1] == kind && r[2] == code && sum <= 255 && sum == 2 * code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte chooses the request; the rest are input reports of 19 bytes.
    const ReplyExpectation requests[] = {{true, 0, kGetConfigFailed},
                                         {false, kParametersLoaded, kLoadFailed},
                                         {false, kConnected, 0},
                                         {false, kDisconnected, 0},
                                         {false, kFactoryRestored, 0}};
    const ReplyExpectation& expect = requests[data[0] % 5];
    ++data, --size;
    for (; size >= ResponseReport::kSize;
         data += ResponseReport::kSize, size -= ResponseReport::kSize) {
        ResponseReport input;
        std::memcpy(input.data(), data, ResponseReport::kSize);
        ConfigRecord record;
        record.Set(0, 0x77);
        const ConfigRecord before = record;
        const ReplyVerdict verdict = JudgeReply(input, expect, &record);
        const bool answer = expect.config
                                ? ValidConfigReply(data)
                                : ValidCode(data, ResponseReport::kAcknowledgement, expect.ackCode);
        const bool error = !answer && ValidCode(data, ResponseReport::kError, expect.errorCode);
        if ((verdict == ReplyVerdict::kAnswer) != answer) std::abort();
        if ((verdict == ReplyVerdict::kError) != error) std::abort();
        if (verdict == ReplyVerdict::kAnswer && expect.config) {
            if (std::memcmp(record.Bytes().data(), data + ResponseReport::kRecordOffset,
                            ConfigRecord::kSize) != 0) {
                std::abort();
            }
        } else if (!(record == before)) {
            std::abort();
        }
        for (std::uint8_t b : input.Bytes()) {
            if (b != 0) std::abort();  // every judged report is cleared
        }
    }
    return 0;
}
