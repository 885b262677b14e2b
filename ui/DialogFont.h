#pragma once

#include <QFont>

namespace ui {

// The font of every dialog and page: "宋体" 9 point where installed, otherwise an installed
// CJK font of 9 point whose lines fit the template boxes (WenQuanYi Micro Hei first).
QFont DialogFont();

}  // namespace ui
