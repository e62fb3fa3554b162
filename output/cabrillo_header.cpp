// The Cabrillo header step and the header dialog's field table.
#include "output/cabrillo_header.h"

#include <algorithm>

namespace output {

std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement) {
    if (search.empty() || search == replacement) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t at; (at = text.find(search, from)) != std::string_view::npos; from = at + search.size())
        out.append(text.substr(from, at - from)).append(replacement);
    out.append(text.substr(from));
    return out;
}

std::string encodeLineBreaks(std::string_view text) { return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>"); }

std::string decodeLineBreaks(std::string_view text) { return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n"); }

std::string cabrilloFileBase(std::string_view ownCall) {
    std::string base = ReplaceAll(ReplaceAll(ownCall, "/", "_"), "\\", "_");
    const char* kSpace = " \t\r\n\v\f";
    const size_t first = base.find_first_not_of(kSpace);
    if (first == std::string::npos) return "NOVT";
    return base.substr(first, base.find_last_not_of(kSpace) - first + 1);
}

const std::vector<HeaderFieldSpec>& headerFieldSpecs() {
    using K = FieldKind;
    using S = FieldState;
    static const std::vector<HeaderFieldSpec> specs = {
        {1009, 1109, "CONTEST", K::Text, S::Editable, {}, &HeaderFields::Contest},
        {1010, 1110, "CALLSIGN", K::Text, S::Editable, {}, &HeaderFields::Callsign},
        {1008, 1108, "CLAIMED", K::Text, S::Editable, {}, &HeaderFields::Claimed},
        {1012, 1112, "CATEGORY-OPERATOR", K::Combo, S::Editable, {"SINGLE-OP", "MULTI-OP", "CHECKLOG"},
         &HeaderFields::CategoryOperator},
        {1013, 1113, "CATEGORY-BAND", K::Combo, S::Editable, {"ALL"}, &HeaderFields::CategoryBand},
        {1017, 1117, "CATEGORY-MODE", K::Text, S::ReadOnly, {}, &HeaderFields::CategoryMode},
        {1015, 1115, "CATEGORY-POWER", K::Combo, S::Editable, {"HIGH", "QRP"}, &HeaderFields::CategoryPower},
        {1019, 1119, "CATEGORY-TRANSMITTER", K::SortedCombo, S::Disabled, {"ONE", "TWO", "UNLIMITED"},
         &HeaderFields::CategoryTransmitter},
        {1007, 1107, "NAME", K::Text, S::Editable, {}, &HeaderFields::Name},
        {1002, 1102, "ADDRESS", K::Text, S::Editable, {}, &HeaderFields::Address},
        {1003, 1103, "ADDRESS-CITY", K::Text, S::Editable, {}, &HeaderFields::AddressCity},
        {1021, 1121, "ADDRESS-POSTALCODE", K::Text, S::Editable, {}, &HeaderFields::AddressPostalcode},
        {1014, 1114, "ADDRESS-COUNTRY", K::Text, S::Editable, {}, &HeaderFields::AddressCountry},
        {1006, 1106, "OPERATORS", K::Text, S::Disabled, {}, &HeaderFields::Operators},
        {1005, 1105, "CLUB", K::Text, S::Editable, {}, &HeaderFields::Club},
        {1001, 1101, "SOAPBOX", K::MultiLineText, S::Editable, {}, &HeaderFields::SoapBox},
        {1004, 1104, "E-MAIL", K::Text, S::Editable, {}, &HeaderFields::Email},
    };
    return specs;
}

int comboSelection(const std::vector<std::string_view>& entries, std::string_view text) {
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string_view entry = entries[i];
        if (entry.size() >= text.size() &&
            std::equal(text.begin(), text.end(), entry.begin(), [&](char a, char b) { return upper(a) == upper(b); }))
            return int(i);
    }
    return -1;
}

namespace {

// The soapbox as the file needs it: each line break repeats the SOAPBOX tag.
std::string soapBoxFileForm(std::string_view encoded) {
    return ReplaceAll(ReplaceAll(encoded, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
}

}  // namespace

bool editHeader(CabrilloLog& log, std::string_view ownCall, platform::Settings& settings, HeaderDialog& dialog) {
    log.Callsign = ownCall;
    log.FileBase = cabrilloFileBase(ownCall);
    log.Operators = settings.read("Operators", ownCall);
    log.Name = settings.read("Name", "");
    log.Address = decodeLineBreaks(settings.read("Address", ""));
    log.AddressCity = settings.read("Address_City", "");
    log.AddressPostalcode = settings.read("Address_Postalcode", "");
    log.AddressCountry = settings.read("Address_Country", "");
    log.Claimed = settings.read("Claimed", "");
    log.Contest = "Polska WW BPSK 63 Contest";
    log.CategoryOperator = "SINGLE-OP";
    log.CategoryBand = "ALL";
    log.CategoryMode = "BPSK63";
    log.CategoryPower = "HIGH";
    log.CategoryTransmitter = "ONE";
    log.Email = settings.read("Email", "");
    log.Club = settings.read("Club", "");
    const std::string soapBox = decodeLineBreaks(settings.read("SoapBox", ""));

    HeaderFields fields{log.Contest,       log.Callsign,          log.Claimed,   log.CategoryOperator,
                        log.CategoryBand,  log.CategoryMode,      log.CategoryPower, log.CategoryTransmitter,
                        log.Name,          log.Address,           log.AddressCity,   log.AddressPostalcode,
                        log.AddressCountry, log.Operators,        log.Club,      soapBox,
                        log.Email};
    if (!dialog.run(fields)) {
        log.SoapBox = soapBoxFileForm(encodeLineBreaks(soapBox));
        return false;
    }
    // Claimed and CategoryMode are shown only; FileBase stays derived from the own call.
    log.Callsign = fields.Callsign;
    log.Operators = fields.Operators;
    log.CategoryOperator = fields.CategoryOperator;
    log.CategoryBand = fields.CategoryBand;
    log.Name = fields.Name;
    log.Address = fields.Address;
    log.AddressCity = fields.AddressCity;
    log.AddressPostalcode = fields.AddressPostalcode;
    log.AddressCountry = fields.AddressCountry;
    log.CategoryPower = fields.CategoryPower;
    log.Contest = fields.Contest;
    log.Email = fields.Email;
    log.Club = fields.Club;
    log.CategoryTransmitter = fields.CategoryTransmitter;
    const std::string encodedSoapBox = encodeLineBreaks(fields.SoapBox);

    settings.write("Operators", log.Operators);
    settings.write("Name", log.Name);
    settings.write("Email", log.Email);
    // Encoded like the soapbox so that an address with line breaks keeps the file one line per key.
    settings.write("Address", encodeLineBreaks(log.Address));
    settings.write("Category", log.CategoryOperator);
    settings.write("Contest", log.Contest);
    settings.write("Club", log.Club);
    settings.write("SoapBox", encodedSoapBox);

    log.SoapBox = soapBoxFileForm(encodedSoapBox);
    log.ClearQsoLines();
    return true;
}

}  // namespace output
