#pragma once

// While a program holds its mark, the installer and the uninstaller know that it runs and
// neither replace nor remove it under the user's hands (they look for the named mutex
// kRunningMarkName in the user's session). Nothing to do on other systems.
inline constexpr wchar_t kRunningMarkName[] = L"Local\\vt350-config-running";

class RunningMark {
  public:
    RunningMark();
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

  private:
    [[maybe_unused]] void* handle_ = nullptr;  // the mutex; none on other systems
};
