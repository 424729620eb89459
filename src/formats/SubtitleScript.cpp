#include "formats/SubtitleScript.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <system_error>
#include <vector>

namespace rw {
namespace {

// libass's height of a script that names no size of its own.
constexpr int kDefaultPlayResY = 288;

bool StartsWithNoCase(std::string_view text, std::string_view head) {
    if (text.size() < head.size()) return false;
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(head[i]))) {
            return false;
        }
    }
    return true;
}

std::string_view TrimFront(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number as libass reads one at `at`: spaces, a sign, digits, a fraction
// and an exponent. Its extent (spaces excluded) and value; a value too large
// for a double is infinite.
struct Number {
    std::size_t begin = 0;
    std::size_t end = 0;
    double value = 0;
};

std::optional<Number> NumberAt(std::string_view text, std::size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    Number number{at, at, 0};
    std::size_t i = at;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digits = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
    }
    if (i == digits || (i == digits + 1 && text[digits] == '.')) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e])) ++e;
            i = e;
        }
    }
    const auto [ptr, error] = std::from_chars(text.data() + digits, text.data() + i, number.value);
    // What follows the number and could be read as more of it is part of
    // its extent: a value written in its place must not run on into it.
    while (i < text.size() && text[i] != '\0' && std::strchr("0123456789.eE+-", text[i])) ++i;
    number.end = i;
    if (error == std::errc::result_out_of_range) {
        // Too small to matter, or too large to be anything but huge.
        const auto exponent = text.substr(digits, i - digits).find_first_of("eE");
        const bool tiny =
            exponent != std::string_view::npos &&
            text.substr(digits, i - digits).find('-', exponent) != std::string_view::npos;
        number.value = tiny ? 0 : HUGE_VAL;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    (void)ptr;
    if (negative) number.value = -number.value;
    return number;
}

class Bounder {
  public:
    explicit Bounder(std::string_view text) : text_(text) {}

    BoundedSubtitle Run() {
        FindPlayRes();
        out_.reserve(text_.size());
        std::size_t start = 0;
        while (start < text_.size()) {
            std::size_t end = text_.find('\n', start);
            end = end == std::string_view::npos ? text_.size() : end + 1;
            Line(text_.substr(start, end - start));
            start = end;
        }
        return {std::move(out_), changed_};
    }

  private:
    // The script's height in its own units, which every bound is relative
    // to, as libass derives it from what the script gives (raised to the
    // least this program lets through).
    void FindPlayRes() {
        int x = 0;
        int y = 0;
        for (std::size_t start = 0; start < text_.size();) {
            std::size_t end = std::min(text_.find('\n', start), text_.size());
            const std::string_view line = TrimFront(text_.substr(start, end - start));
            if (StartsWithNoCase(line, "PlayResX:")) x = PlayResOf(line);
            if (StartsWithNoCase(line, "PlayResY:")) y = PlayResOf(line);
            start = end + 1;
        }
        if (y <= 0 && x <= 0) y = kDefaultPlayResY;
        if (y <= 0) y = x == 1280 ? 1024 : static_cast<int>(static_cast<long long>(x) * 3 / 4);
        maxFont_ = std::max(y, kMinPlayRes);
        maxBorder_ = std::floor(maxFont_ / 4);  // whole, as it is written whole
    }

    static int PlayResOf(std::string_view line) {
        const auto number = NumberAt(line, line.find(':') + 1);
        if (!number || number->value <= 0) return 0;
        return number->value < kMinPlayRes ? kMinPlayRes
                                           : static_cast<int>(std::min(number->value, 1e9));
    }

    void Line(std::string_view line) {
        const std::string_view body = TrimFront(line);
        const std::size_t indent = line.size() - body.size();
        if (body.starts_with('[')) {
            styles_ = StartsWithNoCase(body, "[V4");
            ssa_ = StartsWithNoCase(body, "[V4 ");
            fields_.clear();
        } else if (StartsWithNoCase(body, "PlayResX:") || StartsWithNoCase(body, "PlayResY:")) {
            return Clamp(line, indent + body.find(':') + 1, kMinPlayRes, Floor::Raise);
        } else if (styles_ && StartsWithNoCase(body, "Format:")) {
            ReadFormat(body.substr(7));
        } else if (styles_ && StartsWithNoCase(body, "Style:")) {
            return Style(line, indent + 6);
        }
        Tags(line);
    }

    void ReadFormat(std::string_view format) {
        fields_.clear();
        while (true) {
            const std::size_t comma = format.find(',');
            std::string name(TrimFront(format.substr(0, comma)));
            while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) {
                name.pop_back();
            }
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            fields_.push_back(std::move(name));
            if (comma == std::string_view::npos) break;
            format.remove_prefix(comma + 1);
        }
    }

    // The bound of a style's field, or none for a field without one.
    std::optional<double> StyleBound(std::size_t index) const {
        static const std::array<const char*, 23> v4plus = {
            "name",          "fontname",   "fontsize", "primarycolour", "secondarycolour",
            "outlinecolour", "backcolour", "bold",     "italic",        "underline",
            "strikeout",     "scalex",     "scaley",   "spacing",       "angle",
            "borderstyle",   "outline",    "shadow"};
        static const std::array<const char*, 12> v4 = {
            "name",           "fontname",   "fontsize", "primarycolour", "secondarycolour",
            "tertiarycolour", "backcolour", "bold",     "italic",        "borderstyle",
            "outline",        "shadow"};
        std::string_view name;
        if (!fields_.empty()) {
            if (index < fields_.size()) name = fields_[index];
        } else if (ssa_) {
            if (index < v4.size()) name = v4[index];
        } else if (index < v4plus.size() && v4plus[index] != nullptr) {
            name = v4plus[index];
        }
        if (name == "fontsize") return maxFont_;
        if (name == "scalex" || name == "scaley") return kMaxScalePercent;
        if (name == "outline" || name == "shadow") return maxBorder_;
        return std::nullopt;
    }

    // Appends a Style line with each field that has a bound brought
    // within it; the last field runs to the line's end.
    void Style(std::string_view line, std::size_t at) {
        std::size_t copied = 0;
        for (std::size_t index = 0, start = at;; ++index) {
            const std::size_t comma = std::min(line.find(',', start), line.size());
            if (const auto bound = StyleBound(index)) {
                out_.append(line.substr(copied, start - copied));
                Clamp(line.substr(start, comma - start), 0, *bound, Floor::None);
                copied = comma;
            }
            if (comma == line.size()) break;
            start = comma + 1;
        }
        out_.append(line.substr(copied));
    }

    enum class Floor { None, Raise };

    // Appends `line`, with the number at `at` brought within `bound` (or,
    // for Floor::Raise, a positive one raised to it).
    void Clamp(std::string_view line, std::size_t at, double bound, Floor floor) {
        const auto number = NumberAt(line, at);
        if (!number) {
            out_.append(line);
            return;
        }
        const double v = number->value;
        const bool high = floor == Floor::None && std::abs(v) > bound;
        const bool low = floor == Floor::Raise && v > 0 && v < bound;
        if (!high && !low) {
            out_.append(line);
            return;
        }
        out_.append(line.substr(0, number->begin));
        AppendNumber(v < 0 ? -bound : bound);
        out_.append(line.substr(number->end));
        ++changed_;
    }

    void AppendNumber(double value) {
        char digits[32];
        const auto [end, error] =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 0);
        if (error == std::errc()) out_.append(digits, end);
    }

    // Override tags in braces ({\fs60000}) and SRT's <font size=...>.
    void Tags(std::string_view line) {
        std::size_t copied = 0;
        const auto replace = [&](std::size_t at, double bound, bool relative) {
            const auto number = NumberAt(line, at);
            // A number already passed (a <font> tag within another) is done.
            if (!number || number->begin < copied) return;
            const bool grows = relative && (line[number->begin] == '+');
            if (!grows && std::abs(number->value) <= bound) return;
            if (grows && number->value <= 0) return;
            out_.append(line.substr(copied, number->begin - copied));
            if (grows) {
                out_.append("+0");
            } else {
                AppendNumber(number->value < 0 ? -bound : bound);
            }
            copied = number->end;
            ++changed_;
        };
        int depth = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '{') ++depth;
            if (c == '}' && depth > 0) --depth;
            if (c == '\\' && depth > 0) {
                std::size_t end = i + 1;
                while (end < line.size() && std::isalpha(static_cast<unsigned char>(line[end]))) {
                    ++end;
                }
                const std::string_view tag = line.substr(i + 1, end - i - 1);
                if (tag == "fs") replace(end, maxFont_, true);
                if (tag == "fscx" || tag == "fscy" || tag == "fsc") {
                    replace(end, kMaxScalePercent, false);
                }
                if (tag == "bord" || tag == "xbord" || tag == "ybord" || tag == "shad" ||
                    tag == "xshad" || tag == "yshad") {
                    replace(end, maxBorder_, false);
                }
            }
            if (c == '<' && StartsWithNoCase(line.substr(i), "<font")) {
                // The tag ends before anything else that is read here, so
                // that values are brought down in the order they come.
                const std::size_t close = std::min(line.find_first_of("><{\\", i + 1), line.size());
                const std::string_view font = line.substr(i, close - i);
                std::size_t size = 0;
                while ((size = LowerFind(font, "size", size)) != std::string_view::npos) {
                    std::size_t at = i + size + 4;
                    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
                    if (at < close && line[at] == '=') {
                        ++at;
                        while (at < close &&
                               (line[at] == ' ' || line[at] == '"' || line[at] == '\'')) {
                            ++at;
                        }
                        replace(at, maxFont_, false);
                    }
                    size += 4;
                }
            }
        }
        out_.append(line.substr(copied));
    }

    static std::size_t LowerFind(std::string_view text, std::string_view word, std::size_t from) {
        for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
            if (StartsWithNoCase(text.substr(i), word)) return i;
        }
        return std::string_view::npos;
    }

    std::string_view text_;
    std::string out_;
    int changed_ = 0;
    double maxFont_ = kDefaultPlayResY;
    double maxBorder_ = kDefaultPlayResY / 4;
    bool styles_ = false;
    bool ssa_ = false;
    std::vector<std::string> fields_;
};

}  // namespace

BoundedSubtitle BoundSubtitleText(std::string_view text) {
    BoundedSubtitle bounded = Bounder(text).Run();
    if (bounded.changed == 0) bounded.text = std::string(text);
    return bounded;
}

}  // namespace rw
