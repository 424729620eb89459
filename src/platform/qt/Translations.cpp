#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/Tr.h"

namespace rw {
namespace {

// Where the build puts the program's .qm files (translations/CMakeLists.txt).
constexpr const char* kOwnFolder = ":/i18n";
// The name of the translators made here, so that they can be found again.
constexpr const char* kTranslatorName = "reelwick-translation";

std::string QtLookUp(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

void TranslateLogicWithQt() { SetTranslator(&QtLookUp); }

QString InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    TranslateLogicWithQt();
    // QTranslator::load tries the locale's languages in the user's order; an
    // English user finds no file, and the source texts are shown.
    auto* own = new QTranslator(&app);
    own->setObjectName(QString::fromLatin1(kTranslatorName));
    QString language;
    if (own->load(locale, QStringLiteral("reelwick"), QStringLiteral("_"),
                  QString::fromLatin1(kOwnFolder))) {
        QCoreApplication::installTranslator(own);
        language = own->language();
    } else {
        delete own;
    }
    // Qt's own texts in the same language as the program's, so that a dialog
    // does not mix two; where the program has none, in the user's.
    const QLocale qtLocale = language.isEmpty() ? locale : QLocale(language);
    auto* qt = new QTranslator(&app);
    qt->setObjectName(QString::fromLatin1(kTranslatorName));
    if (qt->load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return language;
}

void RemoveTranslations(QCoreApplication& app) {
    const auto translators = app.findChildren<QTranslator*>(QString::fromLatin1(kTranslatorName),
                                                            Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    SetTranslator(nullptr);
}

}  // namespace rw
