#include "sources/FolderList.h"

#include <string>

#include "platform/Keys.h"
#include "platform/Step.h"
#include "playback/OpenMovie.h"
#include "sources/Paths.h"

namespace rw {

void mnuFileList_Click(Form& form) {
    IWindow& w = form.window;
    Step([&] { w.SetFilesPath(form.files.CurrentFolder()); });
    Step([&] { w.SetFilesVisible(!w.FilesVisible()); });
    Step([&] { w.FocusFiles(); });
}

void files_DblClick(Form& form) {
    IWindow& w = form.window;
    std::string path;
    const bool chosen = Step([&] {
        if (w.FilesListIndex() >= 0) path = JoinFolderAndName(w.FilesPath(), w.FilesFileName());
    });
    if (chosen && !path.empty()) OpenMovie(form, path);
}

void files_KeyDown(Form& form, std::int16_t& keyCode, std::int16_t /*shift*/) {
    if (keyCode == keys::kEnter) files_DblClick(form);
}

}  // namespace rw
