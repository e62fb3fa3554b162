// Cabrillo log writer.
#include "output/cabrillo_log.h"

#include <cstdio>
#include <memory>

namespace output {

namespace {

// printf-style "%-Ns" / "%Ns" without a buffer limit: long values are written whole.
void appendPadded(std::string& out, std::string_view value, size_t width, bool leftAligned) {
    const size_t fill = value.size() < width ? width - value.size() : 0;
    if (!leftAligned) out.append(fill, ' ');
    out.append(value);
    if (leftAligned) out.append(fill, ' ');
}

}  // namespace

void CabrilloLog::AddQsoLine(std::string_view call, int32_t freqKHz, std::string_view modeWord,
                             const OleDateTime& time, std::string_view rstSent, std::string_view exchSent,
                             std::string_view rstRcvd, std::string_view exchRcvd) {
    std::string line = "QSO: ";
    appendPadded(line, std::to_string(freqKHz), 5, false);
    line.push_back(' ');
    appendPadded(line, modeWord, 2, false);
    line.push_back(' ');
    line.append(engine::formatDateTime(time, "%Y-%m-%d %H%M")).push_back(' ');
    appendPadded(line, Callsign, 13, true);
    line.push_back(' ');
    appendPadded(line, rstSent, 3, true);
    line.push_back(' ');
    appendPadded(line, exchSent, 6, true);
    line.push_back(' ');
    appendPadded(line, call, 13, true);
    line.push_back(' ');
    appendPadded(line, rstRcvd, 3, true);
    line.push_back(' ');
    line.append(exchRcvd).append("\r\n");
    QsoLines.push_back(std::move(line));
}

std::optional<std::string> hostVersionText(platform::FileSystem& files) {
    for (const std::string& name : files.listExecutables()) {
        if (name.find("Tovu") == std::string::npos) continue;
        const auto version = files.fileVersion(name);
        if (!version) return std::nullopt;
        const unsigned major = version->mostSignificant >> 16;
        const unsigned minor = version->mostSignificant & 0xFFFF;
        const unsigned third = version->leastSignificant >> 16;
        char text[40];
        if (major == 2)
            std::snprintf(text, sizeof text, "%u.%u", major, minor);
        else
            std::snprintf(text, sizeof text, "%u.%u.%u", major, minor, third);
        return std::string(text);
    }
    return std::nullopt;
}

std::string CabrilloLog::fileText(int32_t claimedScore, const std::optional<std::string>& hostVersion) const {
    std::string out;
    auto line = [&out](std::string_view tag, std::string_view value) { out.append(tag).append(value).append("\r\n"); };
    out.append("START-OF-LOG: 3.0\r\n");
    out.append("CONTEST: POLSKA WW BPSK63 CONTEST\r\n");
    line("CALLSIGN: ", Callsign);
    line("CATEGORY-OPERATOR: ", CategoryOperator);
    line("CATEGORY-BAND: ", CategoryBand);
    line("CATEGORY-MODE: ", CategoryMode);
    line("CATEGORY-POWER: ", CategoryPower);
    line("CLAIMED-SCORE: ", std::to_string(claimedScore));
    line("CLUB: ", Club);
    line("CREATED-BY: Tovu ", hostVersion.value_or(""));
    line("NAME: ", Name);
    // Cabrillo allows repeated ADDRESS lines: one per line of a multi-line address.
    for (std::string_view rest = Address;;) {
        const size_t end = rest.find_first_of("\r\n");
        line("ADDRESS: ", rest.substr(0, end));
        if (end == std::string_view::npos) break;
        const size_t next = (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? end + 2 : end + 1;
        rest.remove_prefix(next);
    }
    line("ADDRESS-CITY: ", AddressCity);
    line("ADDRESS-POSTALCODE: ", AddressPostalcode);
    line("ADDRESS-COUNTRY: ", AddressCountry);
    line("SOAPBOX: ", SoapBox);
    line("EMAIL: ", Email);
    for (const std::string& qso : QsoLines) out.append(qso);
    out.append("END-OF-LOG:\r\n");
    return out;
}

std::string CabrilloLog::WriteLog(platform::FileSystem& files, int32_t claimedScore) const {
    const std::string name = FileBase + ".cbr";
    const std::string text = fileText(claimedScore, hostVersionText(files));
    if (auto file = files.openForRewrite(name)) file->write(text);
    return "File produced: " + name;
}

}  // namespace output
