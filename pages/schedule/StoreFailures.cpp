// How the page tells the user that the store did not do what was asked.
#include "pages/Messages.h"
#include "pages/schedule/SchedulePage.h"

namespace pages {

void SchedulePage::ReportStoreFailure(const core::Failure& failure) {
    switch (failure.status) {
    case core::Status::Done:
        return;
    case core::Status::ProgramFull:
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::ProgramFull));
        return;
    case core::Status::TooManyMusicFiles:
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::TooManyMusicFiles));
        return;
    case core::Status::MusicNameTooLong:
        m_dialogs.ShowMessage(this, MessageText(core::EditorMessage::MusicNameTooLong));
        return;
    case core::Status::OpenFailed:
    case core::Status::IoFailed:
        break;
    }
    m_dialogs.ShowFileError(this, failure.error.value_or(core::FileError(core::FileErrorCause::Generic, "")));
}

}  // namespace pages
