// The simulated host's automation object: ProgID registration, the IDispatch implementation and
// its publication from a thread of its own in the multithreaded apartment.
#include "tools/host/automation_object.h"
#include "platform/win32/handles.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <new>
#include <utility>

namespace tovu {

// {EEA7598D-4878-4C96-B675-51357401B4AB}
const CLSID kAutomationClassId = {0xeea7598d, 0x4878, 0x4c96, {0xb6, 0x75, 0x51, 0x35, 0x74, 0x01, 0xb4, 0xab}};

namespace {

constexpr wchar_t kClassIdText[] = L"{EEA7598D-4878-4C96-B675-51357401B4AB}";
constexpr wchar_t kProgIdKey[] = L"Software\\Classes\\Tovu2.Application";
constexpr wchar_t kClassIdKey[] = L"Software\\Classes\\CLSID\\{EEA7598D-4878-4C96-B675-51357401B4AB}";
constexpr wchar_t kFriendlyName[] = L"Tovu2 Application";

}  // namespace

namespace detail {

struct AutomationState {
    mutable std::mutex lock;
    mutable std::condition_variable changed;
    bool published = false;
    HRESULT failure = S_OK;
    double frequency = 7040000.0;
    VARTYPE frequencyType = VT_R8;
    std::wstring entryText;
    EntryAnswer entryAnswer = EntryAnswer::Text;
    std::vector<RecordedMacro> macros;
    std::vector<int> entryFields;
    int frequencyReads = 0;
};

}  // namespace detail

namespace {

using detail::AutomationState;
using Microsoft::WRL::ComPtr;

using win32::Variant;

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

LSTATUS setDefaultValue(HKEY root, const std::wstring& path, const wchar_t* value) {
    RegistryKey key;
    LSTATUS status =
        RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.out(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    const auto bytes = static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
}

// Wine 8 does not merge HKCU\Software\Classes into HKCR, so the class goes under HKLM. A
// per-user entry left by an older run would shadow it on Windows: that goes too.
LSTATUS registerProgId() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgIdKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProgIdKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassIdKey);
    const std::wstring progId = kProgIdKey;
    const std::wstring classId = kClassIdKey;
    for (const auto& [path, value] : {std::pair{progId, kFriendlyName}, std::pair{progId + L"\\CLSID", kClassIdText},
                                      std::pair{classId, kFriendlyName},
                                      std::pair{classId + L"\\ProgID", kAutomationProgId}}) {
        const LSTATUS status = setDefaultValue(HKEY_LOCAL_MACHINE, path, value);
        if (status != ERROR_SUCCESS) return status;
    }
    return ERROR_SUCCESS;
}

std::string toAnsi(const std::wstring& text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), size, nullptr, nullptr);
    return result;
}

std::wstring fromAnsi(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring result(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), size);
    return result;
}

// Coerces the single positional argument of a call; DISP_E_* on a mismatch.
HRESULT singleArgument(const DISPPARAMS& params, VARTYPE type, VARIANT* out, UINT* argumentError) {
    if (params.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params.cArgs != 1 || !params.rgvarg) return DISP_E_BADPARAMCOUNT;
    if (FAILED(VariantChangeType(out, &params.rgvarg[0], 0, type))) {
        if (argumentError) *argumentError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

class HostObject final : public IDispatch {
public:
    explicit HostObject(std::shared_ptr<AutomationState> state) : state_(std::move(state)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IDispatch) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids) return E_POINTER;
        static constexpr struct {
            const wchar_t* name;
            DISPID id;
        } kMembers[] = {{L"Frequency", kDispIdFrequency},
                        {L"GetEntryText", kDispIdEntryText},
                        {L"SendMacro", kDispIdSendMacro}};
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
            // Names after the first would be named arguments, which no member takes.
            if (i == 0 && names[0])
                for (const auto& member : kMembers)
                    if (_wcsicmp(names[0], member.name) == 0) ids[0] = member.id;
            if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
        }
        return result;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override {
        if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        if (!params) return E_INVALIDARG;
        try {
            std::unique_lock lock(state_->lock);
            // Callers in the object's own apartment hold it directly: they learn here that it is gone.
            if (!state_->published) return RPC_E_DISCONNECTED;
            if (FAILED(state_->failure)) return fail(state_->failure, exception);
            switch (id) {
            case kDispIdFrequency:
                return frequency(flags, *params, result);
            case kDispIdEntryText:
                return entryText(flags, *params, result, argumentError);
            case kDispIdSendMacro: {
                const HRESULT hr = sendMacro(flags, *params, argumentError);
                lock.unlock();
                state_->changed.notify_all();
                return hr;
            }
            default:
                return DISP_E_MEMBERNOTFOUND;
            }
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

private:
    static HRESULT fail(HRESULT failure, EXCEPINFO* exception) {
        if (failure != DISP_E_EXCEPTION || !exception) return failure;
        ZeroMemory(exception, sizeof *exception);
        exception->scode = E_FAIL;
        exception->bstrSource = SysAllocString(L"Tovu");
        exception->bstrDescription = SysAllocString(L"scripted failure");
        return failure;
    }

    // The callers below run with the state locked.
    HRESULT frequency(WORD flags, const DISPPARAMS& params, VARIANT* result) {
        if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
        if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
        if (!result) return E_INVALIDARG;
        ++state_->frequencyReads;
        VariantInit(result);
        if (state_->frequencyType == VT_EMPTY) return S_OK;
        VARIANT value;
        VariantInit(&value);
        V_VT(&value) = VT_R8;
        V_R8(&value) = state_->frequency;
        if (FAILED(VariantChangeType(result, &value, 0, state_->frequencyType))) return DISP_E_TYPEMISMATCH;
        return S_OK;
    }

    HRESULT entryText(WORD flags, const DISPPARAMS& params, VARIANT* result, UINT* argumentError) {
        if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
        Variant field;
        if (const HRESULT hr = singleArgument(params, VT_I4, field.get(), argumentError); FAILED(hr)) return hr;
        state_->entryFields.push_back(V_I4(field.get()));
        if (!result) return S_OK;
        VariantInit(result);
        switch (state_->entryAnswer) {
        case EntryAnswer::Text: {
            const auto& text = state_->entryText;
            BSTR value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            if (!value) return E_OUTOFMEMORY;
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = value;
            return S_OK;
        }
        case EntryAnswer::NullString:
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = nullptr;
            return S_OK;
        case EntryAnswer::NoValue:
            return S_OK;
        case EntryAnswer::Number:
            V_VT(result) = VT_I4;
            V_I4(result) = 42;
            return S_OK;
        }
        return S_OK;
    }

    HRESULT sendMacro(WORD flags, const DISPPARAMS& params, UINT* argumentError) {
        if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
        Variant text;
        if (const HRESULT hr = singleArgument(params, VT_BSTR, text.get(), argumentError); FAILED(hr)) return hr;
        const BSTR value = V_BSTR(text.get());
        RecordedMacro macro;
        macro.wide.assign(value ? value : L"", SysStringLen(value));
        macro.text = toAnsi(macro.wide);
        macro.atMs = steadyClockMs();
        state_->macros.push_back(std::move(macro));
        return S_OK;
    }

    std::atomic<ULONG> references_{1};
    std::shared_ptr<AutomationState> state_;
};

void setPublished(AutomationState& state, bool published) {
    std::lock_guard lock(state.lock);
    state.published = published;
}

HRESULT publishObject(const std::shared_ptr<AutomationState>& state, ComPtr<IDispatch>& object,
                      DWORD& registration) {
    object.Attach(new (std::nothrow) HostObject(state));
    if (!object) return E_OUTOFMEMORY;
    setPublished(*state, true);
    const HRESULT hr = RegisterActiveObject(object.Get(), kAutomationClassId, ACTIVEOBJECT_STRONG, &registration);
    if (SUCCEEDED(hr)) return hr;
    setPublished(*state, false);
    object.Reset();
    return hr;
}

void withdrawObject(AutomationState& state, ComPtr<IDispatch>& object, DWORD registration) {
    if (!object) return;
    setPublished(state, false);
    RevokeActiveObject(registration, nullptr);
    CoDisconnectObject(object.Get(), 0);
    object.Reset();
}

}  // namespace

int64_t steadyClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

AutomationObject::AutomationObject() : state_(std::make_shared<AutomationState>()) {}

AutomationObject::~AutomationObject() {
    std::lock_guard control(control_);
    if (!apartment_.joinable()) return;
    send(Command::Quit);
    apartment_.join();
}

bool AutomationObject::start(std::string* error) {
    std::lock_guard control(control_);
    if (running()) return true;
    if (const LSTATUS status = registerProgId(); status != ERROR_SUCCESS) {
        if (error) *error = "registering the ProgID failed, error " + std::to_string(status);
        return false;
    }
    if (!apartment_.joinable()) apartment_ = std::thread(&AutomationObject::serveApartment, this);
    const HRESULT hr = send(Command::Publish);
    if (SUCCEEDED(hr)) return true;
    if (error) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
        *error = std::string("publishing the object failed, HRESULT ") + code;
    }
    return false;
}

void AutomationObject::stop() {
    std::lock_guard control(control_);
    if (apartment_.joinable()) send(Command::Withdraw);
}

HRESULT AutomationObject::send(Command command) {
    std::unique_lock lock(commandLock_);
    command_ = command;
    commandDone_ = false;
    commandChanged_.notify_all();
    commandChanged_.wait(lock, [this] { return commandDone_; });
    return commandResult_;
}

// The object lives in the multithreaded apartment, so nothing has to pump messages for it; this
// thread only keeps that apartment alive. It outlives each publication because Wine gives a
// re-created apartment's first object the old one's identity, and an apartment still holding a
// proxy of the old object would then get that dead proxy back for the new one.
void AutomationObject::serveApartment() {
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ComPtr<IDispatch> object;
    DWORD registration = 0;
    for (;;) {
        Command command;
        {
            std::unique_lock lock(commandLock_);
            commandChanged_.wait(lock, [this] { return command_ != Command::None; });
            command = std::exchange(command_, Command::None);
        }
        HRESULT hr = S_OK;
        if (command == Command::Publish)
            hr = FAILED(apartment) ? apartment : publishObject(state_, object, registration);
        else
            withdrawObject(*state_, object, registration);
        if (command == Command::Quit && SUCCEEDED(apartment)) CoUninitialize();
        {
            std::lock_guard lock(commandLock_);
            commandResult_ = hr;
            commandDone_ = true;
        }
        commandChanged_.notify_all();
        if (command == Command::Quit) return;
    }
}

bool AutomationObject::running() const {
    std::lock_guard lock(state_->lock);
    return state_->published;
}

void AutomationObject::setFrequency(double hertz) {
    std::lock_guard lock(state_->lock);
    state_->frequency = hertz;
}

void AutomationObject::setFrequencyType(VARTYPE type) {
    std::lock_guard lock(state_->lock);
    state_->frequencyType = type;
}

void AutomationObject::setEntryText(std::wstring text) {
    std::lock_guard lock(state_->lock);
    state_->entryText = std::move(text);
}

void AutomationObject::setEntryText(std::string_view ansiText) { setEntryText(fromAnsi(ansiText)); }

void AutomationObject::setEntryAnswer(EntryAnswer answer) {
    std::lock_guard lock(state_->lock);
    state_->entryAnswer = answer;
}

void AutomationObject::failCallsWith(HRESULT result) {
    std::lock_guard lock(state_->lock);
    state_->failure = result;
}

std::vector<RecordedMacro> AutomationObject::macros() const {
    std::lock_guard lock(state_->lock);
    return state_->macros;
}

std::vector<int> AutomationObject::entryFields() const {
    std::lock_guard lock(state_->lock);
    return state_->entryFields;
}

int AutomationObject::frequencyReads() const {
    std::lock_guard lock(state_->lock);
    return state_->frequencyReads;
}

bool AutomationObject::waitForMacros(size_t count, int timeoutMs) const {
    std::unique_lock lock(state_->lock);
    return state_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                    [&] { return state_->macros.size() >= count; });
}

void AutomationObject::clearRecords() {
    std::lock_guard lock(state_->lock);
    state_->macros.clear();
    state_->entryFields.clear();
    state_->frequencyReads = 0;
}

}  // namespace tovu
