// vt350ctl: the controller from the command line.
#include "cli/vt350ctl.h"
#include "platform/console_text.h"
#include "platform/interrupts.h"
#include "platform/running_mark.h"
#include "platform/utf8_arguments.h"

int main(int argc, char* argv[]) {
    RunningMark running;
    IgnoreBrokenPipes();
    Utf8Arguments arguments(argc, argv);
    Utf8Console console;
    return Vt350ctlMain(arguments.argc(), arguments.argv());
}
