#include "window/About.h"

#include "platform/Step.h"
#include "platform/Tr.h"

namespace rw {

Version ProgramVersion() { return {kVersionMajor, kVersionMinor, kVersionRevision}; }

std::string AboutMessage(const Version& v) {
    return std::string(kAppTitle) + " " + std::to_string(v.major) + "." + std::to_string(v.minor) +
           "." + std::to_string(v.revision) + "\r\n" + Translate("Dialogs", kAboutCopyright) +
           "\r\n" + kAboutSite + "\r\n" + kAboutPage;
}

void mnuHelpAbout_Click(Form& form) {
    // The browser opens only on an explicit OK: a box that could not be shown
    // is no consent.
    bool ok = false;
    Step([&] {
        const std::string caption = form.window.Caption();
        ok = form.dialogs.MessageOkCancel(AboutMessage(ProgramVersion()), caption) ==
             MessageAnswer::Ok;
    });
    if (ok) Step([&] { form.shell.OpenUrl(kAboutPage); });
}

}  // namespace rw
