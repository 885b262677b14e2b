#pragma once

#include "pages/overview/OverviewView.h"

class QComboBox;

namespace pages {

class WeekView;

// The week picture of one program file, chosen from a list.
class WeekPictureView : public OverviewView {
    Q_OBJECT

public:
    explicit WeekPictureView(QWidget* parent = nullptr);

private:
    void Fill() override;

    QComboBox* m_program = nullptr;
    WeekView* m_week = nullptr;
};

}  // namespace pages
