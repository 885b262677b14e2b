// The music list of the timer in the editor: adding chosen files, removing and moving entries.
// Nothing here touches the program files.
#include <QListWidget>

#include "pages/schedule/MusicListSelection.h"
#include "pages/schedule/SchedulePage.h"

namespace pages {

namespace {

constexpr int kMaxAddedNameLength = 255;

// The file's name without its folder: after the last "\", "/" or ":", at most 255 units, never
// ending in half a surrogate pair.
QString MusicFileName(const QString& path) {
    qsizetype cut = -1;
    for (QChar separator : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':')}) {
        cut = std::max(cut, path.lastIndexOf(separator));
    }
    QString name = path.mid(cut + 1).left(kMaxAddedNameLength);
    if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
    return name;
}

}  // namespace

void SchedulePage::OnAddMusic() {
    PullBoundFields();
    QListWidget* list = m_controls.musicList;
    for (const QString& file : m_dialogs.ChooseMusicFiles(this)) {
        // A file that is gone or held by another program is left out without a word.
        if (!core::CanOpenForReading(m_fs, file.toStdString())) continue;
        list->addItem(MusicFileName(file));
    }
    // Also after a cancelled chooser: the last entry ends up selected.
    SelectRow(list, list->count() - 1);
    PushBoundFields();
}

void SchedulePage::OnDeleteMusic() {
    QListWidget* list = m_controls.musicList;
    const int row = SelectedRow(list);
    if (row < 0) return;
    delete list->takeItem(row);
    SelectRow(list, std::min(row, list->count() - 1));
}

void SchedulePage::OnMusicUp() {
    QListWidget* list = m_controls.musicList;
    const int row = SelectedRow(list);
    if (list->count() < 2 || row <= 0) return;
    list->insertItem(row - 1, list->takeItem(row));
    SelectRow(list, row - 1);
}

void SchedulePage::OnMusicDown() {
    QListWidget* list = m_controls.musicList;
    const int row = SelectedRow(list);
    if (list->count() < 2 || row < 0 || row >= list->count() - 1) return;
    list->insertItem(row, list->takeItem(row + 1));
    SelectRow(list, row + 1);
}

}  // namespace pages
