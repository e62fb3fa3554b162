// The Cabrillo 3.0 log: header fields, file base name, formatted QSO lines and the writer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/date_time.h"
#include "platform/services.h"

namespace output {

class CabrilloLog {
public:
    std::string Callsign;
    std::string Name;
    std::string Address;
    std::string Claimed;
    std::string Contest;
    std::string Email;
    std::string Club;
    std::string SoapBox;  // file form: line breaks already carry the repeated "SOAPBOX: " tag
    std::string Operators;
    std::string CategoryOperator;
    std::string CategoryBand;
    std::string CategoryMode;
    std::string CategoryTransmitter;
    std::string AddressCity;
    std::string AddressPostalcode;
    std::string AddressCountry;
    std::string CategoryPower;
    std::string FileBase;
    std::vector<std::string> QsoLines;

    void ClearQsoLines() { QsoLines.clear(); }
    void AddQsoLine(std::string_view call, int32_t freqKHz, std::string_view modeWord, const OleDateTime& time,
                    std::string_view rstSent, std::string_view exchSent, std::string_view rstRcvd,
                    std::string_view exchRcvd);

    // The whole file as it is written.
    std::string fileText(int32_t claimedScore, const std::optional<std::string>& hostVersion) const;
    // Writes FileBase + ".cbr" in the current folder (truncating) and returns the message
    // "File produced: <name>"; the message is the same when the file cannot be written.
    std::string WriteLog(platform::FileSystem& files, int32_t claimedScore) const;
};

// Version text of the first "*.exe" of the current folder whose name contains "Tovu":
// "major.minor" for major 2, else "major.minor.third"; none when no such file or no version.
std::optional<std::string> hostVersionText(platform::FileSystem& files);

}  // namespace output
