// Loading the plug-in and calling its entry points as the host does.
#include "tools/host/stats_plugin.h"

namespace tovu {

namespace {

template <typename Fn>
bool resolve(HMODULE module, const char* name, Fn& target, std::string* error) {
    target = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!target && error) *error += std::string("missing export ") + name + "; ";
    return target != nullptr;
}

// Texts the plug-in does not use: the host passes them all the same.
constexpr char kUnused[] = "unused";
const OleDateTime kOtherTime{40000.25, kDateTimeValid};

}  // namespace

bool StatsPlugin::load(std::string* error) {
    unload();
    module_ = LoadLibraryA("Plugins\\Stats.dll");
    if (!module_) {
        if (error) *error = "LoadLibrary failed, error " + std::to_string(GetLastError());
        return false;
    }
    bool ok = true;
    ok &= resolve(module_, "AddData0", AddData0, error);
    ok &= resolve(module_, "RemoveData0", RemoveData0, error);
    ok &= resolve(module_, "CheckCall0", CheckCall0, error);
    ok &= resolve(module_, "GetExchgCount0", GetExchgCount0, error);
    ok &= resolve(module_, "GetNumberOfSets", GetNumberOfSets, error);
    ok &= resolve(module_, "GetResult0", GetResult0, error);
    ok &= resolve(module_, "GetSetName", GetSetName, error);
    ok &= resolve(module_, "IsValidExchg0", IsValidExchg0, error);
    ok &= resolve(module_, "ResetStats0", ResetStats0, error);
    ok &= resolve(module_, "SetupSet0", SetupSet0, error);
    if (!ok) unload();
    return ok;
}

void StatsPlugin::unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

int StatsPlugin::addData(const Qso& q) {
    return AddData0(q.ownCall.c_str(), q.call.c_str(), &q.time, &kOtherTime, &kOtherTime, &kOtherTime, 7,
                    q.frequencyHz, q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(), q.exchSent.c_str(),
                    q.exchRcvd.c_str(), kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                    kUnused, q.prefix.c_str(), 24, 25, 26, 27.0, 28.0, kUnused, q.continent.c_str(), kUnused,
                    q.band.c_str(), kUnused);
}

int StatsPlugin::removeData(const Qso& q) {
    return RemoveData0(q.ownCall.c_str(), q.call.c_str(), &q.time, &kOtherTime, &kOtherTime, &kOtherTime, 7,
                       q.frequencyHz, q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(), q.exchSent.c_str(),
                       q.exchRcvd.c_str(), kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                       kUnused, q.prefix.c_str(), 24, 25, 26, 27.0, 28.0, kUnused, q.continent.c_str(), kUnused,
                       q.band.c_str(), kUnused);
}

int StatsPlugin::checkCall(const CallCheck& c) {
    char out27[64] = "untouched 27";
    char out28[64] = "untouched 28";
    return CheckCall0(c.call.c_str(), 2, 3, c.mode.c_str(), kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                      kUnused, kUnused, kUnused, c.prefix.c_str(), 15, 16, 17, 18.0, 19.0, kUnused, kUnused, kUnused,
                      kUnused, kUnused, c.band.c_str(), c.bandCheck.c_str(), out27, out28);
}

int StatsPlugin::resetStats(const Recount& r) {
    return ResetStats0(kUnused, r.cabrilloWanted, r.ownCall.c_str(), &r.periodStart, &r.periodEnd, kUnused,
                       kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, r.ownPrefix.c_str(), 16,
                       17, 18, 19.0, 20.0, kUnused, r.ownContinent.c_str(), kUnused);
}

const char* StatsPlugin::getResult(int32_t* cabrilloFlag) { return GetResult0(cabrilloFlag); }

}  // namespace tovu
