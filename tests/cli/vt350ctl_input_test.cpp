// vt350ctl against wrong input: files that are not parameter sets, inputs that are not
// files, broken JSON, stray arguments, failing outputs; and the shell habits it keeps.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "run_process.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string kFactory("\x0f\x1e\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00", 15);

class Vt350ctlInputTest : public ::testing::Test {
  protected:
    ProcessResult Run(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), VT350CTL_PATH);
        return RunProcess(args, input);
    }
    // Through the shell, for redirections.
    ProcessResult Shell(const std::string& line) {
        return RunProcess({"/bin/sh", "-c", std::string(VT350CTL_PATH) + " " + line});
    }
    std::string Path(const std::string& name) const { return tmp_ / name; }
    static void Put(const std::string& path, const std::string& bytes) {
        PutFileBytes(path, bytes);
    }
    static std::string Slurp(const std::string& path) { return FileBytes(path); }
    std::string Json() {
        Put(Path("f.qkf"), kFactory);
        return Run({"show", Path("f.qkf"), "--json"}).out;
    }
    TempDir tmp_{"vt350ctl-input"};
};

}  // namespace

TEST_F(Vt350ctlInputTest, WriteRefusesWhatIsNotAParameterSet) {
    Put(Path("set.json"), Run({"--demo", "read", "--json"}).out);
    std::string noise(1 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : noise) c = static_cast<char>(random());
    Put(Path("noise.qkf"), noise);
    std::string odd = kFactory;
    odd[0] = 45, odd[1] = 0, odd[2] = 100;
    Put(Path("odd.qkf"), odd);
    for (const char* name : {"set.json", "noise.qkf", "odd.qkf"}) {
        auto r = Run({"--demo", "write", Path(name), "--yes", "--verify"});
        EXPECT_EQ(r.exitCode, 5) << name;
        EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("stored"), std::string::npos) << name;
    }
    auto odd5 = Run({"--demo", "write", Path("odd.qkf"), "--yes"});
    EXPECT_NE(odd5.err.find("Continuous current: 45 A is outside 1 to 30 A"), std::string::npos)
        << odd5.err;
    EXPECT_NE(
        odd5.err.find("Motor voltage: unknown (code 100); the editor offers 24 V, 36 V or 48 V"),
        std::string::npos);
    auto forced = Run({"--demo", "write", Path("odd.qkf"), "--yes", "--force", "--verify"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
}

TEST_F(Vt350ctlInputTest, InputsThatAreNotFilesAreRefusedWithoutHangingOrAborting) {
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    fs::create_directory(Path("folder"));
    const std::pair<std::string, std::string> cases[] = {
        {Path("folder"), "it is a folder"},
        {Path("pipe"), "holds 0 bytes"},
        {"/dev/zero", "larger than 64 KB"},
    };
    for (const auto& [input, says] : cases) {
        for (const char* command : {"show", "import"}) {
            std::vector<std::string> args = {command, input};
            if (std::string(command) == "import") args.insert(args.end(), {"-o", Path("x.qkf")});
            auto r = Run(args);
            EXPECT_EQ(r.exitCode, 5) << command << " " << input << "\n" << r.err;
            if (std::string(command) == "show") {
                EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
            }
        }
    }
    EXPECT_FALSE(fs::exists(Path("x.qkf")));
}

TEST_F(Vt350ctlInputTest, ImportTakesJsonAsTheStandardDefinesIt) {
    const std::string json = Json();
    auto import = [&](const std::string& text) {
        Put(Path("in.json"), text);
        return Run({"import", Path("in.json"), "-o", Path("out.qkf")});
    };
    auto swap = [&](const std::string& from, const std::string& to) {
        std::string t = json;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    for (const char* number : {"0x1e", "+15", "015", "15.", ".5e1"}) {
        auto r = import(swap("\"continuous_current_a\": 15",
                             std::string("\"continuous_current_a\": ") + number));
        EXPECT_EQ(r.exitCode, 5) << number;
        EXPECT_NE(r.err.find("not valid JSON: parse error at line 2, column"), std::string::npos)
            << number << "\n"
            << r.err;
        EXPECT_NE(r.err.find("not the JSON form"), std::string::npos);
    }
    auto huge = import(swap("\"continuous_current_a\": 15", "\"continuous_current_a\": 1e999"));
    EXPECT_EQ(huge.exitCode, 5) << "a number beyond a double is an error, not an abort";
    EXPECT_NE(huge.err.find("not valid JSON"), std::string::npos) << huge.err;
    EXPECT_EQ(import("\xEF\xBB\xBF" + json).exitCode, 0) << "a byte order mark is allowed";
    auto escaped = import(swap("\"Mid\"", "\"\\u004did\""));
    EXPECT_EQ(escaped.exitCode, 0) << escaped.err;
    EXPECT_EQ(Slurp(Path("out.qkf")), kFactory);
    auto twice = import(swap("{", "{\n  \"peak_current_a\": 50,"));
    EXPECT_EQ(twice.exitCode, 5);
    EXPECT_NE(twice.err.find("\"peak_current_a\" is given twice"), std::string::npos);
}

TEST_F(Vt350ctlInputTest, StrayArgumentsEmptyNamesAndOddTimeoutsAreUsageErrors) {
    Put(Path("f.qkf"), kFactory);
    const std::vector<std::vector<std::string>> wrong = {
        {"--demo", "read", "bike42.qkf"},
        {"--demo", "read", "-o", ""},
        {"--demo", "list", "extra"},
        {"show", Path("f.qkf"), "-o", Path("g.qkf")},
        {"show", ""},
        {"show", Path("f.qkf"), "--timeout", "3"},
        {"import", Path("f.qkf")},
        {"--demo", "connect", "now"},
        {"--demo", "--timeout", "nan", "read"},
        {"--demo", "--timeout", "inf", "read"},
        {"--demo", "--timeout", "0.0001", "reset", "--yes"},
        {"--demo", "--timeout", "3601", "read"},
        {"diff", "-", "-"},
    };
    for (const auto& args : wrong) {
        auto r = Run(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_EQ(r.exitCode, 2) << line << "\n" << r.err;
        EXPECT_EQ(r.err.rfind("vt350ctl: ", 0), 0u) << line;
    }
}

TEST_F(Vt350ctlInputTest, AFailedStandardOutputIsAFileError) {
    for (const char* line : {"--demo read --json > /dev/full", "--demo read > /dev/full",
                             "--demo read -o - > /dev/full"}) {
        auto r = Shell(line);
        EXPECT_EQ(r.exitCode, 5) << line;
        EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
    }
}

TEST_F(Vt350ctlInputTest, ConnectTakesOnlyTheAcknowledgementOfItsOwnRequest) {
    auto r = Run({"--demo", "--demo-behaviour", "flood,silent", "--timeout", "0.3", "connect"});
    EXPECT_EQ(r.exitCode, 4) << r.out;
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "flood", "connect"}).exitCode, 0);
    // Its own answer garbled, then unasked acknowledgements that look like it.
    for (const char* command : {"connect", "disconnect"}) {
        auto garbled = Run({"--demo", "--demo-behaviour", "badcheck,flood", command});
        EXPECT_EQ(garbled.exitCode, 1) << command << ": " << garbled.out;
        EXPECT_NE(garbled.err.find("failed its check"), std::string::npos) << garbled.err;
    }
}

TEST_F(Vt350ctlInputTest, ASaveTouchesOnlyItsOwnFileAndWritesWhatIsNoFileAsItIs) {
    // A home folder with the user's own old dot-files.
    const std::string home = Path("home");
    std::filesystem::create_directories(home);
    const std::vector<std::string> own = {".bashrc.backup", ".profile.backup", ".vimrc.backup",
                                          ".gitconfig.before", ".env.local1"};
    for (const std::string& name : own) {
        Put(home + "/" + name, "mine");
        ASSERT_EQ(RunProcess({"/usr/bin/touch", "-d", "1 hour ago", home + "/" + name}).exitCode,
                  0);
    }
    auto saved = Run({"--demo", "read", "-o", home + "/bike.qkf"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    for (const std::string& name : own) {
        EXPECT_EQ(Slurp(home + "/" + name), "mine") << name << " was removed by a save";
    }
    // Into a pipe through /dev/stdout: the 15 bytes, and no file named "pipe:[N]".
    auto piped = RunProcess(
        {"/bin/sh", "-c",
         "cd " + home + " && " + VT350CTL_PATH + " --demo read -q -o /dev/stdout | wc -c"});
    EXPECT_EQ(piped.out, "15\n") << piped.err;
    for (const auto& e : std::filesystem::directory_iterator(home)) {
        EXPECT_EQ(e.path().filename().string().find("pipe:"), std::string::npos);
    }
    auto discarded = Run({"--demo", "read", "-o", "/dev/null"});
    EXPECT_EQ(discarded.exitCode, 0) << discarded.err;
}

TEST_F(Vt350ctlInputTest, ShellHabits) {
    // --opt=value, and -- before a name that starts with a dash.
    auto r = Run({"--demo", "--demo-behaviour=silent", "--timeout=0.3", "--port=demo-1", "read"});
    EXPECT_EQ(r.err,
              "Controller: port demo-1, serial 0001 (virtual:vt350/0001)\n"
              "vt350ctl: the controller did not answer within 0.3 s\n");
    Put(Path("-odd.qkf"), kFactory);
    std::error_code ec;
    fs::current_path(tmp_.path(), ec);
    EXPECT_EQ(Run({"show", "--json", "--", "-odd.qkf"}).exitCode, 0);
    // "-" is standard input and standard output.
    EXPECT_EQ(Run({"--demo", "read", "-o", "-"}).out, kFactory);
    EXPECT_NE(Run({"show", "-"}, kFactory).out.find("Peak current            30 A"),
              std::string::npos);
    EXPECT_EQ(Run({"import", "-", "-o", "-"}, Json()).out, kFactory);
    EXPECT_EQ(Run({"--demo", "write", "-"}, kFactory).exitCode, 2) << "no way to confirm";
    EXPECT_EQ(Run({"--demo", "write", "-", "--yes"}, kFactory).exitCode, 0);
    // --quiet leaves the data and the errors only.
    Put(Path("f.qkf"), kFactory);
    EXPECT_EQ(Run({"--demo", "-q", "write", Path("f.qkf"), "--yes"}).out, "");
    EXPECT_EQ(Run({"--demo", "connect", "--quiet"}).out, "");
    EXPECT_EQ(Run({"-q", "diff", Path("f.qkf"), Path("f.qkf")}).out, "");
    // reset asks, as write does.
    auto declined = Run({"--demo", "reset"}, "n\n");
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_NE(declined.err.find("nothing was sent"), std::string::npos);
    EXPECT_EQ(Run({"--demo", "reset"}, "y\n").exitCode, 0);
}
