// The host's automation object as the window thread uses it: the dial frequency, the text of
// an entry field, and macro execution. The COM client (host/win32) realises it on Windows;
// tests use a scripted link.
#pragma once

#include <string>
#include <string_view>

namespace host {

class HostLink {
public:
    virtual ~HostLink() = default;
    // Each returns false when the call into the host failed (the poll then ends quietly).
    virtual bool getFrequency(double& hertz) = 0;
    virtual bool getEntryText(int field, std::string& text) = 0;
    virtual bool sendMacro(std::string_view text) = 0;
};

}  // namespace host
