#include "pages/overview/WeekPictureView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/overview/OverviewIds.h"
#include "pages/overview/TaggedControl.h"
#include "pages/overview/WeekView.h"

namespace pages {

using namespace overview_ids;

WeekPictureView::WeekPictureView(QWidget* parent) : OverviewView(parent) {
    auto* layout = new QVBoxLayout(this);
    m_program = Tagged(new QComboBox, kWeekProgram);
    m_program->addItems(ProgramFileItems());
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("Overview", "程序：")));
    row->addWidget(m_program);
    row->addStretch();
    layout->addLayout(row);
    m_week = Tagged(new WeekView, kWeekView);
    layout->addWidget(m_week, 1);
    connect(m_program, &QComboBox::currentIndexChanged, this, &WeekPictureView::Fill);
}

void WeekPictureView::Fill() {
    if (!Shown()) return;
    const core::CardFileId file =
        ProgramFiles()[static_cast<std::size_t>(std::max(0, m_program->currentIndex()))];
    m_week->Show(ProgramTimers(Shown()->card, file), ProgramColumns(file.kind));
}

}  // namespace pages
