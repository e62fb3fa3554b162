// The Cabrillo header step: load the header fields from the settings file and fixed defaults,
// let the operator edit them in the header dialog, store them back on confirmation, and bring
// the soapbox into the form the Cabrillo file needs.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "output/cabrillo_log.h"
#include "platform/services.h"

namespace output {

// Every non-overlapping occurrence, searched left to right, continuing after each replacement.
std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement);

// Line breaks as the settings file stores them: one line per key.
std::string encodeLineBreaks(std::string_view text);  // CR -> "<CR>", then LF -> "<LF>"
std::string decodeLineBreaks(std::string_view text);  // "<CR>" -> CR, then "<LF>" -> LF

// The own call made a file name: "/" and "\" become "_", white space trimmed, "NOVT" if empty.
std::string cabrilloFileBase(std::string_view ownCall);

// The texts the header dialog shows and edits, one per field.
struct HeaderFields {
    std::string Contest, Callsign, Claimed, CategoryOperator, CategoryBand, CategoryMode, CategoryPower,
        CategoryTransmitter, Name, Address, AddressCity, AddressPostalcode, AddressCountry, Operators, Club, SoapBox,
        Email;
};

enum class FieldKind { Text, MultiLineText, Combo, SortedCombo };
enum class FieldState { Editable, ReadOnly, Disabled };

// One field of the dialog, top to bottom: its control, label, kind, list and bound text.
struct HeaderFieldSpec {
    int controlId;
    int labelId;
    const char* label;
    FieldKind kind;
    FieldState state;
    std::vector<std::string_view> entries;
    std::string HeaderFields::*field;
};

const std::vector<HeaderFieldSpec>& headerFieldSpecs();

inline constexpr int kHeaderDialogTemplate = 101;
inline constexpr char kHeaderDialogTitle[] = "Polska WW BPSK63 Contest ";

// The list entry a combo selects when it opens: the first that begins with text, ignoring
// letter case; -1 when none does (the combo then shows the text in its edit part).
int comboSelection(const std::vector<std::string_view>& entries, std::string_view text);

// The modal header dialog; on confirmation it leaves the dialog's texts in fields.
class HeaderDialog {
public:
    virtual ~HeaderDialog() = default;
    virtual bool run(HeaderFields& fields) = 0;
};

// The whole header step. Returns whether the operator confirmed.
bool editHeader(CabrilloLog& log, std::string_view ownCall, platform::Settings& settings, HeaderDialog& dialog);

}  // namespace output
