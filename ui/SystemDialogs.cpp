#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/DialogBoxes.h"
#include "ui/Dialogs.h"

namespace ui {

namespace {

QStringList NativePaths(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths) native << QDir::toNativeSeparators(path);
    return native;
}

// Runs the dialogs modally on screen.
class ScreenDialogs : public Dialogs {
public:
    void ShowMessage(QWidget* owner, const QString& text) override {
        MakeMessageBox(owner, text)->exec();
    }

    void ShowFileError(QWidget* owner, const core::FileError& error) override {
        MakeFileErrorBox(owner, error)->exec();
    }

    std::optional<QString> BrowseForFolder(QWidget* owner) override {
        const auto dialog = MakeFolderDialog(owner);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
    }

    QStringList ChooseMusicFiles(QWidget* owner) override {
        const auto dialog = MakeMusicFileDialog(owner);
        if (dialog->exec() != QDialog::Accepted) return {};
        return NativePaths(dialog->selectedFiles());
    }

    void ShowAbout(QWidget* owner) override { MakeAboutBox(owner)->exec(); }
};

}  // namespace

Dialogs& SystemDialogs() {
    static ScreenDialogs dialogs;
    return dialogs;
}

}  // namespace ui
