#include "ui/DialogBoxes.h"

#include <QFileDialog>
#include <QMessageBox>

#include "core/text/FileErrorText.h"
#include "ui/ToolInfo.h"

namespace ui {

namespace {

std::unique_ptr<QMessageBox> MakeOkBox(QWidget* owner, QMessageBox::Icon icon,
                                       const QString& caption, const QString& text) {
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

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& text) {
    return MakeOkBox(owner, QMessageBox::NoIcon, QStringLiteral("信息提示框"), text);
}

std::unique_ptr<QMessageBox> MakeFileErrorBox(QWidget* owner, const core::FileError& error) {
    return MakeOkBox(owner, QMessageBox::Critical, ToolName(),
                     QString::fromStdString(core::FileErrorText(error)));
}

std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* owner) {
    const QString text = QStringLiteral("%1\n版本 %2\n\n编辑时程播放器从 SD 卡读取的一般时程、特殊时程和特殊日期。")
                             .arg(ToolName(), ToolVersion());
    return MakeOkBox(owner, QMessageBox::Information, QStringLiteral("关于 Tavrel"), text);
}

std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* owner) {
    auto dialog = MakeFileDialog(owner, QStringLiteral("请选择文件夹："));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    return dialog;
}

std::unique_ptr<QFileDialog> MakeMusicFileDialog(QWidget* owner) {
    auto dialog = MakeFileDialog(owner, QStringLiteral("选择音乐文件"));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilter(QString::fromUtf8(kMusicFileFilter));
    return dialog;
}

}  // namespace ui
