#pragma once

#include <string>
#include <vector>

// The program's arguments as UTF-8 text. On Windows the C runtime's argv is in the ANSI
// code page, which loses every character outside it (a folder named "Müller" or "工坊"),
// so the arguments are taken from the wide command line instead.
class Utf8Arguments {
  public:
    Utf8Arguments(int argc, char* argv[]);
    int argc() { return static_cast<int>(pointers_.size()) - 1; }
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};
