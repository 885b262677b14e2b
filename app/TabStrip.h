#pragma once

#include <QRect>
#include <QWidget>

class QTabBar;

// The main window's tab strip: a row of tabs above a frame. The pages are children of the
// strip itself, all on one rectangle below the tabs; the strip only says which tab is current.
// It takes no keyboard focus, so Tab and Enter never stop on it.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    QTabBar& Bar() const { return *m_bar; }

    // Where the pages lie, in the strip's own coordinates: 1 pixel right of and 20 pixels below
    // its origin, reaching its right and bottom edges.
    QRect PageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_bar;
};
