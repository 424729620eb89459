#include "platform/qt/QtSettingsStore.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>

#include "AppInfo.h"
#include "platform/ByteText.h"
#include "platform/Step.h"
#include "platform/qt/Text.h"

namespace rw {
namespace {

const QString kAppName = QString::fromUtf8(kAppTitle);

QString SettingsKey(const std::string& section, const std::string& key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

// QSettings says only that the file could not be written. Why is worked out
// afterwards, by trying what its atomic save does: make a new file in the
// folder and fill it. The probe never touches the settings file itself.
QString WriteFailureReason(const QString& file) {
    const QFileInfo info(file);
    if (info.isDir()) return QString::fromLocal8Bit(std::strerror(EISDIR));
    for (QFileInfo up(info.absolutePath()); !up.isRoot(); up = QFileInfo(up.absolutePath())) {
        if (up.exists() && !up.isDir()) return QString::fromLocal8Bit(std::strerror(ENOTDIR));
        if (up.exists()) break;
    }
    QTemporaryFile probe(info.absolutePath() + QStringLiteral("/.reelwick-probe-XXXXXX"));
    if (!probe.open()) return probe.errorString();
    // Larger than any settings file this program writes.
    const QByteArray filler(64 * 1024, '\n');
    if (probe.write(filler) != filler.size() || !probe.flush()) return probe.errorString();
    return QStringLiteral("the file could not be replaced");
}

}  // namespace

QString QtSettingsStore::DefaultFilePath() {
    // The same place QSettings itself picks for a user-scope INI file, but as
    // an explicit path, so no system-wide fallback file is ever read.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + kAppName + QLatin1Char('/') + kAppName + QStringLiteral(".ini");
}

QtSettingsStore::QtSettingsStore() : settings_(DefaultFilePath(), QSettings::IniFormat) {
    settings_.setFallbacksEnabled(false);
}

QtSettingsStore::QtSettingsStore(const std::string& filePath)
    : settings_(ToQString(filePath), QSettings::IniFormat) {
    settings_.setFallbacksEnabled(false);
}

QtSettingsStore::~QtSettingsStore() { settings_.sync(); }

std::optional<std::string> QtSettingsStore::Read(const std::string& section,
                                                 const std::string& key) {
    const QVariant value = settings_.value(SettingsKey(section, key));
    if (value.typeId() == QMetaType::QString) return FromStoredText(ToStdString(value.toString()));
    // A hand-written value with unquoted commas comes back split into a list,
    // with the blanks around each comma dropped; joining with a bare comma
    // restores "1,5" and "a,b" exactly (our own writes quote such values).
    if (value.typeId() == QMetaType::QStringList)
        return FromStoredText(ToStdString(value.toStringList().join(QLatin1Char(','))));
    // Absent, or a non-text value (@ByteArray, @Variant, ...) that is none of ours.
    return std::nullopt;
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
    if (!settings_.isWritable()) {
        writeRefused_ = true;
        throw PlatformError(Service::Settings, "settings file is not writable");
    }
    // A file name that is not UTF-8 would reach the file as U+FFFD and name
    // nothing at the next start; it is stored in an escaped form instead.
    settings_.setValue(SettingsKey(section, key), ToQString(ToStoredText(value)));
}

void QtSettingsStore::Reload() { settings_.sync(); }

void QtSettingsStore::Sync() {
    settings_.sync();
    if (writeRefused_ || settings_.status() == QSettings::AccessError) {
        const QString file = settings_.fileName();
        throw PlatformError(Service::Settings,
                            ToStdString(file) + ": " + ToStdString(WriteFailureReason(file)));
    }
}

}  // namespace rw
