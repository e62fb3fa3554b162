// The host link over COM: connection to the running host object and the three IDispatch calls,
// with texts converted between the thread's ANSI code page and UTF-16.
#include "host/win32/com_host_link.h"
#include "platform/win32/handles.h"

#include <oleauto.h>

#include <climits>
#include <utility>

namespace host {

namespace {

using Microsoft::WRL::ComPtr;

using win32::Variant;

// The host may describe a failure in an EXCEPINFO; its strings are ours to free.
class ExceptionInfo {
public:
    ExceptionInfo() { ZeroMemory(&info_, sizeof info_); }
    ~ExceptionInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;

    EXCEPINFO* get() { return &info_; }

private:
    EXCEPINFO info_;
};

// Arguments go in reverse order in DISPPARAMS; every call here has at most one.
HRESULT invoke(IDispatch* host, DISPID id, WORD flags, VARIANT* argument, VARIANT* result) {
    DISPPARAMS params{argument, nullptr, argument ? 1u : 0u, 0};
    ExceptionInfo exception;
    UINT argumentError = 0;
    return host->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception.get(), &argumentError);
}

bool isNumeric(VARTYPE type) {
    switch (type) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
    case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL:
        return true;
    default:
        return false;
    }
}

std::string toAnsi(const wchar_t* text, UINT length) {
    if (!text || length == 0 || length > INT_MAX) return {};
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(length), result.data(), size, nullptr, nullptr);
    return result;
}

// A BSTR owned by the caller, or null when the text cannot be converted.
BSTR toBstr(std::string_view text) {
    if (text.size() > INT_MAX) return nullptr;
    if (text.empty()) return SysAllocStringLen(L"", 0);
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return nullptr;
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(size));
    if (!result) return nullptr;
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, result, size);
    return result;
}

}  // namespace

ComApartment::ComApartment() : result_(CoInitialize(nullptr)), owned_(SUCCEEDED(result_)) {}

ComApartment::~ComApartment() { release(); }

ComApartment::ComApartment(ComApartment&& other) noexcept
    : result_(other.result_), owned_(std::exchange(other.owned_, false)) {}

ComApartment& ComApartment::operator=(ComApartment&& other) noexcept {
    if (this == &other) return *this;
    release();
    result_ = other.result_;
    owned_ = std::exchange(other.owned_, false);
    return *this;
}

void ComApartment::release() {
    if (owned_) CoUninitialize();
    owned_ = false;
}

ComHostLink::ComHostLink(ComApartment apartment, ComPtr<IDispatch> host)
    : apartment_(std::move(apartment)), host_(std::move(host)) {}

bool ComHostLink::getFrequency(double& hertz) {
    try {
        if (!host_) return false;
        Variant result;
        if (FAILED(invoke(host_.Get(), kDispIdFrequency, DISPATCH_PROPERTYGET, nullptr, result.get()))) return false;
        // Only numbers count: VariantChangeType would also turn an empty answer into 0 Hz.
        if (!isNumeric(V_VT(result.get()))) return false;
        if (V_VT(result.get()) != VT_R8 && FAILED(VariantChangeType(result.get(), result.get(), 0, VT_R8)))
            return false;
        hertz = V_R8(result.get());
        return true;
    } catch (...) {
        return false;
    }
}

bool ComHostLink::getEntryText(int field, std::string& text) {
    try {
        if (!host_) return false;
        Variant argument;
        V_VT(argument.get()) = VT_I4;
        V_I4(argument.get()) = field;
        Variant result;
        if (FAILED(invoke(host_.Get(), kDispIdEntryText, DISPATCH_METHOD, argument.get(), result.get()))) return false;
        if (V_VT(result.get()) != VT_BSTR) {
            text.clear();
            return true;
        }
        const BSTR value = V_BSTR(result.get());
        text = toAnsi(value, SysStringLen(value));
        return true;
    } catch (...) {
        return false;
    }
}

bool ComHostLink::sendMacro(std::string_view text) {
    try {
        if (!host_) return false;
        Variant argument;
        const BSTR macro = toBstr(text);
        if (!macro) return false;
        V_VT(argument.get()) = VT_BSTR;
        V_BSTR(argument.get()) = macro;
        return SUCCEEDED(invoke(host_.Get(), kDispIdSendMacro, DISPATCH_METHOD, argument.get(), nullptr));
    } catch (...) {
        return false;
    }
}

std::unique_ptr<HostLink> connectHost() noexcept {
    try {
        CLSID classId;
        if (FAILED(CLSIDFromProgID(kHostProgId, &classId))) return nullptr;
        ComApartment apartment;
        if (!apartment.usable()) return nullptr;
        ComPtr<IUnknown> running;
        if (FAILED(GetActiveObject(classId, nullptr, running.GetAddressOf()))) return nullptr;
        ComPtr<IDispatch> dispatch;
        if (FAILED(running.As(&dispatch))) return nullptr;
        running.Reset();
        return std::make_unique<ComHostLink>(std::move(apartment), std::move(dispatch));
    } catch (...) {
        return nullptr;
    }
}

}  // namespace host
