// The ten entry points: argument unpacking (null texts become empty), a catch-all so that
// nothing is thrown across the interface, and the neutral result on failure.
#include <exception>

#include "engine/contest_rules.h"
#include "plugin/module.h"
#include "plugin/stats_api.h"

namespace {

std::string_view text(stats_api::Text t) { return t ? std::string_view(t) : std::string_view(); }

template <typename R, typename F>
R guarded(R neutral, F&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return neutral;
    }
}

constexpr char kEmpty[] = "";
constexpr char kSetName[] = "Polska WW BPSK63 Contest (C)";

}  // namespace

int STATS_CALL AddData0(STATS_ADD_DATA_PARAMS) {
    return guarded(0, [&] {
        engine::QsoArgs q;
        q.ownCall = text(ownCall);
        q.call = text(call);
        q.qsoTime = engine::copyDateTime(qsoTime);
        q.frequencyHz = frequencyHz;
        q.mode = text(mode);
        q.rstSent = text(rstSent);
        q.rstRcvd = text(rstRcvd);
        q.exchSent = text(exchSent);
        q.exchRcvd = text(exchRcvd);
        q.prefix = text(prefix);
        q.continent = text(continent);
        q.band = text(band);
        return plugin::module().addData(q);
    });
}

int STATS_CALL RemoveData0(STATS_ADD_DATA_PARAMS) {
    return guarded(1, [&] { return plugin::module().removeData(text(call), text(band)); });
}

int STATS_CALL CheckCallFunc0(STATS_CHECK_CALL_PARAMS) {
    return guarded(4, [&] {
        engine::CallCheckArgs a;
        a.call = text(call);
        a.mode = text(mode);
        a.prefix = text(prefix);
        a.band = band;
        a.bandCheck = bandCheck;
        return plugin::module().checkCall(a);
    });
}

int STATS_CALL StatsGetExchgCount0(stats_api::Text, stats_api::Text, stats_api::Text) { return 1; }

int STATS_CALL GetNumberOfSets() { return 1; }

const char* STATS_CALL GetResult0(int32_t* cabrilloFlag) {
    return guarded<const char*>(kEmpty, [&] { return plugin::module().getResult(cabrilloFlag); });
}

const char* STATS_CALL GetSetName(int32_t index) { return index == 0 ? kSetName : kEmpty; }

int STATS_CALL StatsIsValidExchg0(STATS_IS_VALID_EXCHG_PARAMS) {
    return guarded(0, [&] { return engine::isValidExchange(text(exchange), text(prefix)); });
}

int STATS_CALL ResetStats0(STATS_RESET_STATS_PARAMS) {
    return guarded(1, [&] {
        plugin::RecountArgs a;
        a.cabrilloWanted = cabrilloWanted;
        a.ownCall = text(ownCall);
        a.periodStart = engine::copyDateTime(periodStart);
        a.periodEnd = engine::copyDateTime(periodEnd);
        a.ownPrefix = text(ownPrefix);
        a.ownContinent = text(ownContinent);
        return plugin::module().resetStats(a);
    });
}

void STATS_CALL SetupSet0() {
    guarded(0, [] {
        plugin::module().setupSet();
        return 0;
    });
}
