// What the polling cycle keeps between polls and across setup windows: the host's call field
// and band at the last poll, and the dial frequency of the last "<SP1>". Window thread only.
#pragma once

#include <string>

namespace windows {

struct PollState {
    std::string CurrentCall;
    int CurrentBand = -1;
    double LastSp1Frequency = 0.0;
};

}  // namespace windows
