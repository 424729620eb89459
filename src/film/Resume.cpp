#include "film/Resume.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Step.h"
#include "sources/Paths.h"

namespace rw {
namespace {

std::string Key(std::string reference) { return UrlToPath(reference); }

}  // namespace

std::optional<double> ResumePoint(double position, double duration) {
    if (!std::isfinite(position) || !std::isfinite(duration)) return std::nullopt;
    if (duration < kResumeMinimumLength || position < kResumeMinimumPosition) return std::nullopt;
    const double credits = std::max(duration * kResumeEndShare, kResumeEndSeconds);
    if (position >= duration - credits) return std::nullopt;
    return position;
}

std::optional<std::pair<double, std::string>> ParseResumeEntry(const std::string& text) {
    const std::size_t bar = text.find('|');
    if (bar == std::string::npos || bar == 0 || bar + 1 == text.size()) return std::nullopt;
    double seconds = 0;
    const char* first = text.data();
    const char* last = text.data() + bar;
    const auto [end, error] = std::from_chars(first, last, seconds);
    // A place of less than kResumeMinimumPosition is never kept.
    if (error != std::errc() || end != last || !std::isfinite(seconds) ||
        seconds < kResumeMinimumPosition) {
        return std::nullopt;
    }
    return std::pair(seconds, text.substr(bar + 1));
}

std::string FormatResumeEntry(double seconds, const std::string& reference) {
    // Room for any double in fixed notation (up to 309 digits): a damaged
    // entry read back may hold one.
    char number[400];
    std::snprintf(number, sizeof number, "%.1f", seconds);
    return std::string(number) + "|" + reference;
}

void ResumeList::Remember(const std::string& reference, double seconds) {
    if (reference.empty() || !std::isfinite(seconds) || seconds <= 0) return;
    Apply(reference, seconds);
    changes_.emplace_back(reference, seconds);
}

void ResumeList::Forget(const std::string& reference) {
    Apply(reference, std::nullopt);
    changes_.emplace_back(reference, std::nullopt);
}

void ResumeList::Apply(const std::string& reference, std::optional<double> seconds) {
    const std::string key = Key(reference);
    std::erase_if(entries_, [&](const auto& entry) { return SameReference(entry.first, key); });
    if (!seconds) return;
    entries_.insert(entries_.begin(), {key, *seconds});
    if (entries_.size() > kResumeCapacity) entries_.resize(kResumeCapacity);
}

std::optional<double> ResumeList::Find(const std::string& reference) const {
    const std::string key = Key(reference);
    for (const auto& [stored, seconds] : entries_) {
        if (SameReference(stored, key)) return seconds;
    }
    return std::nullopt;
}

bool ResumeList::Read(ISettingsStore& store) {
    entries_.clear();
    changes_.clear();
    for (std::size_t i = 0; i < kResumeCapacity; ++i) {
        std::optional<std::string> text;
        if (!Step([&] { text = store.Read(kResumeSection, std::to_string(i)); })) return false;
        if (!text) continue;
        storedKeys_ = i + 1;
        const auto entry = ParseResumeEntry(*text);
        // Oldest last; a reference listed twice keeps its newer place.
        if (entry && !Find(entry->second)) entries_.emplace_back(Key(entry->second), entry->first);
    }
    return true;
}

void ResumeList::Write(ISettingsStore& store) {
    const std::size_t keys = std::max(storedKeys_, entries_.size());
    storedKeys_ = entries_.size();
    for (std::size_t i = 0; i < keys; ++i) {
        const std::string text =
            i < entries_.size() ? FormatResumeEntry(entries_[i].second, entries_[i].first) : "";
        if (!Step([&] { store.Write(kResumeSection, std::to_string(i), text); })) return;
    }
}

void ResumeList::Save(ISettingsStore& store) {
    // A store that cannot be read afresh is written from this list alone,
    // which already holds every change.
    ResumeList now;
    if (Step([&] { store.Reload(); }) && now.Read(store)) {
        for (const auto& [reference, seconds] : changes_) now.Apply(reference, seconds);
        entries_ = std::move(now.entries_);
        storedKeys_ = std::max(storedKeys_, now.storedKeys_);
    }
    changes_.clear();
    Write(store);
    // Into the file now: kept back, these keys would later overwrite what
    // another window stores meanwhile.
    Step([&] { store.Reload(); });
}

}  // namespace rw
