#pragma once

// Control ids of the overview page, carried as the "controlId" property.
namespace pages::overview_ids {

inline constexpr int kFolderLabel = 2000;
inline constexpr int kFolder = 2001;
inline constexpr int kOpenFolder = 2002;
inline constexpr int kRefresh = 2003;
inline constexpr int kExport = 2004;
inline constexpr int kProgress = 2005;
inline constexpr int kViews = 2006;  // the inner tabs: timers, findings, week, day
inline constexpr int kProgramFilter = 2010;
inline constexpr int kTimerTable = 2011;
inline constexpr int kFindings = 2020;
inline constexpr int kWeekProgram = 2030;
inline constexpr int kWeekView = 2031;
inline constexpr int kCalendar = 2040;
inline constexpr int kDayProgram = 2041;
inline constexpr int kDayText = 2042;
inline constexpr int kDayView = 2043;
inline constexpr int kHistoryEntries = 2050;
inline constexpr int kHistoryChange = 2051;
inline constexpr int kRestore = 2052;

}  // namespace pages::overview_ids
