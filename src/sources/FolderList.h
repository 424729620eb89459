#pragma once

#include <cstdint>

#include "window/Form.h"

namespace rw {

// Shows or hides the list of movie files in the current folder.
void mnuFileList_Click(Form& form);
// Opens the selected entry.
void files_DblClick(Form& form);
void files_KeyDown(Form& form, std::int16_t& keyCode, std::int16_t shift);

}  // namespace rw
