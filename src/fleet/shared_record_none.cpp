// Builds without a PostgreSQL client (the Windows cross-build has none): the shared record
// cannot be reached, which is said, and every entry stays in the bench's own history.
#include "fleet/shared_record.h"

class SharedRecord::Connection {};

SharedRecord::SharedRecord(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}
SharedRecord::~SharedRecord() = default;

std::unique_ptr<SharedRecord> SharedRecord::Connect(const std::string&, std::chrono::milliseconds,
                                                    std::string& error) {
    error =
        "this build of the program has no PostgreSQL client; the entries stay in this "
        "bench's history";
    return nullptr;
}

bool SharedRecord::MakeSchema(std::string&) {
    return false;
}

bool SharedRecord::Send(const std::string&, bool, const std::vector<HistoryEntry>&, std::string&) {
    return false;
}

std::optional<std::vector<SharedEntry>> SharedRecord::Entries(const std::string&, std::size_t,
                                                              std::string&) {
    return std::nullopt;
}
