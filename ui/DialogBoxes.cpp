#include "ui/DialogBoxes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "core/text/FileErrorText.h"

namespace ui {

namespace {

std::unique_ptr<QMessageBox> MakeOkBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                       const QString& text) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);  // paths and messages are shown as they are
    return box;
}

// Qt's own file dialog on every platform: it offers no read-only box and, given no
// QDir::CaseSensitive filter, matches the name patterns in any letter case.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, const QString& title) {
    auto dialog = std::make_unique<QFileDialog>(owner, title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    return dialog;
}

}  // namespace

QString FileErrorMessage(const core::FileError& error) {
    const QString text = QCoreApplication::translate("FileError", core::FileErrorTemplate(error.cause()));
    if (!core::FileErrorTextNamesFile(error.cause())) return text;
    const QString name = error.path().empty()
                             ? QCoreApplication::translate("FileError", core::UnnamedFileText())
                             : QString::fromStdString(error.path());
    return text.arg(name);
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption, const QString& text) {
    return MakeOkBox(owner, QMessageBox::NoIcon, caption, text);
}

std::unique_ptr<QMessageBox> MakeFileErrorBox(QWidget* owner, const QString& caption,
                                              const core::FileError& error) {
    auto box = MakeOkBox(owner, QMessageBox::Critical, caption, FileErrorMessage(error));
    // A sentence about the card rather than the file: the file goes beneath it.
    if (!core::FileErrorTextNamesFile(error.cause()))
        box->setInformativeText(QString::fromStdString(error.path()));
    return box;
}

std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* owner, const QString& caption, const QString& text) {
    return MakeOkBox(owner, QMessageBox::Information, caption, text);
}

std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* owner, const QString& title) {
    auto dialog = MakeFileDialog(owner, title);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    return dialog;
}

std::unique_ptr<QFileDialog> MakeFilesDialog(QWidget* owner, const QString& title, const QString& filter) {
    auto dialog = MakeFileDialog(owner, title);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilter(filter);
    return dialog;
}

}  // namespace ui
