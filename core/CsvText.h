#pragma once
// CSV as spreadsheets and GIS tools write it: fields separated by commas, or
// by semicolons when the header line holds more of them (such files may
// write decimals with a comma); quoted fields ("a, b", "" for a quote) may
// span lines; CR LF, LF or CR line ends. Shared by the readers of cases
// files and of point files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct CsvRecord {
    int line = 0;                    // line of the text the record starts on, from 1
    std::vector<std::string> cells;  // as written, quotes removed
};

// The separator of the text: the one of ',' and ';' its first line holds
// more of, outside quotes.
char CsvSeparator(std::string_view text);

// The records of the text; empty lines give none.
std::vector<CsvRecord> CsvRecords(std::string_view text, char separator);

// Blanks and tabs around text removed.
std::string CsvTrim(std::string_view text);

// True when every cell is empty or blank.
bool CsvAllBlank(const std::vector<std::string>& cells);

// One number cell: blanks around it are ignored, a semicolon file may use a
// decimal comma. An empty cell gives no value and no error; a cell that is
// no finite number gives false and error "NAME 'cell' is not a number".
bool CsvNumber(const std::string& raw, char separator, std::string_view name, std::optional<float>& value,
               std::string& error);

}  // namespace orvane
