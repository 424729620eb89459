#pragma once

#include <QSettings>
#include <QString>

#include "platform/SettingsStore.h"

namespace rw {

// The settings store on QSettings in INI format. The user's file is
// "$XDG_CONFIG_HOME/Ostrun's Reelwick/Ostrun's Reelwick.ini" (~/.config when
// XDG_CONFIG_HOME is unset); sections are INI groups.
class QtSettingsStore final : public ISettingsStore {
  public:
    // The user's own store.
    QtSettingsStore();
    // A store in an explicit file, for tests and tools.
    explicit QtSettingsStore(const std::string& filePath);
    // Writes pending changes; failures are not reported here.
    ~QtSettingsStore() override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    // Where the user's store lives, following XDG_CONFIG_HOME.
    static QString DefaultFilePath();

    std::optional<std::string> Read(const std::string& section, const std::string& key) override;
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override;
    // QSettings re-reads the file when another process changed it, and
    // writes back only the keys set here. A failure to write is left for
    // Sync to report.
    void Reload() override;
    // Writes pending changes to the file (atomically: a failed write leaves
    // the old file whole); throws PlatformError naming the file and the
    // reason when it cannot be written or a write was refused.
    void Sync();

  private:
    QSettings settings_;
    bool writeRefused_ = false;
};

}  // namespace rw
