#include "CriticalRecords.h"

#include <charconv>
#include <cstdio>
#include <set>

#include "Crc32.h"

namespace orvane {
namespace {

constexpr std::string_view Magic = "orvane-critical";

bool IsPrintable(char c) {
    return c >= 0x20 && c <= 0x7E;
}

bool IsValidName(std::string_view name) {
    if (name.empty() || name.size() > CriticalLimits::MaxNameLength) {
        return false;
    }
    for (const char c : name) {
        if (!IsPrintable(c) || c == '=' || c == ' ') {
            return false;
        }
    }
    return true;
}

bool IsValidValue(std::string_view value) {
    if (value.size() > CriticalLimits::MaxValueLength) {
        return false;
    }
    for (const char c : value) {
        if (!IsPrintable(c)) {
            return false;
        }
    }
    return true;
}

std::string Hex8(std::uint32_t value) {
    char text[9] = {};
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

// Digits only, no sign, no leading blanks: exactly what EncodeRecords writes.
template <class Number>
std::optional<Number> ParseDigits(std::string_view text) {
    if (text.empty() || text.size() > 20) {
        return std::nullopt;
    }
    if (text.size() > 1 && text.front() == '0') {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    Number number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

// Hands out the file line by line; a line is what stands before the next '\n'.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    std::optional<std::string_view> Next() {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        consumed_ += end + 1;
        return line;
    }

    std::size_t Consumed() const { return consumed_; }
    bool AtEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
    std::size_t consumed_ = 0;
};

// "<key> <value>" with exactly one blank.
std::optional<std::string_view> FieldValue(std::optional<std::string_view> line,
                                           std::string_view key) {
    if (!line || line->size() <= key.size() + 1 || line->substr(0, key.size()) != key ||
        (*line)[key.size()] != ' ') {
        return std::nullopt;
    }
    return line->substr(key.size() + 1);
}

struct Heading {
    std::uint64_t Sequence = 0;
    std::int64_t SavedAt = 0;
    std::size_t Count = 0;
};

std::optional<Heading> ReadHeading(LineReader& lines) {
    const auto sequence = FieldValue(lines.Next(), "sequence");
    const auto saved = FieldValue(lines.Next(), "saved");
    const auto count = FieldValue(lines.Next(), "records");
    if (!sequence || !saved || !count) {
        return std::nullopt;
    }
    const auto sequenceNumber = ParseDigits<std::uint64_t>(*sequence);
    const auto savedAt = ParseDigits<std::int64_t>(*saved);
    const auto recordCount = ParseDigits<std::size_t>(*count);
    if (!sequenceNumber || !savedAt || !recordCount) {
        return std::nullopt;
    }
    return Heading{*sequenceNumber, *savedAt, *recordCount};
}

DecodedRecords Refuse(std::string reason) {
    return DecodedRecords{std::nullopt, std::move(reason)};
}

}  // namespace

EncodedRecords EncodeRecords(const CriticalContent& content) {
    if (content.Records.size() > CriticalLimits::MaxRecords) {
        return {std::nullopt, "too many records (" + std::to_string(content.Records.size()) + ")"};
    }
    if (content.SavedAt < 0) {
        return {std::nullopt, "a save time before 1970"};
    }
    std::set<std::string_view> names;
    std::string bytes;
    bytes.reserve(64 + content.Records.size() * 24);
    bytes += std::string(Magic) + ' ' + std::to_string(CriticalFormatVersion) + '\n';
    bytes += "sequence " + std::to_string(content.Sequence) + '\n';
    bytes += "saved " + std::to_string(content.SavedAt) + '\n';
    bytes += "records " + std::to_string(content.Records.size()) + '\n';
    for (const auto& [name, value] : content.Records) {
        if (!IsValidName(name)) {
            return {std::nullopt, "the record name \"" + name.substr(0, 40) + "\" is not allowed"};
        }
        if (!IsValidValue(value)) {
            return {std::nullopt, "the value of \"" + name + "\" is not allowed"};
        }
        if (!names.insert(name).second) {
            return {std::nullopt, "the record \"" + name + "\" is given twice"};
        }
        bytes += name;
        bytes += '=';
        bytes += value;
        bytes += '\n';
    }
    bytes += "crc32 " + Hex8(Crc32(bytes)) + '\n';
    if (bytes.size() > CriticalLimits::MaxFileBytes) {
        return {std::nullopt, "the records take more than " +
                                  std::to_string(CriticalLimits::MaxFileBytes) + " bytes"};
    }
    return {std::move(bytes), {}};
}

DecodedRecords DecodeRecords(std::string_view bytes) {
    if (bytes.empty()) {
        return Refuse("the file is empty");
    }
    if (bytes.size() > CriticalLimits::MaxFileBytes) {
        return Refuse("the file is larger than " + std::to_string(CriticalLimits::MaxFileBytes) +
                      " bytes");
    }
    LineReader lines(bytes);
    const std::optional<std::string_view> format = FieldValue(lines.Next(), Magic);
    if (!format) {
        return Refuse("it is not a record file of this game");
    }
    if (ParseDigits<int>(*format) != CriticalFormatVersion) {
        return Refuse("it was written in another format (" + std::string(format->substr(0, 20)) +
                      ")");
    }
    const std::optional<Heading> heading = ReadHeading(lines);
    if (!heading) {
        return Refuse("its heading is damaged");
    }
    if (heading->Count > CriticalLimits::MaxRecords) {
        return Refuse("it claims too many records");
    }
    CriticalContent content;
    content.Sequence = heading->Sequence;
    content.SavedAt = heading->SavedAt;
    const std::size_t recordCount = heading->Count;
    content.Records.reserve(recordCount);
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < recordCount; ++i) {
        const std::optional<std::string_view> line = lines.Next();
        if (!line) {
            return Refuse("it is cut short");
        }
        const std::size_t equals = line->find('=');
        if (equals == std::string_view::npos) {
            return Refuse("record " + std::to_string(i + 1) + " is damaged");
        }
        const std::string_view name = line->substr(0, equals);
        const std::string_view value = line->substr(equals + 1);
        if (!IsValidName(name) || !IsValidValue(value) || !names.insert(name).second) {
            return Refuse("record " + std::to_string(i + 1) + " is damaged");
        }
        content.Records.emplace_back(std::string(name), std::string(value));
    }
    const std::size_t checked = lines.Consumed();
    const auto crc = FieldValue(lines.Next(), "crc32");
    if (!crc) {
        return Refuse("it is cut short or its checksum line is damaged");
    }
    if (*crc != Hex8(Crc32(bytes.substr(0, checked)))) {
        return Refuse("its checksum does not match its contents");
    }
    if (!lines.AtEnd()) {
        return Refuse("it holds more than its records");
    }
    return {std::move(content), {}};
}

}  // namespace orvane
