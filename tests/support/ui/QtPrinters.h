#pragma once

// Lets GoogleTest print Qt strings readably in failure messages (and QStringList element by element).
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
