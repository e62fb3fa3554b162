// The simulated host's automation object: published under the host's ProgID while it runs, it
// answers the dial frequency and the call-field text the script sets, records the macros it
// receives, and can be told to fail every call. One instance at a time per process.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tovu {

inline constexpr wchar_t kAutomationProgId[] = L"Tovu2.Application";
extern const CLSID kAutomationClassId;

inline constexpr DISPID kDispIdFrequency = 2;
inline constexpr DISPID kDispIdEntryText = 8;
inline constexpr DISPID kDispIdSendMacro = 16;

// Milliseconds of std::chrono::steady_clock: the time base of RecordedMacro::atMs.
int64_t steadyClockMs();

struct RecordedMacro {
    std::string text;   // in the process's ANSI code page
    std::wstring wide;  // as it arrived
    int64_t atMs = 0;
};

// What the entry-text call answers, to try a client against sloppy hosts.
enum class EntryAnswer {
    Text,        // a BSTR with the text set
    NullString,  // VT_BSTR holding a null pointer (COM's other empty string)
    NoValue,     // VT_EMPTY
    Number,      // VT_I4
};

namespace detail {
struct AutomationState;
}

class AutomationObject {
public:
    AutomationObject();
    ~AutomationObject();
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;

    // Registers the ProgID and publishes the object; true once it can be found (or already could).
    bool start(std::string* error = nullptr);
    // Revokes and disconnects the object: calls through links made earlier fail from then on.
    void stop();
    bool running() const;

    void setFrequency(double hertz);
    // The variant type the frequency is answered in, coerced from the double; VT_EMPTY answers
    // nothing. VT_R8 by default.
    void setFrequencyType(VARTYPE type);
    void setEntryText(std::wstring text);
    void setEntryText(std::string_view ansiText);
    void setEntryAnswer(EntryAnswer answer);
    // Every call fails with `result` while it is a failure code; a success code ends that.
    void failCallsWith(HRESULT result);

    // What arrived, in order.
    std::vector<RecordedMacro> macros() const;
    std::vector<int> entryFields() const;
    int frequencyReads() const;
    // False when fewer than `count` macros arrived within the time.
    bool waitForMacros(size_t count, int timeoutMs) const;
    void clearRecords();

private:
    enum class Command { None, Publish, Withdraw, Quit };
    // Runs the command on the apartment thread and waits for its result.
    HRESULT send(Command command);
    void serveApartment();

    std::shared_ptr<detail::AutomationState> state_;
    std::mutex control_;  // one caller of start, stop or the destructor at a time
    std::mutex commandLock_;
    std::condition_variable commandChanged_;
    Command command_ = Command::None;
    bool commandDone_ = false;
    HRESULT commandResult_ = S_OK;
    std::thread apartment_;  // from the first start to destruction
};

}  // namespace tovu
