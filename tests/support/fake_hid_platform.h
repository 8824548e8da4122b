#pragma once

#include <cerrno>
#include <cstring>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "hid/hid_platform.h"

// A scripted HID platform: the test lays out the interfaces and what fails, and reads back
// the calls that were made.
class FakeHidPlatform : public HidPlatform {
  public:
    bool Enumerate(std::vector<HidInterfaceInfo>& out) override {
        calls.push_back("enumerate");
        if (enumerateFails) {
            errno = 2;
            return false;
        }
        out = interfaces;
        return true;
    }
    HidOpenResult OpenQuery(const std::string& path) override {
        calls.push_back("query " + path);
        if (refuseQuery.count(path)) return {kInvalidHandle, 5};
        return NewHandle();
    }
    HidOpenResult OpenRead(const std::string& path) override {
        calls.push_back("open-read " + path);
        if (refuseRead.count(path)) return {kInvalidHandle, 13};
        return NewHandle();
    }
    HidOpenResult OpenWrite(const std::string& path) override {
        calls.push_back("open-write " + path);
        if (refuseWrite.count(path)) return {kInvalidHandle, 1};
        return NewHandle();
    }
    ReadStatus Read(HidHandle, std::uint8_t* report, int timeoutMs) override {
        lastTimeout = timeoutMs;
        if (reads.empty()) return ReadStatus::kTimedOut;
        std::memcpy(report, reads.front().data(), kInputReportSize);
        reads.pop_front();
        return ReadStatus::kReceived;
    }
    int Write(HidHandle handle, const std::uint8_t* report) override {
        if (failWrites) return 32;
        writes.emplace_back(report, report + kOutputReportSize);
        lastWriteHandle = handle;
        return 0;
    }
    void Close(HidHandle handle) override {
        calls.push_back("close " + std::to_string(handle));
        --open;
    }

    static HidInterfaceInfo Interface(std::string path, std::uint16_t vid, std::uint16_t pid,
                                      std::uint16_t version, std::uint16_t usagePage) {
        HidInterfaceInfo i;
        i.path = std::move(path);
        i.vendorId = vid;
        i.productId = pid;
        i.versionNumber = version;
        i.usagePage = usagePage;
        return i;
    }
    static HidInterfaceInfo Controller(std::string path) {
        return Interface(std::move(path), 1, 1, 0x0200, 1);
    }

    std::vector<HidInterfaceInfo> interfaces;
    bool enumerateFails = false;
    bool failWrites = false;
    std::set<std::string> refuseQuery, refuseRead, refuseWrite;
    std::deque<std::vector<std::uint8_t>> reads;
    std::vector<std::vector<std::uint8_t>> writes;
    std::vector<std::string> calls;
    int open = 0;
    int lastTimeout = -1;
    HidHandle lastWriteHandle = kInvalidHandle;

  private:
    HidOpenResult NewHandle() {
        ++open;
        return {nextHandle++, 0};
    }
    HidHandle nextHandle = 100;
};
