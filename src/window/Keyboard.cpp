#include "window/Keyboard.h"

#include <string>

#include "platform/Step.h"
#include "playback/Transport.h"
#include "sources/FolderList.h"
#include "sources/OpenDialog.h"
#include "window/FullScreen.h"

namespace rw {

void Form_KeyUp(Form& form, std::int16_t& keyCode, std::int16_t shift) {
    switch (keyCode) {
        case keys::kW:
            keyCode = 0;
            break;
        case keys::kH:
            if (shift == keys::kCtrl) {
                mnuFileList_Click(form);
                keyCode = 0;
            }
            break;
        case keys::kC:
            if (shift == keys::kCtrl) {
                mnuMovieControls_Click(form);
                keyCode = 0;
            }
            break;
        case keys::kEscape:
            Step([&] { form.window.SetFilesVisible(false); });
            mnuMoviePause_Click(form);
            LeaveFullScreen(form);
            break;
        case keys::kF11:
            ToggleFullScreen(form);
            keyCode = 0;
            break;
        case keys::kEnter: {
            std::string loaded;
            if (Step([&] { loaded = form.player.Reference(); }) && loaded.empty()) {
                mnuFileOpen_Click(form);
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace rw
