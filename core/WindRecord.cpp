#include "core/WindRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/FileIO.h"
#include "core/Format.h"

namespace orvane {

namespace {

constexpr int kIsdMissing = -9999;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '"' || s.front() == '\''))
        s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '"' || s.back() == '\'' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return out;
}

// A whole field as a finite number; "." decimals (or "," where the fields
// are separated by semicolons or tabs), an optional leading "+".
std::optional<double> Number(std::string_view s, bool decimalComma = false)
{
    s = Trim(s);
    std::string copy;
    if (decimalComma && s.find(',') != std::string_view::npos) {
        copy.assign(s);
        std::replace(copy.begin(), copy.end(), ',', '.');
        s = copy;
    }
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double v = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Digits only, exactly `count` of them, at s[pos...]; advances pos.
bool Digits(std::string_view s, std::size_t& pos, std::size_t count, int& value)
{
    if (pos + count > s.size())
        return false;
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = s[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::optional<std::int64_t> TimeOf(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 || hour > 24 ||
        minute < 0 || minute > 59 || second < 0 || second > 60 || (hour == 24 && (minute || second)))
        return std::nullopt;
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

// The speed column's unit suffix: "speed (knots)" -> "knots".
std::string_view UnitSuffix(std::string_view name, std::string_view& bare)
{
    bare = name;
    const std::size_t open = name.find_first_of("([");
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = name.find_first_of(")]", open);
    bare = Trim(name.substr(0, open));
    return Trim(name.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
}

}  // namespace

double WindDirectionOfBearing(double bearingDeg, double convergenceDeg)
{
    // grid bearing = true bearing - convergence; direction = 90 - grid bearing.
    double d = std::fmod(90.0 - (bearingDeg - convergenceDeg), 360.0);
    if (d < 0.0)
        d += 360.0;
    return d >= 360.0 ? 0.0 : d + 0.0;
}

double BearingOfWindDirection(double windDirectionDeg, double convergenceDeg)
{
    // bearing = 90 - direction + convergence: the same relation, its own inverse.
    return WindDirectionOfBearing(windDirectionDeg, convergenceDeg);
}

std::optional<WindFileFormat> WindFileFormatFromName(std::string_view name)
{
    if (name == "csv")
        return WindFileFormat::Csv;
    if (name == "isd-lite")
        return WindFileFormat::IsdLite;
    return std::nullopt;
}

std::string WindFileFormatName(WindFileFormat format)
{
    switch (format) {
    case WindFileFormat::Auto: return "auto";
    case WindFileFormat::Csv: return "csv";
    case WindFileFormat::IsdLite: return "isd-lite";
    }
    return "?";
}

std::string SkipReasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::BadTime: return "time not read";
    case SkipReason::MissingSpeed: return "speed missing";
    case SkipReason::BadSpeed: return "speed not a number";
    case SkipReason::NegativeSpeed: return "negative speed";
    case SkipReason::MissingDirection: return "direction missing";
    case SkipReason::BadDirection: return "direction not in 0..360";
    case SkipReason::OutOfOrder: return "time out of order";
    case SkipReason::RepeatedTime: return "time repeated";
    case SkipReason::ShortLine: return "too few fields";
    }
    return "?";
}

std::size_t WindRecord::Skipped() const
{
    std::size_t n = 0;
    for (std::size_t k : skipped)
        n += k;
    return n;
}

std::string WindRecord::SkippedText() const
{
    std::string reasons;
    for (std::size_t r = 0; r < kSkipReasonCount; ++r) {
        if (skipped[r] > 0)
            reasons +=
                (reasons.empty() ? "" : ", ") + Format("%zu ", skipped[r]) + SkipReasonText(static_cast<SkipReason>(r));
    }
    if (reasons.empty())
        return {};
    return Format("%zu rows skipped: ", Skipped()) + reasons;
}

std::int64_t DaysFromCivil(int year, int month, int day)
{
    // Howard Hinnant's days_from_civil: exact for every proleptic Gregorian date.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

std::string TimestampText(std::int64_t timeS)
{
    const std::int64_t days = timeS >= 0 ? timeS / 86400 : -((-timeS + 86399) / 86400);
    const std::int64_t rest = timeS - days * 86400;
    const CivilDate d = CivilFromDays(days);
    return Format("%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day, static_cast<int>(rest / 3600),
                  static_cast<int>(rest / 60 % 60));
}

std::optional<std::int64_t> ParseTimestamp(std::string_view s)
{
    s = Trim(s);
    std::size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!Digits(s, pos, 4, year) || pos >= s.size() || s[pos++] != '-' || !Digits(s, pos, 2, month) ||
        pos >= s.size() || s[pos++] != '-' || !Digits(s, pos, 2, day))
        return std::nullopt;
    std::int64_t offsetS = 0;
    if (pos < s.size()) {
        if (s[pos] != 'T' && s[pos] != ' ')
            return std::nullopt;
        ++pos;
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
        if (!Digits(s, pos, 2, hour) || pos >= s.size() || s[pos++] != ':' || !Digits(s, pos, 2, minute))
            return std::nullopt;
        if (pos < s.size() && s[pos] == ':') {
            ++pos;
            if (!Digits(s, pos, 2, second))
                return std::nullopt;
            if (pos < s.size() && s[pos] == '.') {  // fractions of a second are dropped
                ++pos;
                while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9')
                    ++pos;
            }
        }
        if (pos < s.size() && s[pos] == 'Z') {
            ++pos;
        } else if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
            const int sign = s[pos++] == '-' ? -1 : 1;
            int oh = 0, om = 0;
            if (!Digits(s, pos, 2, oh))
                return std::nullopt;
            if (pos < s.size() && s[pos] == ':')
                ++pos;
            if (pos < s.size() && !Digits(s, pos, 2, om))
                return std::nullopt;
            if (oh > 18 || om > 59)
                return std::nullopt;
            offsetS = sign * (oh * 3600 + om * 60);
        }
        if (pos != s.size())
            return std::nullopt;
    }
    const std::optional<std::int64_t> local = TimeOf(year, month, day, hour, minute, second);
    if (!local)
        return std::nullopt;
    return *local - offsetS;
}

WindRecordReader::WindRecordReader(const WindReadOptions& options) : options_(options)
{
    if (options_.unit)
        record_.unit = *options_.unit;
    speedFactor_ = SpeedToMetresPerSecond(1.0, record_.unit);
}

void WindRecordReader::Feed(std::string_view piece)
{
    while (!piece.empty()) {
        const std::size_t end = piece.find('\n');
        if (end == std::string_view::npos) {
            partial_.append(piece);
            return;
        }
        if (partial_.empty()) {
            Line(piece.substr(0, end));
        } else {
            partial_.append(piece.substr(0, end));
            Line(partial_);
            partial_.clear();
        }
        piece.remove_prefix(end + 1);
    }
}

void WindRecordReader::Line(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (!started_ && line.size() >= 3 && line.substr(0, 3) == "\xEF\xBB\xBF")
        line.remove_prefix(3);  // a UTF-8 byte-order mark
    if (Trim(line).empty())
        return;
    if (!started_) {
        started_ = true;
        if (options_.format == WindFileFormat::Auto) {
            // A station file starts with a year and holds only integers.
            int year = 0;
            std::size_t pos = 0;
            const std::string_view t = Trim(line);
            options_.format = Digits(t, pos, 4, year) && pos < t.size() && t[pos] == ' ' &&
                                      t.find_first_not_of("0123456789- ") == std::string_view::npos
                                  ? WindFileFormat::IsdLite
                                  : WindFileFormat::Csv;
        }
        record_.format = options_.format;
        if (options_.format == WindFileFormat::Csv) {
            Header(line);
            return;
        }
        record_.unit = SpeedUnit::MetresPerSecond;
        columnsFound_ = true;
    }
    if (options_.format == WindFileFormat::IsdLite)
        IsdRow(line);
    else if (columnsFound_)
        CsvRow(line);
}

void WindRecordReader::Header(std::string_view line)
{
    const std::size_t sep = line.find_first_of(",;\t");
    separator_ = sep == std::string_view::npos ? ',' : line[sep];
    std::size_t column = 0;
    std::optional<SpeedUnit> headerUnit;
    std::string headerUnitName;
    while (true) {
        const std::size_t end = line.find(separator_);
        std::string_view bare;
        const std::string_view unit = UnitSuffix(Trim(line.substr(0, end)), bare);
        const std::string name = Lower(bare);
        const int c = static_cast<int>(column);
        if ((name == "time" || name == "datetime") && timeColumn_ < 0)
            timeColumn_ = c;
        else if (name == "time" && clockColumn_ < 0)
            clockColumn_ = c;
        else if (name == "date" && timeColumn_ < 0)
            timeColumn_ = c;
        else if ((name == "speed" || name == "wspd" || name == "ws") && speedColumn_ < 0) {
            speedColumn_ = c;
            if (!unit.empty()) {
                headerUnit = SpeedUnitFromName(unit);
                headerUnitName = std::string(unit);
            }
        } else if ((name == "bearing" || name == "dir" || name == "wdir") && bearingColumn_ < 0 && directionColumn_ < 0)
            bearingColumn_ = c;
        else if (name == "direction" && bearingColumn_ < 0 && directionColumn_ < 0)
            directionColumn_ = c;
        ++column;
        if (end == std::string_view::npos)
            break;
        line.remove_prefix(end + 1);
    }
    columnCount_ = column;
    std::string missing;
    if (timeColumn_ < 0)
        missing += "a time column (time, date, datetime)";
    if (speedColumn_ < 0)
        missing += std::string(missing.empty() ? "" : ", ") + "a speed column (speed, wspd, ws)";
    if (bearingColumn_ < 0 && directionColumn_ < 0)
        missing += std::string(missing.empty() ? "" : ", ") + "a direction column (bearing, dir, wdir, direction)";
    if (!missing.empty()) {
        failure_ = "the header names no " + missing;
        return;
    }
    if (!headerUnitName.empty() && !headerUnit) {
        failure_ = "the speed column's unit '" + headerUnitName + "' is not one of m/s, km/h, mph, knots, ft/s";
        return;
    }
    if (headerUnit) {
        if (options_.unit && *options_.unit != *headerUnit)
            record_.notes.push_back("the header's unit " + SpeedUnitName(*headerUnit) + " is used, not " +
                                    SpeedUnitName(*options_.unit));
        record_.unit = *headerUnit;
    }
    speedFactor_ = SpeedToMetresPerSecond(1.0, record_.unit);
    record_.notes.push_back(std::string("speeds in ") + SpeedUnitName(record_.unit) + ", directions as " +
                            (bearingColumn_ >= 0 ? "compass bearings (from, clockwise from north)"
                                                 : "the project's directions (counter-clockwise from +x)"));
    columnsFound_ = true;
}

void WindRecordReader::CsvRow(std::string_view line)
{
    // The fields this row needs, found in one pass.
    std::string_view fields[5];
    const int wanted[5] = {timeColumn_, clockColumn_, speedColumn_, bearingColumn_, directionColumn_};
    const int last = *std::max_element(wanted, wanted + 5);
    int column = 0;
    std::size_t start = 0;
    while (column <= last) {
        const std::size_t end = line.find(separator_, start);
        const std::string_view field = line.substr(start, end == std::string_view::npos ? end : end - start);
        for (int k = 0; k < 5; ++k) {
            if (wanted[k] == column)
                fields[k] = field;
        }
        ++column;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (column <= last) {
        Skip(SkipReason::ShortLine);
        return;
    }
    std::optional<std::int64_t> time;
    if (clockColumn_ >= 0) {
        std::string joined(Trim(fields[0]));
        joined += ' ';
        joined += Trim(fields[1]);
        time = ParseTimestamp(joined);
    } else {
        time = ParseTimestamp(fields[0]);
    }
    if (!time) {
        Skip(SkipReason::BadTime);
        return;
    }
    const std::string_view speedText = Trim(fields[2]);
    if (speedText.empty()) {
        Skip(SkipReason::MissingSpeed);
        return;
    }
    const std::optional<double> speed = Number(speedText, separator_ != ',');
    if (!speed) {
        Skip(SkipReason::BadSpeed);
        return;
    }
    if (*speed < 0.0) {
        Skip(SkipReason::NegativeSpeed);
        return;
    }
    const bool bearing = bearingColumn_ >= 0;
    const std::string_view dirText = Trim(bearing ? fields[3] : fields[4]);
    double direction = 0.0;
    if (dirText.empty()) {
        if (*speed > 0.0) {
            Skip(SkipReason::MissingDirection);
            return;
        }
    } else {
        const std::optional<double> dir = Number(dirText, separator_ != ',');
        if (!dir || *dir < 0.0 || *dir > 360.0) {
            Skip(SkipReason::BadDirection);
            return;
        }
        direction = bearing ? WindDirectionOfBearing(*dir, options_.convergenceDeg) : std::fmod(*dir, 360.0);
    }
    Keep(*time, *speed * speedFactor_, direction);
}

void WindRecordReader::IsdRow(std::string_view line)
{
    int values[9];
    int count = 0;
    std::size_t pos = 0;
    while (count < 9) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size())
            break;
        const char* first = line.data() + pos;
        const auto [end, ec] = std::from_chars(first, line.data() + line.size(), values[count]);
        if (ec != std::errc() || (end != line.data() + line.size() && *end != ' ' && *end != '\t')) {
            // a field that is no integer: a time field spoils the row's time, the others their value
            if (count < 4) {
                Skip(SkipReason::BadTime);
                return;
            }
            values[count] = count == 8 ? kIsdMissing - 1 : kIsdMissing - 2;
            const std::size_t next = line.find_first_of(" \t", pos);
            pos = next == std::string_view::npos ? line.size() : next;
        } else {
            pos = static_cast<std::size_t>(end - line.data());
        }
        ++count;
    }
    if (count < 9) {
        Skip(SkipReason::ShortLine);
        return;
    }
    const std::optional<std::int64_t> time = TimeOf(values[0], values[1], values[2], values[3], 0, 0);
    if (!time) {
        Skip(SkipReason::BadTime);
        return;
    }
    const int speed = values[8], dir = values[7];
    if (speed == kIsdMissing) {
        Skip(SkipReason::MissingSpeed);
        return;
    }
    if (speed == kIsdMissing - 1) {
        Skip(SkipReason::BadSpeed);
        return;
    }
    if (speed < 0) {
        Skip(SkipReason::NegativeSpeed);
        return;
    }
    double direction = 0.0;
    if (dir == kIsdMissing) {
        if (speed > 0) {
            Skip(SkipReason::MissingDirection);
            return;
        }
    } else if (dir < 0 || dir > 360) {
        Skip(SkipReason::BadDirection);
        return;
    } else if (speed > 0) {
        direction = WindDirectionOfBearing(dir, options_.convergenceDeg);
    }
    Keep(*time, speed / 10.0, direction);
}

void WindRecordReader::Keep(std::int64_t timeS, double speedMs, double directionDeg)
{
    if (!record_.rows.empty()) {
        const std::int64_t last = record_.rows.back().timeS;
        if (timeS == last) {
            Skip(SkipReason::RepeatedTime);
            return;
        }
        if (timeS < last) {
            Skip(SkipReason::OutOfOrder);
            return;
        }
    }
    if (!(speedMs < 1e6)) {  // beyond float range or any wind: not a speed
        Skip(SkipReason::BadSpeed);
        return;
    }
    record_.rows.push_back({timeS, static_cast<float>(speedMs), static_cast<float>(directionDeg)});
}

WindRecord WindRecordReader::Finish()
{
    if (!partial_.empty()) {
        const std::string last = std::move(partial_);
        partial_.clear();
        Line(last);
    }
    WindRecord out = std::move(record_);
    record_ = WindRecord();
    if (!failure_.empty()) {
        out.rows.clear();
        out.Fail(failure_);
    } else if (out.rows.empty()) {
        const std::string skipped = out.SkippedText();
        out.Fail(skipped.empty() ? std::string("no wind rows found") : "no usable wind row (" + skipped + ")");
    }
    out.rows.shrink_to_fit();
    return out;
}

WindRecord ParseWindRecord(std::string_view text, const WindReadOptions& options)
{
    WindRecordReader reader(options);
    reader.Feed(text);
    return reader.Finish();
}

WindRecord ReadWindRecord(const std::string& path, const WindReadOptions& options)
{
    WindRecordReader reader(options);
    const InputState state =
        ReadInputPieces(path, kMaxWindRecordBytes, [&reader](std::string_view piece) { reader.Feed(piece); });
    if (state != InputState::Read) {
        WindRecord failed;
        failed.Fail(InputProblemText(path, state, kMaxWindRecordBytes, "wind record"));
        return failed;
    }
    WindRecord record = reader.Finish();
    if (!record.ok)
        record.message = "[" + path + "]: " + record.message;
    return record;
}

}  // namespace orvane
