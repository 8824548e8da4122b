#include "platform/controller_backend.h"

#include <cstring>

#include "platform/native_platform.h"

std::string DemoBehaviourHelp() {
    return "a comma-separated list of " + MisbehaviourList();
}

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
        // The others on the hub behave as well as the first misbehaves.
        for (int i = 1; i < options.behaviour.controllers; ++i) {
            virtual_->AddController(hub_.emplace_back(), !options.behaviour.absent);
        }
        virtual_->interfaceLag = options.behaviour.interfaceLag;
        platform_ = virtual_.get();
        changes_ = virtual_.get();
        return;
    }
    hardware_ = NewNativeHidPlatform();
    monitor_ = NewNativeDeviceChanges();
    changes_ = monitor_.get();
    platform_ = hardware_.get();
}

ControllerBackend::~ControllerBackend() = default;
