// Fuzz target: random sequences of entry-point calls with random texts and date-times against
// an in-memory platform. Checks that the log always holds the stored-minus-removed QSOs.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <deque>
#include <map>
#include <string>
#include <utility>

#include "plugin/module.h"
#include "plugin/stats_api.h"
#include "tests/native/fake_platform.h"

namespace {

const char* const kWords[] = {"40m", "40M", "160m", "80m", "20m", "BPSK63", "bpsk63", "SP", "DL", "599", "123", " k ",
                              "W", "", "EU", "UA9"};

struct Texts {
    explicit Texts(FuzzedDataProvider& in) : in_(in) {}
    // Null, a contest word or random bytes; the returned pointer lives as long as this object.
    const char* next() {
        switch (in_.ConsumeIntegralInRange(0, 3)) {
            case 0:
                return nullptr;
            case 1:
            case 2:
                return kWords[in_.ConsumeIntegralInRange<size_t>(0, std::size(kWords) - 1)];
            default:
                store_.push_back(in_.ConsumeRandomLengthString(300));
                return store_.back().c_str();
        }
    }
    const OleDateTime* time() {
        if (in_.ConsumeBool()) return nullptr;
        times_.push_back({in_.ConsumeFloatingPoint<double>(), in_.ConsumeIntegralInRange<int32_t>(-1, 3)});
        return &times_.back();
    }

private:
    FuzzedDataProvider& in_;
    std::deque<std::string> store_;
    std::deque<OleDateTime> times_;
};

std::string orEmpty(const char* t) { return t ? t : ""; }

size_t logCount() {
    return plugin::module().withState([](engine::ContestState& c, auto&, auto&) { return c.log.count(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fake::Platform* platform = [] {
        auto* p = new fake::Platform;
        plugin::module().useServices(p->services);
        return p;
    }();
    platform->files.removeAll();
    FuzzedDataProvider in(data, size);
    Texts t(in);
    // Stored records by (call, band): what RemoveData0 can take out.
    std::map<std::pair<std::string, std::string>, size_t> stored;
    size_t expected = logCount();
    if (expected != 0) {
        ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr);
        expected = 0;
    }
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
            case 0: {
                const char *call = t.next(), *mode = t.next(), *sent = t.next(), *rcvd = t.next(), *prefix = t.next(),
                           *band = t.next();
                const OleDateTime* time = t.time();
                if (AddData0(t.next(), call, time, nullptr, nullptr, nullptr, 0, in.ConsumeIntegral<uint32_t>(), mode,
                             t.next(), t.next(), sent, rcvd, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, prefix, 0, 0, 0, 0, 0, nullptr, t.next(), nullptr, band,
                             nullptr) == 1) {
                    ++stored[{orEmpty(call), orEmpty(band)}];
                    ++expected;
                }
                break;
            }
            case 1: {
                const char *call = t.next(), *band = t.next();
                if (RemoveData0(nullptr, call, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, band,
                                nullptr) != 1)
                    std::abort();
                auto it = stored.find({orEmpty(call), orEmpty(band)});
                if (it != stored.end() && it->second > 0) {
                    --it->second;
                    --expected;
                }
                break;
            }
            case 2: {
                char out1[8] = "x", out2[8] = "y";
                const int r = CheckCallFunc0(t.next(), 0, 0, t.next(), nullptr, nullptr, nullptr, nullptr, nullptr,
                                             nullptr, nullptr, nullptr, nullptr, t.next(), 0, 0, 0, 0, 0, nullptr,
                                             nullptr, nullptr, nullptr, nullptr, t.next(), t.next(), out1, out2);
                if ((r != 0 && r != 1 && r != 2 && r != 4) || out1[0] != 'x' || out2[0] != 'y') std::abort();
                break;
            }
            case 3: {
                const char* call = t.next();
                const OleDateTime *start = t.time(), *end = t.time();
                ResetStats0(nullptr, in.ConsumeIntegralInRange(0, 1), call, start, end, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, t.next(), 0, 0, 0, 0, 0, nullptr,
                            t.next(), nullptr);
                stored.clear();
                expected = 0;
                break;
            }
            case 4: {
                int32_t flag = 0;
                if (GetResult0(in.ConsumeBool() ? &flag : nullptr) == nullptr) std::abort();
                platform->dialogs.shown.clear();
                break;
            }
            case 5:
                if (StatsIsValidExchg0(t.next(), nullptr, t.next(), nullptr, 0, 0, 0) > 1) std::abort();
                break;
            case 6:
                if (GetSetName(in.ConsumeIntegral<int32_t>()) == nullptr) std::abort();
                break;
            default:
                if (StatsGetExchgCount0(t.next(), t.next(), t.next()) != 1 || GetNumberOfSets() != 1) std::abort();
        }
        if (logCount() != expected) std::abort();
    }
    return 0;
}
