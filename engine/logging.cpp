// AddData0 / RemoveData0 / CheckCall0 logic over the contest state.
#include "engine/logging.h"

#include <memory>

#include "engine/contest_rules.h"

namespace engine {

namespace {

enum class Layout { Refusal, Mark };

std::string reportLine(const QsoArgs& q, Layout layout, std::string_view message) {
    const std::string kHz = std::to_string(q.frequencyHz / 1000);
    const std::string time = formatDateTime(q.qsoTime, "%Y-%m-%d %H%M");
    std::string line;
    line.reserve(96 + q.ownCall.size() + q.call.size() + q.mode.size() + q.rstSent.size() + q.rstRcvd.size() +
                 q.exchSent.size() + q.exchRcvd.size());
    line.append("QSO:  ").append(kHz);
    if (layout == Layout::Refusal)
        line.append("  ").append(q.mode).append("  ");
    else
        line.append(" RY ");
    line.append(time).append("  ").append(q.ownCall);
    line.append("  ").append(q.rstSent).append("  ").append(q.exchSent);
    line.append("  ").append(q.call).append("  ").append(q.rstRcvd);
    line.append("  ").append(q.exchRcvd).append(message).append("\r\n");
    return line;
}

}  // namespace

int addQso(ContestState& state, platform::FileSystem& files, const QsoArgs& q) {
    // Opened before any check so that the file exists after the first call, lines or not.
    std::unique_ptr<platform::OutputFile> report;
    if (!state.ReportPath.empty()) report = files.openForAppend(state.ReportPath);
    auto write = [&](Layout layout, std::string_view message) {
        if (report) report->write(reportLine(q, layout, message));
    };

    if (!bandList().contains(q.band)) {
        write(Layout::Refusal, "   NO CONTEST BAND !!!");
        return 0;
    }
    if (!modeList().contains(q.mode)) {
        write(Layout::Refusal, "   NO TEST MODE !!!");
        return 0;
    }
    if (q.exchRcvd.empty() || q.exchSent.empty()) {
        write(Layout::Refusal, "   NO RX NUMBER !!!");
        return 0;
    }
    state.bandsWorked.addIfAbsent(q.band);

    CInfo record;
    record.Call = q.call;
    record.Prefix = q.prefix;
    record.Continent = q.continent;
    record.Band = q.band;
    record.Mode = q.mode;
    record.RstRcvd = q.rstRcvd;
    record.RstSent = q.rstSent;
    record.ExchRcvd = q.exchRcvd;
    record.ExchSent = q.exchSent;
    record.FreqKHz = int32_t(q.frequencyHz / 1000);
    record.Time = q.qsoTime;

    if (isPolish(q.prefix)) {
        std::string province = normalise(q.exchRcvd);
        if (isProvince(province)) {
            record.Province = std::move(province);
        } else {
            write(Layout::Mark, "   NO POLAND PROVINCE !!!");
            record.Flagged = 1;
        }
    }
    // One line per earlier record with the same call, band and mode.
    const size_t earlier = state.log.countSameContact(record.Call, record.Band, record.Mode);
    if (earlier > 0) {
        const std::string line = reportLine(q, Layout::Mark, "   DUPE !!!");
        if (report)
            for (size_t i = 0; i < earlier; ++i) report->write(line);
        record.Flagged = 1;
    }
    state.log.append(std::move(record));
    return 1;
}

int removeQso(ContestState& state, std::string_view call, std::string_view band) {
    state.log.removeFirst(call, band);
    return 1;
}

int checkCall(const ContestState& state, const CallCheckArgs& a) {
    if (a.band && a.bandCheck && !equalsIgnoringCase(a.band, a.bandCheck)) return 4;
    const std::string_view band = a.band ? a.band : "";
    if (!bandList().contains(band)) return 4;
    if (!modeList().contains(a.mode)) return 4;
    if (a.prefix.empty()) return 1;
    if (state.log.hasCallOnBand(a.call, band)) return 0;
    return state.log.hasPrefixOnBand(band, a.prefix) ? 1 : 2;
}

}  // namespace engine
