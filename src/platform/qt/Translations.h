#pragma once

// The program in the user's language: its own translation (built into the
// program) and Qt's (its dialogs' buttons and file dialogs), for the first
// of the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the
// program has.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace rw {

// From now on the logic's texts (RW_TR) are looked up in the translators
// installed on the application.
void TranslateLogicWithQt();

// Loads and installs both translations for `locale`'s languages, and
// translates the logic with them; returns the language of the program's own
// translation, or an empty text where the program speaks English. Called
// once, after the application and before any window.
QString InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

// Removes what InstallTranslations installed: English again.
void RemoveTranslations(QCoreApplication& app);

}  // namespace rw
