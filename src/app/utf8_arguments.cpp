#include "app/utf8_arguments.h"

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "config/file_names.h"
#endif

Utf8Arguments::Utf8Arguments(int argc, char* argv[]) {
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) texts_.push_back(Utf8FromWide(wide[i]));
        LocalFree(wide);
    }
#endif
    if (texts_.empty()) texts_.assign(argv, argv + argc);
    for (std::string& t : texts_) pointers_.push_back(t.data());
    pointers_.push_back(nullptr);
}
