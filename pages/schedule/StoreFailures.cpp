// How the page tells the user that the store did not do what was asked.
#include "pages/schedule/Messages.h"
#include "pages/schedule/SchedulePage.h"

namespace pages {

void SchedulePage::ReportStoreFailure(const core::StoreResult& result) {
    switch (result.status) {
    case core::StoreStatus::Done:
        return;
    case core::StoreStatus::ProgramFull:
        m_dialogs.ShowMessage(this, messages::kProgramFull);
        return;
    case core::StoreStatus::TooManyMusicFiles:
        m_dialogs.ShowMessage(this, messages::kTooManyMusicFiles);
        return;
    case core::StoreStatus::MusicNameTooLong:
        m_dialogs.ShowMessage(this, messages::kMusicNameTooLong);
        return;
    case core::StoreStatus::OpenFailed:
    case core::StoreStatus::IoFailed:
        break;
    }
    m_dialogs.ShowFileError(this, result.error.value_or(core::FileError(core::FileErrorCause::Generic, "")));
}

}  // namespace pages
