#include "protocol/command_report.h"

void CommandReport::BuildBareCommand(std::uint8_t code) {
    bytes_[0] = 0;  // report ID
    bytes_[1] = 2;  // bare command
    bytes_[2] = code;
    bytes_[3] = code;
}

void CommandReport::BuildStoreReport(const ConfigRecord& record) {
    bytes_[0] = 0;
    bytes_[1] = 1;  // store parameters
    record.CopyParameters(&bytes_[2]);
    bytes_[13] = 0;
    bytes_[14] = 0;
    for (int i = 1; i <= 6; ++i) {
        bytes_[14] ^= bytes_[i + 6];
        bytes_[13] ^= bytes_[i];
    }
}
