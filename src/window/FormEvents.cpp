#include "window/FormEvents.h"

#include "playback/Transport.h"
#include "sources/FolderList.h"
#include "sources/OpenDialog.h"
#include "sources/RecentList.h"
#include "sources/UrlAndDrops.h"
#include "window/About.h"
#include "window/Handlers.h"
#include "window/Keyboard.h"

namespace rw {

void FormEvents::OnResize() { Form_Resize(form_); }

void FormEvents::OnUnload() { Form_Unload(form_); }

void FormEvents::OnMenu(Menu item) {
    const int index = static_cast<int>(item);
    if (index >= static_cast<int>(Menu::Recent0) && index <= static_cast<int>(Menu::Recent7)) {
        mnuRecent_Click(form_, index - static_cast<int>(Menu::Recent0));
        return;
    }
    switch (item) {
        case Menu::FileOpen:
            mnuFileOpen_Click(form_);
            break;
        case Menu::FileOpenURL:
            mnuFileOpenURL_Click(form_);
            break;
        case Menu::FileList:
            mnuFileList_Click(form_);
            break;
        case Menu::FileExit:
            mnuFileExit_Click(form_);
            break;
        case Menu::MoviePlay:
            mnuMoviePlay_Click(form_);
            break;
        case Menu::MoviePause:
            mnuMoviePause_Click(form_);
            break;
        case Menu::MovieRewind:
            mnuMovieRewind_Click(form_);
            break;
        case Menu::MovieControls:
            mnuMovieControls_Click(form_);
            break;
        case Menu::MovieLoop:
            mnuMovieLoop_Click(form_);
            break;
        case Menu::PlayLastMovie:
            mnuPlayLastMovie_Click(form_);
            break;
        case Menu::MovieSize:
            mnuMovieSize_Click(form_);
            break;
        case Menu::MovieOnTop:
            mnuMovieOnTop_Click(form_);
            break;
        case Menu::HelpAbout:
            mnuHelpAbout_Click(form_);
            break;
        default:
            break;  // separators have no handler
    }
}

void FormEvents::OnKeyUp(std::int16_t& keyCode, std::int16_t shift) {
    Form_KeyUp(form_, keyCode, shift);
}

void FormEvents::OnDrop(DropTarget target, const std::vector<std::string>& files) {
    switch (target) {
        case DropTarget::Form:
            Form_OLEDragDrop(form_, files);
            break;
        case DropTarget::Files:
            files_OLEDragDrop(form_, files);
            break;
        case DropTarget::Image1:
            Image1_OLEDragDrop(form_, files);
            break;
    }
}

void FormEvents::OnFilesDblClick() { files_DblClick(form_); }

void FormEvents::OnFilesKeyDown(std::int16_t& keyCode, std::int16_t shift) {
    files_KeyDown(form_, keyCode, shift);
}

}  // namespace rw
