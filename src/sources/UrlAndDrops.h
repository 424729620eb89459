#pragma once

#include <string>
#include <vector>

#include "window/Form.h"

namespace rw {

void mnuFileOpenURL_Click(Form& form);

// `files` holds the dropped local files in drop order.
void Form_OLEDragDrop(Form& form, const std::vector<std::string>& files);
void files_OLEDragDrop(Form& form, const std::vector<std::string>& files);
void Image1_OLEDragDrop(Form& form, const std::vector<std::string>& files);

}  // namespace rw
