#include "platform/utf8_arguments.h"

// The arguments are the bytes the program was given, UTF-8 on any current Linux desktop.
Utf8Arguments::Utf8Arguments(int argc, char* argv[]) {
    texts_.assign(argv, argv + argc);
    for (std::string& t : texts_) pointers_.push_back(t.data());
    pointers_.push_back(nullptr);
}
