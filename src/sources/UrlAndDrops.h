#pragma once

#include <string>
#include <vector>

#include "window/Form.h"

namespace rw {

// A reference from the command line or the Open URL box: a path relative to
// the current folder (at start-up, the terminal's) that names an existing
// file becomes absolute; anything else is left as it came, quotes included.
std::string AbsoluteTypedReference(Form& form, const std::string& typed);

void mnuFileOpenURL_Click(Form& form);

// `files` holds the dropped local files in drop order.
void Form_OLEDragDrop(Form& form, const std::vector<std::string>& files);
void files_OLEDragDrop(Form& form, const std::vector<std::string>& files);
void Image1_OLEDragDrop(Form& form, const std::vector<std::string>& files);

}  // namespace rw
