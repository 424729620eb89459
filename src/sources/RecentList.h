#pragma once

#include <cstdint>
#include <string>

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

}  // namespace rw
