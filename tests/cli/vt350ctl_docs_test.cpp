// The man page and the bash completion say what --help says: every command and every
// option of each command appears in both.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "run_process.h"
#include "sim/virtual_controller.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A command's --help, which must end well and name the command in its usage line (an
// option the library refuses to build aborts the program before it prints anything).
std::string Help(const std::string& command) {
    std::vector<std::string> args{VT350CTL_PATH};
    if (!command.empty()) args.push_back(command);
    args.push_back("--help");
    const ProcessResult help = RunProcess(args);
    EXPECT_EQ(help.exitCode, 0) << "vt350ctl " << command << " --help: " << help.err;
    EXPECT_NE(help.out.find("Usage: vt350ctl" + (command.empty() ? "" : " " + command)),
              std::string::npos)
        << help.out;
    return help.out;
}

// The option names of a --help text ("-o,--output FILE" gives -o and --output).
std::set<std::string> Options(const std::string& help) {
    std::set<std::string> names;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("  -", 0) != 0) continue;
        // "-o,--output FILE": the names before the first space, split at the commas.
        std::istringstream option(line.substr(2, line.find(' ', 2) - 2));
        std::string name;
        while (std::getline(option, name, ',')) names.insert(name);
    }
    return names;
}

// The commands listed under "Subcommands:".
std::vector<std::string> Commands(const std::string& help) {
    std::vector<std::string> out;
    std::istringstream lines(help.substr(help.find("Subcommands:")));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line) && line.rfind("  ", 0) == 0) {
        out.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return out;
}

std::string ManForm(const std::string& option) {
    std::string out;
    for (char c : option) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

}  // namespace

TEST(Vt350ctlDocs, ManPageAndCompletionAgreeWithHelp) {
    const std::string man = Slurp(VT350_SOURCE_DIR "/packaging/vt350ctl.1");
    const std::string completion = Slurp(VT350_SOURCE_DIR "/packaging/vt350ctl.bash-completion");
    ASSERT_FALSE(man.empty());
    ASSERT_FALSE(completion.empty());
    const std::string top = Help("");
    const auto commands = Commands(top);
    ASSERT_GE(commands.size(), 9u);
    for (const std::string& option : Options(top)) {
        EXPECT_NE(man.find(ManForm(option)), std::string::npos) << option << " in the man page";
        EXPECT_NE(completion.find(" " + option), std::string::npos) << option << " in completion";
    }
    for (const std::string& command : commands) {
        const bool inMan = man.find("\n.B " + command) != std::string::npos ||
                           man.find("\n.BR " + command) != std::string::npos;
        EXPECT_TRUE(inMan) << command << " in the man page";
        const auto commandsAt = completion.find("local commands=\"");
        ASSERT_NE(commandsAt, std::string::npos);
        const std::string listed = completion.substr(
            commandsAt + 16, completion.find('"', commandsAt + 16) - commandsAt - 16);
        EXPECT_NE((" " + listed + " ").find(" " + command + " "), std::string::npos) << command;
        for (const std::string& option : Options(Help(command))) {
            if (option == "-h" || option == "--help") continue;
            EXPECT_NE(man.find(ManForm(option)), std::string::npos)
                << command << " " << option << " in the man page";
            const auto at = completion.find("\n        " + command + ") options=\"");
            ASSERT_NE(at, std::string::npos) << command << " has options but no completion";
            std::string listed = completion.substr(at + 1, completion.find('\n', at + 1) - at - 1);
            std::replace(listed.begin(), listed.end(), '"', ' ');
            EXPECT_NE((listed + " ").find(" " + option + " "), std::string::npos)
                << command << " " << option << " in completion: " << listed;
        }
    }
}

TEST(Vt350ctlDocs, EveryMisbehaviourWordIsDocumented) {
    const std::string top = Help("");
    for (const char* doc : {"/packaging/vt350ctl.1", "/packaging/vt350-config.1",
                            "/packaging/vt350ctl.bash-completion", "/README.md"}) {
        const std::string text = Slurp(std::string(VT350_SOURCE_DIR) + doc);
        for (const MisbehaviourWord& w : MisbehaviourWords()) {
            EXPECT_NE(text.find(w.word), std::string::npos) << w.word << " in " << doc;
            EXPECT_NE(top.find(w.word), std::string::npos) << w.word << " in --help";
        }
    }
}
