#include "ui/DialogBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/DialogFont.h"
#include "ui/DialogUnits.h"

namespace ui {

namespace {

bool Has(const ControlRow& row, ControlStyle style) { return (row.style & style) != 0; }

QLabel* MakeLabel(const ControlRow& row, QWidget* page) {
    auto* label = new QLabel(row.caption, page);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((Has(row, Centered) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QLineEdit* MakeEdit(const ControlRow& row, QWidget* page) {
    auto* edit = new QLineEdit(row.caption, page);
    edit->setReadOnly(Has(row, ReadOnly));
    edit->setFrame(Has(row, Border));
    edit->setAlignment((Has(row, Centered) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    return edit;
}

QPushButton* MakePushButton(const ControlRow& row, QWidget* page) {
    auto* button = new QPushButton(row.caption, page);
    // Only a click or Space presses a button; inside a dialog Qt would otherwise make it the
    // target of Enter.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void RequireUnsorted(const ControlRow& row) {
    if (!Has(row, Unsorted)) {
        throw std::invalid_argument("control " + std::to_string(row.id) + ": sorted lists are not offered");
    }
}

// The opened list of a combo reaches the bottom of its template box, as far as whole entries go.
void FitOpenedList(QComboBox* combo, int listHeight) {
    const int entryHeight =
        combo->count() > 0 ? combo->view()->sizeHintForRow(0) : combo->fontMetrics().height();
    const int listOnly = listHeight - combo->height();
    combo->setMaxVisibleItems(std::max(1, listOnly / std::max(1, entryHeight)));
}

QComboBox* MakeCombo(const ControlRow& row, QWidget* page) {
    RequireUnsorted(row);
    auto* combo = new QComboBox(page);
    if (row.kind == ControlKind::DropDownCombo) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    combo->addItems(row.items);
    combo->setCurrentIndex(-1);  // a template list starts without a selection
    return combo;
}

QListWidget* MakeListBox(const ControlRow& row, QWidget* page) {
    RequireUnsorted(row);
    if (!Has(row, NoIntegralHeight)) {
        throw std::invalid_argument("list box " + std::to_string(row.id) +
                                    ": heights rounded to whole lines are not offered");
    }
    auto* list = new QListWidget(page);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setFrameShape(Has(row, Border) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(Has(row, VScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->addItems(row.items);
    return list;
}

// Check boxes and radio buttons keep the narrow gap between mark and caption of the dialogs the
// templates were laid out for, so short captions such as "01" fit their boxes.
template <class Button>
QWidget* MakeCheckable(const ControlRow& row, QWidget* page) {
    auto* button = new Button(row.caption, page);
    const int gap = (3 * DialogDpi(page) + 48) / 96;
    button->setStyleSheet(QStringLiteral("%1 { spacing: %2px; }")
                              .arg(QString::fromLatin1(Button::staticMetaObject.className()))
                              .arg(gap));
    return button;
}

QWidget* MakeControl(const ControlRow& row, QWidget* page) {
    switch (row.kind) {
    case ControlKind::Label: return MakeLabel(row, page);
    case ControlKind::Edit: return MakeEdit(row, page);
    case ControlKind::PushButton: return MakePushButton(row, page);
    case ControlKind::CheckBox: return MakeCheckable<QCheckBox>(row, page);
    case ControlKind::AutoRadioButton: return MakeCheckable<QRadioButton>(row, page);
    case ControlKind::GroupBox: return new QGroupBox(row.caption, page);
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo: return MakeCombo(row, page);
    case ControlKind::ListBox: return MakeListBox(row, page);
    }
    throw std::invalid_argument("unknown control kind");
}

Qt::FocusPolicy FocusPolicyOf(const ControlRow& row) {
    if (row.kind == ControlKind::Label || row.kind == ControlKind::GroupBox) return Qt::NoFocus;
    return Has(row, TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

void Place(QWidget* control, const ControlRow& row, int dpi) {
    const QRect box = DialogBoxToPixels(row.box, dpi);
    auto* combo = qobject_cast<QComboBox*>(control);
    if (combo == nullptr) {
        control->setGeometry(box);
        return;
    }
    // A combo's field is as tall as its font needs; the box height is that of the opened list.
    control->setGeometry(box.x(), box.y(), box.width(), combo->sizeHint().height());
    FitOpenedList(combo, box.height());
}

}  // namespace

int ControlId(const QWidget* control) {
    const QVariant id = control != nullptr ? control->property(kControlIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : kNoControlId;
}

std::vector<QWidget*> BuildDialog(QWidget* page, const DialogTemplate& dialog) {
    page->setFont(DialogFont());
    const int dpi = DialogDpi(page);
    page->resize(DialogSizeToPixels(dialog.width, dialog.height, dpi));

    std::vector<QWidget*> controls;
    QWidget* previousTabStop = nullptr;
    for (const ControlRow& row : dialog.rows) {
        QWidget* control = MakeControl(row, page);
        if (row.id > 0) control->setProperty(kControlIdProperty, row.id);
        control->setFocusPolicy(FocusPolicyOf(row));
        Place(control, row, dpi);
        if (Has(row, TabStop)) {
            if (previousTabStop != nullptr) QWidget::setTabOrder(previousTabStop, control);
            previousTabStop = control;
        }
        controls.push_back(control);
    }
    // Frames go behind everything, so the controls standing on them stay visible and clickable.
    for (QWidget* control : controls) {
        if (qobject_cast<QGroupBox*>(control) != nullptr) control->lower();
    }
    return controls;
}

}  // namespace ui
