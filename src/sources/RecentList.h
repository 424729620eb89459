#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/Form.h"

namespace rw {

// "&<index+1>:" and the file name, with "&" in the name shown as itself.
std::string RecentCaption(int index, const std::string& reference);

// Fills recent item `slot` from a stored entry when its file exists, and
// advances the slot.
void AddRecentEntry(Form& form, const std::string& reference, std::int16_t& slot);

// Puts an opened movie file at the top of the recent list, unless it is
// listed already.
void PushRecentEntry(Form& form, const std::string& reference);

void mnuRecent_Click(Form& form, int index);

// What shutdown writes to the recent keys, one entry per item: the tag of a
// visible item (`visible`, none for a hidden one), and nothing for a hidden
// item, whose key keeps what the store holds (`stored`). But no movie is
// stored twice, under its path or a file:// address: a visible item naming
// a movie listed above it, and a kept key repeating one, are emptied, which
// start-up reads as no entry. Two windows' lists, or an old duplicate in the
// file, would otherwise show one movie twice.
std::vector<std::optional<std::string>> RecentKeysToWrite(
    const std::vector<std::optional<std::string>>& visible,
    const std::vector<std::optional<std::string>>& stored);

}  // namespace rw
