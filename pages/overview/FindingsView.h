#pragma once

#include "pages/overview/OverviewView.h"

class QListWidget;

namespace pages {

// What the check found on the card, one line each with its severity's icon; double-clicking a
// finding asks for its file on its page, at its timer when it names one.
class FindingsView : public OverviewView {
    Q_OBJECT

public:
    explicit FindingsView(QWidget* parent = nullptr);

private:
    void Fill() override;
    void OpenFinding(int row);

    QListWidget* m_findings = nullptr;
};

}  // namespace pages
