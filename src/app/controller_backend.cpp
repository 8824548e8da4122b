#include "app/controller_backend.h"

#include <cstring>

#ifdef _WIN32
#include "hid/win_hid_platform.h"
#else
#include "hid/hidapi_platform.h"
#include "hid/udev_monitor.h"
#endif

const char* const kDemoBehaviourHelp =
    "a comma-separated list of silent, late[=N], badcheck, errors, flood, refuse, "
    "failwrites, absent";

bool ParseBackendOption(int argc, char* argv[], int& i, BackendOptions& options,
                        std::string& error) {
    const std::string a = argv[i];
    if (a == "--demo") {
        options.demo = true;
        return true;
    }
    const std::string key = "--demo-behaviour";
    if (a.rfind(key, 0) != 0) return false;
    std::string list;
    if (a.size() > key.size() && a[key.size()] == '=') {
        list = a.substr(key.size() + 1);
    } else if (a.size() == key.size() && i + 1 < argc) {
        list = argv[++i];
    } else if (a.size() == key.size()) {
        error = "--demo-behaviour needs a list";
        return true;
    } else {
        return false;
    }
    ParseMisbehaviour(list, options.behaviour, error);
    return true;
}

ControllerBackend::ControllerBackend(const BackendOptions& options) {
    if (options.demo) {
        controller_.behaviour = options.behaviour;
        virtual_ = std::make_unique<VirtualHidPlatform>(controller_, !options.behaviour.absent);
        platform_ = virtual_.get();
        changes_ = virtual_.get();
        return;
    }
#ifdef _WIN32
    hardware_ = std::make_unique<WinHidPlatform>();
#else
    hardware_ = std::make_unique<HidapiPlatform>();
    monitor_ = std::make_unique<UdevMonitor>();
    changes_ = monitor_.get();
#endif
    platform_ = hardware_.get();
}

ControllerBackend::~ControllerBackend() = default;
