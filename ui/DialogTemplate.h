#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ui {

// The kinds of control a dialog template can hold, each with the Qt widget it becomes.
enum class ControlKind {
    Label,            // QLabel, static text
    Edit,             // QLineEdit
    PushButton,       // QPushButton, never a default button
    CheckBox,         // QCheckBox
    AutoRadioButton,  // QRadioButton that checks itself; radio buttons of one page exclude each other
    GroupBox,         // QGroupBox drawn as a frame behind the controls that stand on it
    DropDownList,     // QComboBox, pick only
    DropDownCombo,    // QComboBox with an editable field
    ListBox,          // QListWidget, single selection
};

// Style bits of a control, combined with |.
enum ControlStyle : unsigned {
    NoStyle = 0,
    TabStop = 1u << 0,           // reached with Tab; other controls take the focus only when clicked
    ReadOnly = 1u << 1,          // edit: text cannot be typed
    Border = 1u << 2,            // edit, list box: framed
    VScroll = 1u << 3,           // combo, list box: vertical scroll bar when the entries need one
    AutoHScroll = 1u << 4,       // edit: text scrolls sideways (a QLineEdit always does)
    Centered = 1u << 5,          // edit, label: text centred
    Unsorted = 1u << 6,          // combo, list box: entries stay in insertion order (required)
    NoIntegralHeight = 1u << 7,  // list box: keep the box height instead of rounding to whole lines
    NoNotify = 1u << 8,          // list box: reports nothing to the page (connect no signal to it)
};
using ControlStyles = unsigned;

// Place and size in dialog units. For a combo box, h is the height of its opened list.
struct DialogBox {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// No control id: the control carries no "controlId" property.
inline constexpr int kNoControlId = -1;

// One control of a template. Rows are written like the template tables:
//   {1045, ControlKind::Edit, "", {77, 13, 196, 14}, TabStop | ReadOnly | Border | AutoHScroll}
struct ControlRow {
    ControlRow(int id, ControlKind kind, QString caption, DialogBox box, ControlStyles style = NoStyle,
               QStringList items = {})
        : id(id), kind(kind), caption(std::move(caption)), box(box), style(style), items(std::move(items)) {}

    int id;  // > 0 for a control the page looks up; 0 or kNoControlId for none
    ControlKind kind;
    QString caption;  // text of labels, buttons, boxes and edits
    DialogBox box;
    ControlStyles style;
    QStringList items;  // entries the template puts into a combo or list box
};

// A dialog or page: its size in dialog units and its controls in template order, which is also
// the Tab order of the tab-stop controls.
struct DialogTemplate {
    int width = 0;
    int height = 0;
    std::vector<ControlRow> rows;
};

// Texts of the numbers first..last with at least two digits ("00", "01", ... "59"), as the hour,
// minute and second lists hold them.
QStringList TwoDigitItems(int first, int last);

}  // namespace ui
