#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/Form.h"

namespace rw {

// The Open File dialog's filter: display text and patterns, pairs joined by
// "|".
extern const char* const kOpenFilter;
// The folder list's patterns: the first 41 of the filter's first pair.
extern const char* const kFolderListPattern;

struct NameFilter {
    std::string display;
    std::vector<std::string> patterns;
};

// The "|"-separated pairs as name filters; a lone display text without
// patterns gets none. Patterns are split at ";".
std::vector<NameFilter> ParseFilter(const std::string& filter);

// Runs the Open File dialog; returns the chosen path or empty text.
std::string ShowOpenDialog(Form& form, const std::string& filter, const std::string& title,
                           const std::optional<std::string>& initialFolder);

void mnuFileOpen_Click(Form& form);

}  // namespace rw
