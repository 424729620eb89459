#include "sources/UrlAndDrops.h"

#include "platform/Step.h"
#include "platform/Tr.h"
#include "playback/OpenMovie.h"
#include "sources/Paths.h"

namespace rw {

std::string AbsoluteTypedReference(Form& form, const std::string& typed) {
    std::string folder;
    if (!Step([&] { folder = form.files.CurrentFolder(); })) return typed;
    const std::string bare = StripQuotes(typed);
    const std::string absolute = AbsoluteMoviePath(form.files, bare, folder);
    return absolute == bare ? typed : absolute;
}

void mnuFileOpenURL_Click(Form& form) {
    std::string loaded;
    Step([&] { loaded = form.player.Reference(); });
    std::string typed;
    Step([&] {
        typed = form.dialogs.InputBox(RW_TR("Dialogs", "Enter URL for QuickTime Movie"), "Reelwick",
                                      loaded);
    });
    if (typed.empty()) return;
    OpenMovie(form, AbsoluteTypedReference(form, typed));
}

void Form_OLEDragDrop(Form& form, const std::vector<std::string>& files) {
    if (files.empty()) return;
    OpenMovie(form, files.front());
}

void files_OLEDragDrop(Form& form, const std::vector<std::string>& files) {
    Form_OLEDragDrop(form, files);
}

void Image1_OLEDragDrop(Form& form, const std::vector<std::string>& files) {
    Form_OLEDragDrop(form, files);
}

}  // namespace rw
