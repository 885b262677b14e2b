#include "ui/SystemDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace ui {

namespace {

QStringList NativePaths(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths) native << QDir::toNativeSeparators(path);
    return native;
}

}  // namespace

void SystemDialogs::ShowMessage(QWidget* owner, const QString& text) {
    MakeMessageBox(owner, m_texts.messageCaption, text)->exec();
}

void SystemDialogs::ShowFileError(QWidget* owner, const core::FileError& error) {
    MakeFileErrorBox(owner, m_texts.errorCaption, error)->exec();
}

std::optional<QString> SystemDialogs::BrowseForFolder(QWidget* owner) {
    const auto dialog = MakeFolderDialog(owner, m_texts.folderTitle);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
}

QStringList SystemDialogs::ChooseMusicFiles(QWidget* owner) {
    const auto dialog = MakeFilesDialog(owner, m_texts.filesTitle, m_texts.filesFilter);
    if (dialog->exec() != QDialog::Accepted) return {};
    return NativePaths(dialog->selectedFiles());
}

void SystemDialogs::ShowAbout(QWidget* owner) {
    MakeAboutBox(owner, m_texts.aboutCaption, m_texts.aboutText)->exec();
}

std::optional<QString> SystemDialogs::AskSaveFile(QWidget* owner, const QString& title,
                                                  const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(owner, title, QString(), filter);
    if (path.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(path);
}

}  // namespace ui
