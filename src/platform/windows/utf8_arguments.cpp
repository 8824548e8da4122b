#include "platform/utf8_arguments.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "config/wide_names.h"

Utf8Arguments::Utf8Arguments(int argc, char* argv[]) {
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) texts_.push_back(Utf8FromWide(wide[i]));
        LocalFree(wide);
    }
    if (texts_.empty()) texts_.assign(argv, argv + argc);
    for (std::string& t : texts_) pointers_.push_back(t.data());
    pointers_.push_back(nullptr);
}
