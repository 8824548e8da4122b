#pragma once

#include "hid/hid_platform.h"

// A HID platform that hands every call to another one; tests override the calls they
// want to watch or disturb.
class ForwardingHidPlatform : public HidPlatform {
  public:
    explicit ForwardingHidPlatform(HidPlatform& inner) : inner_(inner) {}
    bool Enumerate(std::vector<HidInterfaceInfo>& out) override { return inner_.Enumerate(out); }
    HidOpenResult OpenQuery(const std::string& p) override { return inner_.OpenQuery(p); }
    HidOpenResult OpenRead(const std::string& p) override { return inner_.OpenRead(p); }
    HidOpenResult OpenWrite(const std::string& p) override { return inner_.OpenWrite(p); }
    ReadStatus Read(HidHandle h, std::uint8_t* r, int t) override { return inner_.Read(h, r, t); }
    int Write(HidHandle h, const std::uint8_t* r) override { return inner_.Write(h, r); }
    void Close(HidHandle h) override { inner_.Close(h); }

  private:
    HidPlatform& inner_;
};
