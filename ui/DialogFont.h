#pragma once

#include <QFont>

namespace ui {

// The size of the dialog font; dialog units are measured in it as well.
inline constexpr int kDialogFontPoints = 9;

// The font of every dialog and page: "宋体" 9 point where installed, otherwise an installed
// CJK font of 9 point whose lines fit the template boxes (WenQuanYi Micro Hei first).
QFont DialogFont();

}  // namespace ui
