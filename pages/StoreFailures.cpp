// How the page tells the user that the store did not do what was asked.
#include "pages/Messages.h"
#include "pages/SchedulePage.h"

namespace pages {

void SchedulePage::ReportStoreFailure(const storage::StoreResult& result) {
    switch (result.status) {
    case storage::StoreStatus::Done:
        return;
    case storage::StoreStatus::ProgramFull:
        m_dialogs.ShowMessage(this, messages::kProgramFull);
        return;
    case storage::StoreStatus::TooManyMusicFiles:
        m_dialogs.ShowMessage(this, messages::kTooManyMusicFiles);
        return;
    case storage::StoreStatus::MusicNameTooLong:
        m_dialogs.ShowMessage(this, messages::kMusicNameTooLong);
        return;
    case storage::StoreStatus::OpenFailed:
    case storage::StoreStatus::IoFailed:
        break;
    }
    m_dialogs.ShowFileError(this, result.error.value_or(platform::FileError(platform::FileErrorCause::Generic, "")));
}

}  // namespace pages
