// Benchmarks of the host's hot paths: CheckCall0 at every keystroke, the dupe check of
// AddData0, a full recount (ResetStats0, N x AddData0, GetResult0) against the floor set by
// opening the report file once per QSO, GetResult0 on a large log, memory per stored QSO.
// Ends with the ratios the targets are stated in.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "plugin/module.h"

namespace {

const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
const char* const kPrefixes[] = {"DL", "OK", "OM", "HA", "YO", "LZ", "UR", "UA", "ES", "YL", "LY", "OH", "SM", "LA",
                                 "OZ", "PA", "ON", "F",  "EA", "CT", "I",  "9A", "S5", "OE", "HB", "G",  "EI", "SP",
                                 "W",  "VE", "JA", "VK", "ZL", "PY", "LU", "ZS", "4X", "TA", "UA9", "BY"};

struct QsoText {
    std::string call, band, prefix, exch, sent;
};

// A realistic mix: calls spread over bands, one QSO in fifty repeated (a dupe), Polish stations
// sending provinces.
QsoText qsoNumber(size_t i) {
    const size_t station = (i % 50 == 49) ? i - 1 : i;
    QsoText q;
    q.prefix = kPrefixes[station % std::size(kPrefixes)];
    q.call = q.prefix + std::to_string(station % 10) + "X" + std::to_string(station);
    q.band = kBands[(station / 7) % std::size(kBands)];
    q.exch = q.prefix == "SP" ? "K" : std::to_string(100 + station % 900);
    q.sent = std::to_string(1 + i % 9999);
    return q;
}

engine::QsoArgs args(const QsoText& t) {
    engine::QsoArgs a;
    a.ownCall = "SP5ZZZ";
    a.call = t.call;
    a.qsoTime = {46000.5, kDateTimeValid};
    a.frequencyHz = 7040000;
    a.mode = "BPSK63";
    a.rstSent = a.rstRcvd = "599";
    a.exchSent = t.sent;
    a.exchRcvd = t.exch;
    a.prefix = t.prefix;
    a.continent = "EU";
    a.band = t.band;
    return a;
}

plugin::RecountArgs recount() {
    plugin::RecountArgs r;
    r.ownCall = "SP5ZZZ";
    r.ownPrefix = "SP";
    r.ownContinent = "EU";
    r.periodStart = {46000, kDateTimeValid};
    r.periodEnd = {46001, kDateTimeValid};
    return r;
}

// A module holding n QSOs and no report file (never reset): the pure engine cost.
void fill(plugin::Module& m, size_t n) {
    for (size_t i = 0; i < n; ++i) m.addData(args(qsoNumber(i)));
}

void BM_CheckCall(benchmark::State& state) {
    plugin::Module m(platform::systemServices(), plugin::systemHeaderDialog(), plugin::systemSetupWindow());
    const size_t n = size_t(state.range(0));
    fill(m, n);
    const QsoText known = qsoNumber(n / 2), fresh = qsoNumber(n + 1);
    engine::CallCheckArgs a[2];
    for (int k = 0; k < 2; ++k) {
        const QsoText& t = k ? fresh : known;
        a[k].call = t.call;
        a[k].mode = "BPSK63";
        a[k].prefix = t.prefix;
        a[k].band = t.band.c_str();
        a[k].bandCheck = t.band.c_str();
    }
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.checkCall(a[i++ & 1]));
}

void BM_AddDataDupeCheck(benchmark::State& state) {
    plugin::Module m(platform::systemServices(), plugin::systemHeaderDialog(), plugin::systemSetupWindow());
    const size_t n = size_t(state.range(0));
    fill(m, n);
    // Each round stores a dupe of the last record, then (untimed) takes out the original,
    // which keeps the log at n records.
    QsoText last = qsoNumber(n - 1);
    const engine::QsoArgs dupe = args(last);
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.addData(dupe));
        state.PauseTiming();
        m.removeData(last.call, last.band);
        state.ResumeTiming();
    }
}

void BM_FullRecount(benchmark::State& state) {
    plugin::Module m(platform::systemServices(), plugin::systemHeaderDialog(), plugin::systemSetupWindow());
    const size_t n = size_t(state.range(0));
    std::vector<engine::QsoArgs> qsos;
    std::vector<QsoText> texts;
    texts.reserve(n);
    for (size_t i = 0; i < n; ++i) texts.push_back(qsoNumber(i));
    for (const auto& t : texts) qsos.push_back(args(t));
    for (auto _ : state) {
        m.resetStats(recount());
        for (const auto& q : qsos) m.addData(q);
        benchmark::DoNotOptimize(m.getResult(nullptr));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(n));
}

// The floor: what opening the report, appending a line and closing it costs N times.
void BM_ReportFileFloor(benchmark::State& state) {
    const size_t n = size_t(state.range(0));
    const std::string line = "QSO:  7040 RY 2025-12-09 1200  SP5ZZZ  599  001  DL1ABC  599  123   DUPE !!!\r\n";
    for (auto _ : state) {
        std::FILE* f = std::fopen("floor.txt", "wb");
        std::fclose(f);
        for (size_t i = 0; i < n; ++i) {
            f = std::fopen("floor.txt", "ab");
            std::fwrite(line.data(), 1, line.size(), f);
            std::fclose(f);
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(n));
}

void BM_GetResult(benchmark::State& state) {
    plugin::Module m(platform::systemServices(), plugin::systemHeaderDialog(), plugin::systemSetupWindow());
    fill(m, size_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(m.getResult(nullptr));
}

// Heap in use, mmapped large blocks included (the log's record array is one).
size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_MemoryPerQso(benchmark::State& state) {
    const size_t n = size_t(state.range(0));
    double perQso = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        auto* m = new plugin::Module(platform::systemServices(), plugin::systemHeaderDialog(), plugin::systemSetupWindow());
        fill(*m, n);
        perQso = double(heapInUse() - before) / double(n);
        delete m;
    }
    state.counters["bytes_per_qso"] = perQso;
}

BENCHMARK(BM_CheckCall)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_AddDataDupeCheck)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FullRecount)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportFileFloor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetResult)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryPerQso)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void printRatio(const RatioReporter& r, const char* what, const std::string& a, const std::string& b, double limit) {
    auto ia = r.times.find(a), ib = r.times.find(b);
    if (ia == r.times.end() || ib == r.times.end()) return;
    const double ratio = ia->second / ib->second;
    std::printf("%-58s %6.2fx  (target <= %.1fx) %s\n", what, ratio, limit, ratio <= limit ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv) {
    // Report files land in a scratch folder, as they would in the host's folder.
    const auto scratch = std::filesystem::temp_directory_path() / ("stats_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    std::filesystem::current_path(scratch);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    printRatio(reporter, "CheckCall0, 100,000 QSOs vs 1,000", "BM_CheckCall/100000", "BM_CheckCall/1000", 2.0);
    printRatio(reporter, "AddData0 dupe check, 100,000 QSOs vs 1,000", "BM_AddDataDupeCheck/100000",
               "BM_AddDataDupeCheck/1000", 2.0);
    printRatio(reporter, "Full recount, 100,000 vs 10,000", "BM_FullRecount/100000", "BM_FullRecount/10000", 12.0);
    printRatio(reporter, "Full recount vs report-file floor, 10,000", "BM_FullRecount/10000",
               "BM_ReportFileFloor/10000", 1.5);
    printRatio(reporter, "Full recount vs report-file floor, 100,000", "BM_FullRecount/100000",
               "BM_ReportFileFloor/100000", 1.5);
    benchmark::Shutdown();
    std::filesystem::current_path("/");
    std::filesystem::remove_all(scratch);
    return 0;
}
