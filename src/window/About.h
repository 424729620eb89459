#pragma once

#include <string>

#include "platform/Tr.h"
#include "window/Form.h"

namespace rw {

struct Version {
    int major, minor, revision;
};

// The program's own version numbers.
Version ProgramVersion();

inline constexpr const char* kAboutCopyright =
    RW_TR_NOOP("Dialogs", "Copyright (C) 2026 Ostrun. Free software under the MIT licence.");
inline constexpr const char* kAboutSite = "https://www.ostrun.net/";
inline constexpr const char* kAboutPage = "https://reelwick.ostrun.org/";

// The About message's four lines, joined by CR LF.
std::string AboutMessage(const Version& version);

void mnuHelpAbout_Click(Form& form);

}  // namespace rw
