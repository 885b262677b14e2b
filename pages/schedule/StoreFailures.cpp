// How the page tells the user that the store did not do what was asked.
#include "pages/Messages.h"
#include "pages/schedule/SchedulePage.h"

namespace pages {

void SchedulePage::ReportStoreFailure(const core::StoreResult& result) {
    switch (result.status) {
    case core::StoreStatus::Done:
        return;
    case core::StoreStatus::ProgramFull:
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::ProgramFull));
        return;
    case core::StoreStatus::TooManyMusicFiles:
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::TooManyMusicFiles));
        return;
    case core::StoreStatus::MusicNameTooLong:
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::MusicNameTooLong));
        return;
    case core::StoreStatus::OpenFailed:
    case core::StoreStatus::IoFailed:
        break;
    }
    m_dialogs.ShowFileError(this, result.error.value_or(core::FileError(core::FileErrorCause::Generic, "")));
}

}  // namespace pages
