// The shared record through libpq: its asynchronous calls, each waited for with a bound.
#include <libpq-fe.h>
#ifdef _WIN32
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <winsock2.h>
#else
#include <poll.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "fleet/shared_record.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS vt350_entries(
    bench_id text NOT NULL,
    local_id bigint NOT NULL,
    bench text NOT NULL,
    time text NOT NULL,
    event text NOT NULL,
    program text NOT NULL,
    node text NOT NULL,
    port text NOT NULL,
    serial text NOT NULL,
    plug_in text NOT NULL,
    unit text NOT NULL,
    record bytea CHECK (record IS NULL OR length(record) = 15),
    file text NOT NULL,
    demo boolean NOT NULL,
    received timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (bench_id, local_id));
CREATE INDEX IF NOT EXISTS vt350_entries_by_unit ON vt350_entries(unit, time)
    WHERE unit <> '';
CREATE TABLE IF NOT EXISTS vt350_schema(version integer NOT NULL);
INSERT INTO vt350_schema(version) SELECT 1 WHERE NOT EXISTS (SELECT 1 FROM vt350_schema);
DO $$ BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'vt350_bench') THEN
        CREATE ROLE vt350_bench NOLOGIN;
    END IF;
END $$;
GRANT SELECT, INSERT ON vt350_entries TO vt350_bench;
GRANT SELECT ON vt350_schema TO vt350_bench;
)sql";

constexpr const char* kInsert =
    "INSERT INTO vt350_entries(bench_id, local_id, bench, time, event, program, node, port, "
    "serial, plug_in, unit, record, file, demo) VALUES($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, "
    "$11, $12, $13, $14) ON CONFLICT (bench_id, local_id) DO NOTHING";
constexpr const char* kSelect =
    "SELECT bench_id, local_id, bench, time, event, program, node, port, serial, plug_in, unit, "
    "encode(record, 'hex'), file, demo FROM vt350_entries WHERE ($1 = '' OR unit = $1) "
    "ORDER BY time DESC, bench_id, local_id DESC LIMIT $2";
constexpr const char* kNewest =
    "SELECT coalesce(max(local_id), 0) FROM vt350_entries WHERE bench_id = $1";
constexpr int kSelectColumns = 14;
// Longer than any field a bench keeps: what a server sends beyond it is refused, not held.
constexpr int kLongestField = 4096;

// A message of libpq's on one line: its lines (a failed connection names each address it
// tried, the next line indented) joined with "; ".
std::string OneLine(std::string_view text) {
    std::string line;
    bool lineBreak = false;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            lineBreak = !line.empty();
        } else if (lineBreak && (c == ' ' || c == '\t')) {
            continue;
        } else {
            if (lineBreak) line += "; ";
            lineBreak = false;
            line += c;
        }
    }
    return line;
}

std::string Message(PGconn* conn) {
    const std::string text = OneLine(conn != nullptr ? PQerrorMessage(conn) : "out of memory");
    return text.empty() ? "the server refused" : text;
}

// Waits until the connection's socket can be read (or written), up to `deadline`.
bool WaitForSocket(PGconn* conn, bool forWriting, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
#ifdef _WIN32
    WSAPOLLFD fd{static_cast<SOCKET>(PQsocket(conn)),
                 static_cast<SHORT>(forWriting ? POLLWRNORM : POLLRDNORM), 0};
    return ::WSAPoll(&fd, 1, static_cast<INT>(left)) > 0;
#else
    pollfd fd{PQsocket(conn), static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
    return ::poll(&fd, 1, static_cast<int>(left)) > 0;
#endif
}

}  // namespace

// One connection; every request is sent and its answer awaited within the limit, after
// which the connection is dropped (a server that stopped answering is not waited for).
class SharedRecord::Connection {
  public:
    explicit Connection(PGconn* conn) : conn_(conn) {}
    ~Connection() { PQfinish(conn_); }

    // The last result of what was sent, or nullptr with `error` set.
    PGresult* Await(Clock::time_point deadline, std::string& error) {
        PGresult* last = nullptr;
        for (;;) {
            while (PQisBusy(conn_)) {
                if (!WaitForSocket(conn_, false, deadline)) {
                    PQclear(last);
                    error = "the server did not answer in time";
                    Drop();
                    return nullptr;
                }
                if (!PQconsumeInput(conn_)) {
                    PQclear(last);
                    error = Message(conn_);
                    return nullptr;
                }
            }
            PGresult* next = PQgetResult(conn_);
            if (next == nullptr) break;
            PQclear(last);
            last = next;
        }
        if (last == nullptr) error = Message(conn_);
        return last;
    }
    bool Flushed(Clock::time_point deadline, std::string& error) {
        int state = 0;
        while ((state = PQflush(conn_)) == 1) {
            if (!WaitForSocket(conn_, true, deadline)) {
                error = "the server did not take the request in time";
                Drop();
                return false;
            }
        }
        if (state < 0) error = Message(conn_);
        return state == 0;
    }
    // A statement without parameters (the schema, BEGIN, COMMIT).
    bool Exec(const char* sql, Clock::time_point deadline, std::string& error) {
        if (dropped_ || !PQsendQuery(conn_, sql) || !Flushed(deadline, error)) {
            if (error.empty()) error = Message(conn_);
            return false;
        }
        PGresult* done = Check(Await(deadline, error), PGRES_COMMAND_OK, error);
        PQclear(done);
        return done != nullptr;
    }
    // A prepared statement, made once a connection.
    PGresult* Prepared(const char* name, const char* sql, int count, const char* const* values,
                       const int* lengths, const int* formats, ExecStatusType wanted,
                       Clock::time_point deadline, std::string& error) {
        if (dropped_) {
            error = "the connection was dropped";
            return nullptr;
        }
        if (prepared_.find(std::string(name) + ";") == std::string::npos) {
            if (!PQsendPrepare(conn_, name, sql, count, nullptr) || !Flushed(deadline, error)) {
                if (error.empty()) error = Message(conn_);
                return nullptr;
            }
            PGresult* made = Check(Await(deadline, error), PGRES_COMMAND_OK, error);
            if (made == nullptr) return nullptr;
            PQclear(made);
            prepared_ += std::string(name) + ";";
        }
        if (!PQsendQueryPrepared(conn_, name, count, values, lengths, formats, 0) ||
            !Flushed(deadline, error)) {
            if (error.empty()) error = Message(conn_);
            return nullptr;
        }
        return Check(Await(deadline, error), wanted, error);
    }

  private:
    PGresult* Check(PGresult* result, ExecStatusType wanted, std::string& error) {
        if (result == nullptr) return nullptr;
        if (PQresultStatus(result) == wanted) return result;
        const char* why = PQresultErrorMessage(result);
        error = OneLine(why != nullptr ? why : "");
        if (error.empty()) error = "the server answered what was not asked";
        PQclear(result);
        return nullptr;
    }
    void Drop() {
        dropped_ = true;
        PQfinish(conn_);
        conn_ = nullptr;
    }

    PGconn* conn_;
    std::string prepared_;  // the names made on this connection, each followed by ';'
    bool dropped_ = false;
};

SharedRecord::SharedRecord(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}
SharedRecord::~SharedRecord() = default;

std::unique_ptr<SharedRecord> SharedRecord::Connect(const std::string& conninfo,
                                                    std::chrono::milliseconds limit,
                                                    std::string& error) {
    const auto deadline = Clock::now() + limit;
    PGconn* conn = PQconnectStart(conninfo.c_str());
    if (conn == nullptr || PQstatus(conn) == CONNECTION_BAD) {
        error = Message(conn);
        PQfinish(conn);
        return nullptr;
    }
    for (PostgresPollingStatusType state = PGRES_POLLING_WRITING;;) {
        if (state == PGRES_POLLING_OK) break;
        if (state == PGRES_POLLING_FAILED) {
            error = Message(conn);
            PQfinish(conn);
            return nullptr;
        }
        if (!WaitForSocket(conn, state == PGRES_POLLING_WRITING, deadline)) {
            error = "the server did not answer within " + std::to_string(limit.count()) + " ms";
            PQfinish(conn);
            return nullptr;
        }
        state = PQconnectPoll(conn);
    }
    if (PQsetnonblocking(conn, 1) != 0) {
        error = Message(conn);
        PQfinish(conn);
        return nullptr;
    }
    auto record =
        std::unique_ptr<SharedRecord>(new SharedRecord(std::make_unique<Connection>(conn)));
    record->limit_ = limit;
    return record;
}

bool SharedRecord::MakeSchema(std::string& error) {
    const auto deadline = Clock::now() + limit_;
    return connection_->Exec("BEGIN", deadline, error) &&
           connection_->Exec(kSchema, deadline, error) &&
           connection_->Exec("COMMIT", deadline, error);
}

bool SharedRecord::Send(const std::string& benchId, bool demo,
                        const std::vector<HistoryEntry>& entries, std::string& error) {
    const auto deadline = Clock::now() + limit_;
    if (!connection_->Exec("BEGIN", deadline, error)) return false;
    for (const HistoryEntry& e : entries) {
        const std::string localId = std::to_string(e.id);
        const std::string record =
            e.set ? std::string(reinterpret_cast<const char*>(e.set->Bytes().data()),
                                ConfigRecord::kSize)
                  : std::string();
        const char* values[14] = {
            benchId.c_str(),  localId.c_str(),   e.bench.c_str(),  e.time.c_str(),
            e.event.c_str(),  e.program.c_str(), e.device.c_str(), e.port.c_str(),
            e.serial.c_str(), e.plugIn.c_str(),  e.unit.c_str(),   e.set ? record.data() : nullptr,
            e.file.c_str(),   demo ? "t" : "f"};
        int lengths[14] = {};
        int formats[14] = {};
        lengths[11] = static_cast<int>(record.size());
        formats[11] = 1;  // the 15 bytes as they are
        PGresult* done = connection_->Prepared("vt350_insert", kInsert, 14, values, lengths,
                                               formats, PGRES_COMMAND_OK, deadline, error);
        if (done == nullptr) {
            std::string ignored;
            connection_->Exec("ROLLBACK", deadline, ignored);
            return false;
        }
        PQclear(done);
    }
    return connection_->Exec("COMMIT", deadline, error);
}

std::optional<std::int64_t> SharedRecord::NewestOf(const std::string& benchId, std::string& error) {
    const auto deadline = Clock::now() + limit_;
    const char* values[1] = {benchId.c_str()};
    PGresult* row = connection_->Prepared("vt350_newest", kNewest, 1, values, nullptr, nullptr,
                                          PGRES_TUPLES_OK, deadline, error);
    if (row == nullptr) return std::nullopt;
    std::optional<std::int64_t> newest;
    if (PQntuples(row) == 1 && PQnfields(row) == 1 && PQgetlength(row, 0, 0) <= 20) {
        const std::string text = PQgetvalue(row, 0, 0);
        char* end = nullptr;
        const long long value = std::strtoll(text.c_str(), &end, 10);
        if (!text.empty() && *end == '\0' && value >= 0) newest = value;
    }
    PQclear(row);
    if (!newest) error = "the server sent what no bench keeps (a newest id that is no number)";
    return newest;
}

std::optional<std::vector<SharedEntry>> SharedRecord::Entries(const std::string& unit,
                                                              std::size_t most,
                                                              std::string& error) {
    const auto deadline = Clock::now() + limit_;
    const std::string bound = std::to_string(most);
    const char* values[2] = {unit.c_str(), bound.c_str()};
    PGresult* rows = connection_->Prepared("vt350_select", kSelect, 2, values, nullptr, nullptr,
                                           PGRES_TUPLES_OK, deadline, error);
    if (rows == nullptr) return std::nullopt;
    std::vector<SharedEntry> out;
    const int count = PQntuples(rows);
    // A server that sends what no bench keeps (another table under the name, more rows than
    // asked, fields of another kind or size) is refused whole, with a reason.
    const auto refuse = [&](const std::string& why) {
        PQclear(rows);
        error = "the server sent what no bench keeps (" + why + ")";
        return std::nullopt;
    };
    if (PQnfields(rows) != kSelectColumns) return refuse("another set of columns");
    if (count < 0 || static_cast<std::size_t>(count) > most) return refuse("more rows than asked");
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < kSelectColumns; ++column) {
            if (PQgetlength(rows, row, column) > kLongestField) return refuse("a field too long");
        }
        const auto text = [&](int column) { return std::string(PQgetvalue(rows, row, column)); };
        SharedEntry s;
        s.benchId = text(0);
        char* end = nullptr;
        const std::string id = text(1);
        s.entry.id = std::strtoll(id.c_str(), &end, 10);
        if (id.empty() || *end != '\0') return refuse("an id that is no number");
        s.entry.bench = text(2);
        s.entry.time = text(3);
        s.entry.event = text(4);
        s.entry.program = text(5);
        s.entry.device = text(6);
        s.entry.port = text(7);
        s.entry.serial = text(8);
        s.entry.plugIn = text(9);
        s.entry.unit = text(10);
        if (!PQgetisnull(rows, row, 11)) {
            s.entry.set = ConfigRecord::FromHex(std::string_view(
                PQgetvalue(rows, row, 11), static_cast<std::size_t>(PQgetlength(rows, row, 11))));
            if (!s.entry.set) return refuse("a set that is not 15 bytes");
        }
        if ((s.entry.event == "reset") == s.entry.set.has_value()) {
            return refuse("an entry whose event and set disagree");
        }
        s.entry.file = text(12);
        s.demo = text(13) == "t";
        out.push_back(std::move(s));
    }
    PQclear(rows);
    return out;
}
