// vt350ctl's argument parsing and dispatch, in the process: any argument list ends in one
// of the documented exit statuses, never in a crash or an uncaught exception. The
// arguments run against the virtual controller with a folder of their own for its files,
// its history and its settings (file names are taken there, and no shared record is
// reached), and each runs there; between runs the working folder is the one it was started
// in, so that a corpus named relative to it works. Names with a slash, "-" streams, options
// that make the controller slow and the commands that wait for a person (provision, watch)
// are left out.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/vt350ctl.h"

namespace {

std::filesystem::path dir;

void PrepareFolder() {
    static bool done = false;
    if (done) return;
    done = true;
    dir = std::filesystem::temp_directory_path() / ("vt350-cli-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    setenv("XDG_DATA_HOME", dir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    unsetenv("VT350_HISTORY_SERVER");
    const char factory[] = "\x0f\x1e\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00";
    std::ofstream(dir / "f.qkf", std::ios::binary).write(factory, 15);
    std::ofstream(dir / "j.json") << "{\"continuous_current_a\": 15}";
    // No terminal to ask, nothing to show; run with -close_fd_mask=2 to hide the messages.
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
}

// The workshop commands run until a person stops them, by design; they have their own tests.
bool Allowed(const std::string& a) {
    return a != "-" && a != "provision" && a != "watch" && a.find('/') == std::string::npos &&
           a.find("timeout") == std::string::npos && a.find("behaviour") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFolder();
    std::vector<std::string> words{"vt350ctl", "--demo"};
    std::string word;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\n' || data[i] == 0) {
            // A word that is no option nor command names a file in the folder.
            const bool option = word.empty() || word[0] == '-' || word[0] == '@' ||
                                word.find('.') == std::string::npos;
            if (Allowed(word)) words.push_back(option ? word : (dir / word).string());
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    if (words.size() > 12) return 0;
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    // Whatever a bare word names (an output file, say) is made in the folder: the command runs
    // there, and libFuzzer's own files go where it was started.
    static const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const int status = Vt350ctlMain(static_cast<int>(words.size()), argv.data());
    std::filesystem::current_path(started);
    if (status < 0 || status > 5) std::abort();
    return 0;
}
