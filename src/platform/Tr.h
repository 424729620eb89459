#pragma once

// Every text the program shows is written in English and marked for
// translation with one of these two markers; lupdate reads both (see
// translations/CMakeLists.txt). The logic stays free of Qt: the Qt side
// installs the function that looks a text up (SetTranslator), and until then,
// as in the unit tests, every text is its English self.
//
//   RW_TR("MovieMenu", "Subtitles")        the text in the user's language, now
//   RW_TR_NOOP("Dialogs", "Open File")     only the mark: whoever shows the
//                                          text translates it in the same context
//
// A text made of parts is one sentence with places: %1, %2, ... filled by
// Fill, so that a translator sees the whole sentence and may reorder it.
// A plain literal that reaches the screen unmarked stays English in every
// language; the pseudo-translation test names it.

#include <initializer_list>
#include <string>
#include <string_view>

#define RW_TR(context, text) ::rw::Translate(context, text)
#define RW_TR_NOOP(context, text) text

namespace rw {

// Looks up `text` of `context`; returns it in UTF-8, or `text` itself.
using Translator = std::string (*)(const char* context, const char* text);

// Installed once, before any window is built; nullptr restores English.
void SetTranslator(Translator translator);

// The text in the user's language (the installed translator's answer).
std::string Translate(const char* context, const char* text);

// The pattern with %1...%9 replaced by the arguments, in one pass: a place
// found inside an argument stays as it is; a place without an argument, and
// a % not before 1 to 9, stay as written.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace rw
