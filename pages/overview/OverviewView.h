#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "core/card/CardFiles.h"
#include "pages/overview/CardOverview.h"

namespace pages {

// One tab of the overview page. The page hands every view the card it has just read; a view
// only shows it and never writes.
class OverviewView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows `overview`, which the page keeps alive until the next call.
    void Show(const CardOverview& overview) {
        m_overview = &overview;
        Fill();
    }

signals:
    // Asks for a file of the card on its own page, at a timer (from 0) when there is one.
    void OpenRequested(const std::string& folder, core::CardFileId file, std::optional<int> timer);

protected:
    // The card shown now; nullptr before the first.
    const CardOverview* Shown() const { return m_overview; }
    // Fills the view with Shown() as its own controls choose, once more whenever they change.
    virtual void Fill() = 0;

private:
    const CardOverview* m_overview = nullptr;
};

}  // namespace pages
