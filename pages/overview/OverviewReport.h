#pragma once

#include <QString>

#include "pages/overview/CardOverview.h"

namespace pages {

// Writes a PDF report of the whole card to `path`: each program's timers as a table with its
// week picture, the date lists as a year calendar and the findings. Touches no widget, so it
// runs on a worker thread. False when the file cannot be written.
bool WriteReport(const QString& path, const CardOverview& overview);

}  // namespace pages
