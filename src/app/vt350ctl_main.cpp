// vt350ctl: the controller from the command line.
#include "app/vt350ctl.h"

int main(int argc, char* argv[]) {
    return Vt350ctlMain(argc, argv);
}
