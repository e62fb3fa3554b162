// The host link over COM: the plug-in's window thread finds the host's running automation
// object by its ProgID and calls it through IDispatch. A link is created, used and destroyed on
// one thread; it keeps that thread's COM initialised for as long as it lives.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <string_view>

#include "host/host_link.h"

namespace host {

inline constexpr wchar_t kHostProgId[] = L"Tovu2.Application";

// The dispatch ids of the host object's members.
inline constexpr DISPID kDispIdFrequency = 2;
inline constexpr DISPID kDispIdEntryText = 8;
inline constexpr DISPID kDispIdSendMacro = 16;

// CoInitialize on the calling thread, undone on destruction only when this call succeeded
// (S_OK or S_FALSE). RPC_E_CHANGED_MODE leaves the thread's COM to whoever set it up.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(ComApartment&& other) noexcept;
    ComApartment& operator=(ComApartment&& other) noexcept;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // COM is usable on this thread, whether or not this object initialised it.
    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
    HRESULT result() const { return result_; }

private:
    void release();

    HRESULT result_ = E_FAIL;
    bool owned_ = false;
};

class ComHostLink final : public HostLink {
public:
    // Members are declared apartment first: the dispatch pointer is released before COM ends.
    ComHostLink(ComApartment apartment, Microsoft::WRL::ComPtr<IDispatch> host);
    ~ComHostLink() override = default;
    ComHostLink(const ComHostLink&) = delete;
    ComHostLink& operator=(const ComHostLink&) = delete;

    bool getFrequency(double& hertz) override;
    // A missing, empty or non-string answer gives an empty text.
    bool getEntryText(int field, std::string& text) override;
    bool sendMacro(std::string_view text) override;

private:
    ComApartment apartment_;
    Microsoft::WRL::ComPtr<IDispatch> host_;
};

// Looks up the running host object on the calling thread; null when it is not running or any
// step fails (the thread's COM is then left as it was found).
std::unique_ptr<HostLink> connectHost() noexcept;

}  // namespace host
