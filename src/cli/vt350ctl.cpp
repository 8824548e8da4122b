// vt350ctl's arguments and dispatch: the controller from the command line, for scripts and
// for workshops that program many controllers. Same protocol, file format and virtual
// controller as the window.
#include "cli/vt350ctl.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/ctl_commands.h"
#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "config/unit_name.h"
#include "platform/permission_advice.h"

namespace {

const char* const kFooter =
    R"(Sets: FILE is a .qkf file (15 bytes, the parameter set); "-" reads it from
standard input, and "-o -" writes it to standard output.

Exit status: 0 success, 1 the sets differ or the controller answered with an error or a
garbled answer (or the user did not confirm), 2 usage error, 3 no controller (or it cannot be opened), 4 the
controller did not answer in time, 5 a file could not be read, written or accepted.
)";

struct Command {
    const char* name;
    const char* summary;
    bool usesDevice;
    int (*run)(const CtlOptions&);
};

const Command kCommands[] = {
    {"list", "the HID interfaces present, with their ports; controllers are marked", true, CmdList},
    {"read", "read the controller's parameter set: show it, save it or print it as JSON", true,
     CmdRead},
    {"write", "store a .qkf file's parameter set in the controller (asks first)", true, CmdWrite},
    {"reset", "restore the controller's factory settings (asks first)", true, CmdReset},
    {"connect", "send Connect and wait for its acknowledgement", true, CmdConnect},
    {"disconnect", "send Disconnect and wait for its acknowledgement", true, CmdDisconnect},
    {"show", "show a .qkf file's parameter set, decoded or as JSON", false, CmdShow},
    {"diff", "compare two parameter sets: .qkf files, \"device\" or history entries (@ID)", true,
     CmdDiff},
    {"import", "turn the JSON form back into a .qkf file", false, CmdImport},
    {"provision", "store one set in controller after controller as they are plugged in", true,
     CmdProvision},
    {"watch", "print each arrival and removal of the controller as it happens", true, CmdWatch},
    {"history", "list what each controller held and was given, newest first; show one entry", true,
     CmdHistory},
    {"restore", "store a set from the history in the controller again (asks first)", true,
     CmdRestore},
};

// File names: "-" is a stream, an empty name is nothing at all.
const CLI::Validator kFileName(
    [](std::string& name) {
        return name.empty() ? std::string("a file name cannot be empty") : "";
    },
    "", "file name");

const CLI::Validator kUnitText(
    [](std::string& text) {
        text = TrimmedUnit(text);
        return UnitProblem(text);
    },
    "", "unit");

const CLI::Validator kTimeoutRange(
    [](std::string& text) {
        char* end = nullptr;
        const double s = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0' || !std::isfinite(s) || s < 0.05 || s > 3600) {
            return std::string("takes seconds from 0.05 to 3600");
        }
        return std::string();
    },
    "", "timeout");

void AddCommandOptions(CLI::App& sub, const std::string& name, CtlOptions& o) {
    auto file = [&](const char* what, const char* help, int count) {
        sub.add_option(what, o.args, help)
            ->required()
            ->expected(count)
            ->check(kFileName)
            ->type_name("");
    };
    if (name == "list") {
        sub.add_flag("--json", o.json, "the interfaces as JSON");
    } else if (name == "read") {
        sub.add_option("-o,--output", o.output, "save the set to this .qkf file (- for stdout)")
            ->check(kFileName)
            ->type_name("FILE");
        sub.add_flag("--json", o.json, "print the set as JSON, the form import reads");
    } else if (name == "write") {
        file("FILE", "the .qkf file to store (- for standard input, with --yes)", 1);
        sub.add_flag("-y,--yes", o.yes, "do not ask for confirmation");
        sub.add_flag("--verify", o.verify, "read the set back and compare bytes 0 to 10");
        sub.add_flag("--force", o.force, "send a set that holds values no editor would write");
    } else if (name == "reset") {
        sub.add_flag("-y,--yes", o.yes, "do not ask for confirmation");
    } else if (name == "show") {
        file("FILE", "the .qkf file to show (- for standard input)", 1);
        sub.add_flag("--json", o.json, "print the set as JSON");
    } else if (name == "diff") {
        // Two positionals, each a plain name the library accepts, into one list in order.
        for (const char* which : {"A", "B"}) {
            sub.add_option_function<std::string>(
                   which, [&o](const std::string& set) { o.args.push_back(set); },
                   which[0] == 'A'
                       ? "a set: a .qkf file, - for standard input, device, or a history entry @ID"
                       : "the set to compare it with, of the same kinds")
                ->required()
                ->check(kFileName)
                ->type_name("");
        }
    } else if (name == "provision") {
        file("SET", "the .qkf file to store in every controller", 1);
        sub.add_option("--backup-dir", o.backupDir,
                       "keep each controller's previous set here as NNNN-YYYYmmdd-HHMMSS.qkf")
            ->check(kFileName)
            ->type_name("DIR");
        sub.add_option("--log", o.logFile, "append one JSON line per controller to this file")
            ->check(kFileName)
            ->type_name("FILE");
        sub.add_option("--count", o.count, "stop after this many controllers (default: Ctrl+C)")
            ->check(CLI::Range(1, 100000))
            ->type_name("N");
        sub.add_flag("-y,--yes", o.yes, "do not ask for confirmation");
        sub.add_flag("--force", o.force, "store a set that holds values no editor would write");
        sub.add_flag("--ask-unit", o.askUnit,
                     "ask each controller's unit (typed or scanned, then Enter) before storing");
    } else if (name == "watch") {
        sub.add_flag("--json", o.json, "one JSON object per line");
        sub.add_flag("--every-device", o.everyDevice,
                     "also every device that comes or goes, by the name the system gives it "
                     "(why is a controller not recognised?)");
        sub.add_option("--count", o.count, "stop after this many arrivals and removals")
            ->check(CLI::Range(1, 100000))
            ->type_name("N");
    } else if (name == "history") {
        sub.add_option("show", o.args,
                       "show ENTRY: one entry decoded (ENTRY: its number, 1 the "
                       "newest; its id, @17; or its file's name)")
            ->expected(0, 2)
            ->type_name("");
        sub.footer(
            "history sync: send the entries that wait to the shared record now.\n"
            "history server-init: make the shared record's table and its role vt350_bench "
            "(once, as the server's owner).\n"
            "The shared record: a PostgreSQL connection string in VT350_HISTORY_SERVER, or "
            "history_server = ... in the settings file; --unit and --all-benches list from it.");
        sub.add_option("-n,--last", o.last, "list this many entries, newest first (default 20)")
            ->check(CLI::Range(1, 1000000))
            ->type_name("N");
        sub.add_flag("--json", o.json, "the entries (or the entry's set) as JSON");
        sub.add_flag("--all-benches", o.allBenches,
                     "every bench's entries, from the shared record (VT350_HISTORY_SERVER)");
    } else if (name == "restore") {
        file("ENTRY",
             "the history entry to store again: its number (1 the newest), its id (@17) or file "
             "name",
             1);
        sub.add_flag("-y,--yes", o.yes, "do not ask for confirmation");
        sub.add_flag("--verify", o.verify, "read the set back and compare bytes 0 to 10");
        sub.add_flag("--force", o.force, "send a set that holds values no editor would write");
    } else if (name == "import") {
        file("JSON", "the JSON form (- for standard input)", 1);
        sub.add_option("-o,--output", o.output, "the .qkf file to write (- for stdout)")
            ->required()
            ->check(kFileName)
            ->type_name("FILE");
    }
}

// The commands that may keep history entries, which then go to the shared record.
bool KeepsEntries(std::string_view command) {
    for (const char* keeping : {"read", "write", "reset", "restore", "diff", "provision"}) {
        if (command == keeping) return true;
    }
    return false;
}

int Usage(const std::string& sentence, const std::string& command) {
    return Fail(Exit::kUsage,
                sentence + " (see vt350ctl " + (command.empty() ? "" : command + " ") + "--help)");
}

int ParseAndRun(int argc, char* argv[]) {
    CtlOptions o;
    CLI::App app("Reads, writes and compares the parameter sets of VT-350 motor controllers.",
                 "vt350ctl");
    app.footer(std::string(kFooter) + SystemHelpNotes());
    app.set_version_flag("--version", std::string("vt350ctl ") + VT350_VERSION);
    app.require_subcommand(1);
    app.fallthrough();
    std::string behaviour;
    auto* demo = app.add_flag("--demo", o.backend.demo,
                              "use the virtual controller instead of the USB hardware");
    auto* misbehave =
        app.add_option("--demo-behaviour", behaviour, "make it misbehave: " + DemoBehaviourHelp())
            ->type_name("LIST");
    auto* timeout = app.add_option("--timeout", o.timeoutSeconds,
                                   "how long to wait for each answer, 0.05 to 3600 s (default 2)")
                        ->check(kTimeoutRange)
                        ->type_name("SECONDS");
    auto* port = app.add_option("--port", o.port,
                                "the controller plugged into this USB port (vt350ctl list shows "
                                "them; needed when several are plugged in)")
                     ->type_name("PORT");
    auto* unit = app.add_option("--unit", o.unit,
                                "the bike, frame or order the controller belongs to, kept with "
                                "each entry; history: list that unit's entries")
                     ->check(kUnitText)
                     ->type_name("UNIT");
    app.add_option("--bench", o.bench,
                   "this bench's name in the history (default: the host's name)")
        ->type_name("NAME");
    app.add_flag("-q,--quiet", o.quiet, "print only the data asked for and the errors");
    for (const Command& c : kCommands) {
        CLI::App* sub = app.add_subcommand(c.name, c.summary);
        // Only a command named on the line gets its options: building every command's
        // would cost each run more than the rest of the parse.
        if (std::any_of(argv + 1, argv + argc,
                        [&](const char* a) { return c.name == std::string_view(a); })) {
            AddCommandOptions(*sub, c.name, o);
        }
        sub->callback([&o, &c] { o.command = c.name; });
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        const auto subs = app.get_subcommands();
        return Usage(e.what(), subs.empty() ? "" : subs.front()->get_name());
    }
    std::string error;
    if (!behaviour.empty() && !ParseMisbehaviour(behaviour, o.backend.behaviour, error)) {
        return Usage(error, "");
    }
    for (const Command& c : kCommands) {
        if (o.command != c.name) continue;
        for (const CLI::Option* opt : {demo, misbehave, timeout, port, unit}) {
            if (opt == unit && c.name == std::string_view("history")) continue;
            if (!c.usesDevice && opt->count() > 0) {
                return Usage(
                    opt->get_name() + " does not apply to " + c.name + ", which uses no controller",
                    c.name);
            }
        }
        const int status = c.run(o);
        if (KeepsEntries(c.name) && o.command != "provision") {
            History history = OpenHistory(o);
            SendToSharedRecord(o, history);
        }
        return FinishOutput(status);
    }
    return Usage("no command given", "");
}

}  // namespace

int Vt350ctlMain(int argc, char* argv[]) {
    // A message on standard error must not flush standard output on the way: a failure to
    // write that (a full disk) is then found and named where the output is finished.
    std::cerr.tie(nullptr);
    try {
        return ParseAndRun(argc, argv);
    } catch (const CLI::ConstructionError& e) {
        // An option this library version refuses to build is a fault of the program, never
        // of the command line: said with the library's reason, not aborted.
        return Fail(Exit::kUsage, std::string("the options cannot be built: ") + e.what());
    }
}
