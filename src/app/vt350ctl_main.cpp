// vt350ctl: the controller from the command line.
#include "app/utf8_arguments.h"
#include "app/vt350ctl.h"

int main(int argc, char* argv[]) {
    Utf8Arguments arguments(argc, argv);
    return Vt350ctlMain(arguments.argc(), arguments.argv());
}
