// The simulated host's view of the plug-in: loads Plugins\Stats.dll from the current folder,
// resolves the ten entry points by their plain names, and calls them with the full argument
// lists the host passes (filling the arguments the plug-in ignores with realistic values).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "plugin/stats_api.h"

namespace tovu {

struct Qso {
    std::string ownCall = "SP5ZZZ";
    std::string call;
    OleDateTime time{40000.5, kDateTimeValid};
    uint32_t frequencyHz = 7040000;
    std::string mode = "BPSK63";
    std::string rstSent = "599";
    std::string rstRcvd = "599";
    std::string exchSent = "001";
    std::string exchRcvd;
    std::string prefix;
    std::string continent = "EU";
    std::string band = "40m";
};

struct Recount {
    int32_t cabrilloWanted = 0;
    std::string ownCall = "SP5ZZZ";
    OleDateTime periodStart{40000.0, kDateTimeValid};
    OleDateTime periodEnd{40001.0, kDateTimeValid};
    std::string ownPrefix = "SP";
    std::string ownContinent = "EU";
};

struct CallCheck {
    std::string call;
    std::string mode = "BPSK63";
    std::string prefix;
    std::string band = "40m";
    std::string bandCheck = "40m";
};

class StatsPlugin {
public:
    StatsPlugin() = default;
    ~StatsPlugin() { unload(); }
    StatsPlugin(const StatsPlugin&) = delete;
    StatsPlugin& operator=(const StatsPlugin&) = delete;

    // Loads "Plugins\Stats.dll" relative to the current folder; false with a reason on failure.
    bool load(std::string* error = nullptr);
    void unload();
    bool loaded() const { return module_ != nullptr; }
    HMODULE handle() const { return module_; }

    int addData(const Qso& q);
    int removeData(const Qso& q);
    int checkCall(const CallCheck& c);
    int resetStats(const Recount& r);
    const char* getResult(int32_t* cabrilloFlag);

    stats_api::AddData0Fn AddData0 = nullptr;
    stats_api::RemoveData0Fn RemoveData0 = nullptr;
    stats_api::CheckCall0Fn CheckCall0 = nullptr;
    stats_api::GetExchgCount0Fn GetExchgCount0 = nullptr;
    stats_api::GetNumberOfSetsFn GetNumberOfSets = nullptr;
    stats_api::GetResult0Fn GetResult0 = nullptr;
    stats_api::GetSetNameFn GetSetName = nullptr;
    stats_api::IsValidExchg0Fn IsValidExchg0 = nullptr;
    stats_api::ResetStats0Fn ResetStats0 = nullptr;
    stats_api::SetupSet0Fn SetupSet0 = nullptr;

private:
    HMODULE module_ = nullptr;
};

}  // namespace tovu
