// The polling cycle: after each pause in the host's calls it reads the call field and the dial
// frequency, fills the worked-before rows, reports dial moves with "<SP1>", works out the band
// and brings the tool windows' titles and pictures up to date.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/contest_state.h"
#include "windows/poll_state.h"
#include "windows/setup_window.h"

namespace windows {

// The module state the poll reads and writes; each call takes the module lock.
class PollModuleAccess {
public:
    virtual ~PollModuleAccess() = default;
    // Dashes in texts 1 to 4 of every row, then the last QSO with this call on each band.
    virtual void refreshWorkedBeforeRows(const std::string& call) = 0;
    virtual std::string contestYear() = 0;
};

struct BandOfFrequency {
    int slot;               // 0..5, or -1 off the contest bands
    std::string_view text;  // empty off the contest bands
};

// By whole megahertz, truncated toward zero; not a number gives no band.
BandOfFrequency bandOfFrequency(double hertz);

// The row update behind refreshWorkedBeforeRows, on state the caller has locked.
void refreshWorkedBeforeRows(engine::ContestState& state, const std::string& call);

// One poll; the timer's notification. Host calls that fail end it quietly.
void poll(SetupWindowLogic& setup, PollState& state, PollModuleAccess& module);

}  // namespace windows
