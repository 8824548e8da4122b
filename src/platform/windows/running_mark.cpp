#include "platform/running_mark.h"

#include <windows.h>

RunningMark::RunningMark() {
    // Every running copy holds a handle; the name lives while any of them does.
    handle_ = CreateMutexW(nullptr, FALSE, kRunningMarkName);
}

RunningMark::~RunningMark() {
    if (handle_ != nullptr) CloseHandle(static_cast<HANDLE>(handle_));
}
