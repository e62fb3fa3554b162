// Logging and deleting QSOs: the entry rules, the error report lines, the call check.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/contest_state.h"
#include "platform/services.h"

namespace engine {

// The arguments of AddData0 that the engine uses (null texts already made empty).
struct QsoArgs {
    std::string_view ownCall, call, mode, rstSent, rstRcvd, exchSent, exchRcvd, prefix, continent, band;
    OleDateTime qsoTime{};
    uint32_t frequencyHz = 0;
};

// 1 when stored (clean or marked), 0 when refused. Report lines go to state.ReportPath.
int addQso(ContestState& state, platform::FileSystem& files, const QsoArgs& qso);

// Takes out the first record with this call and band; always 1.
int removeQso(ContestState& state, std::string_view call, std::string_view band);

struct CallCheckArgs {
    std::string_view call, mode, prefix;
    const char* band = nullptr;       // null texts skip the band agreement test
    const char* bandCheck = nullptr;
};

// 0 dupe, 1 known prefix on the band (or no prefix), 2 new prefix on the band, 4 no contest QSO.
int checkCall(const ContestState& state, const CallCheckArgs& args);

inline constexpr const char* kReportFirstLine = "Polska WW BPSK 63 Contest UBN file \r\n";

}  // namespace engine
