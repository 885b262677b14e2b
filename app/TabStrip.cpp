#include "app/TabStrip.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

// The height of the row of tabs: the pages start right below it.
constexpr int kTabRowHeight = 20;
constexpr int kPageLeft = 1;

}  // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this)) {
    setFocusPolicy(Qt::NoFocus);
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->setExpanding(false);
    m_bar->setDrawBase(false);  // the frame below is drawn by the strip
    m_bar->setUsesScrollButtons(false);
}

QRect TabStrip::PageRect() const {
    return QRect(QPoint(kPageLeft, kTabRowHeight), QPoint(width() - 1, height() - 1));
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_bar->setGeometry(0, 0, width(), kTabRowHeight);
}

void TabStrip::paintEvent(QPaintEvent*) {
    // The frame of the page area, its top edge just under the tabs; the pages cover the rest.
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = m_bar->shape();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarSize = m_bar->sizeHint();
    frame.tabBarRect = m_bar->geometry();
    frame.rect = rect().adjusted(0, kTabRowHeight - 1, 0, 0);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
