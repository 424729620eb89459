#include "platform/qt/QtDialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "platform/Step.h"
#include "platform/qt/NativeNames.h"
#include "platform/qt/Text.h"
#include "sources/OpenDialog.h"

namespace rw {
namespace {

// Qt's dialog lists a file whose name is not UTF-8 under a decoded name that
// does not exist, and its own accept() refuses that name ("File not
// found"). This one finds the file the name stands for and accepts it.
class OpenFileDialog final : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    // The chosen file's bytes, once accepted.
    std::string Chosen() const {
        if (!found_.empty()) return found_;
        const QStringList chosen = selectedFiles();
        return chosen.isEmpty() ? std::string() : ToStdString(chosen.first());
    }

  protected:
    void accept() override {
        found_.clear();
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1 && !QFileInfo::exists(chosen.first())) {
            const auto real = ExistingPathOf(chosen.first());
            std::error_code error;
            if (real && std::filesystem::is_regular_file(*real, error)) {
                found_ = *real;
                QDialog::accept();
                return;
            }
        }
        QFileDialog::accept();
    }

  private:
    std::string found_;
};

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
    QStringList result;
    for (const NameFilter& pair : ParseFilter(filter)) {
        QStringList patterns;
        for (const std::string& pattern : pair.patterns) {
            const QString p = ToQString(pattern).trimmed();
            if (p.isEmpty()) continue;
            patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty()) continue;
        // The name in the user's language (marked beside the filters).
        result << QCoreApplication::translate("Dialogs", pair.display.c_str()) +
                      QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

int QtDialogs::Run(QDialog& dialog) {
    if (onDialogShown) {
        // The timer fires inside exec()'s own loop, once the dialog is shown.
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            const auto hook = onDialogShown;
            Step([&] { hook(&dialog); });
        });
    }
    return dialog.exec();
}

std::string QtDialogs::OpenFile(const std::string& filter, const std::string& title,
                                const std::optional<std::string>& initialFolder) {
    // Without a folder of its own the dialog starts in the current folder:
    // where the program started, or the folder of the last file chosen here.
    // Qt would start it where any file dialog of the program was last, the
    // Pictures folder after a frame was saved.
    OpenFileDialog dialog(parent_, ToQString(title),
                          initialFolder ? ToQString(*initialFolder) : QDir::currentPath());
    // Qt's own dialog: the same everywhere, and a test can drive it.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = QtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    if (Run(dialog) != QDialog::Accepted) return {};
    const std::string chosen = dialog.Chosen();
    if (chosen.empty()) return {};
    // The folder list shows the current folder: after an Open it is the
    // chosen file's folder.
    std::error_code error;
    std::filesystem::current_path(
        std::filesystem::absolute(std::filesystem::path(chosen), error).parent_path(), error);
    return chosen;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& initial) {
    QInputDialog dialog(parent_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(ToQString(title));
    dialog.setLabelText(ToQString(prompt));
    // The initial text is the loaded movie's reference, perhaps a file name
    // that is not UTF-8: it is shown readably, and handed back as it was
    // when the user leaves it unchanged.
    const QString shown = ToReadableQString(initial);
    dialog.setTextValue(shown);
    if (Run(dialog) != QDialog::Accepted) return {};
    if (dialog.textValue() == shown) return initial;
    return ToStdString(dialog.textValue());
}

MessageAnswer QtDialogs::MessageOkCancel(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Information, ToQString(title), ToQString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    // Escape and the close box answer Cancel.
    box.setEscapeButton(QMessageBox::Cancel);
    return Run(box) == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void QtDialogs::OpenUrl(const std::string& url) {
    const QUrl address(ToQString(url));
    if (!address.isValid() || !QDesktopServices::openUrl(address))
        throw PlatformError(Service::Shell, "the address could not be opened");
}

}  // namespace rw
