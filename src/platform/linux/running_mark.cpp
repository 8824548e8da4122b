#include "platform/running_mark.h"

// Debian's package manager replaces running programs safely: nothing to mark.
RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;
