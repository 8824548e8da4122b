// Saves two parameter sets over one file, one after the other, until killed; for the test
// that kills it at random moments and then checks that the file holds one whole set.
//   vt350-save-loop FILE
#include <cstdio>

#include "config/config_file.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vt350-save-loop FILE\n");
        return 2;
    }
    ConfigRecord sets[2];
    for (std::size_t i = 0; i < ConfigRecord::kSize; ++i) {
        sets[0].Set(i, 0x11);
        sets[1].Set(i, 0x22);
    }
    for (unsigned n = 0;; ++n) {
        const FileResult r = SaveRecord(argv[1], sets[n % 2]);
        if (!r.ok()) {
            std::fprintf(stderr, "%s\n", DescribeFileResult(r, argv[1]).c_str());
            return 1;
        }
    }
}
