#pragma once

// Control ids of the special date page. The page and its tests look the controls up by these.
namespace pages::date_ids {

inline constexpr int kSavePathLabel = 1059;
inline constexpr int kSavePath = 1045;
inline constexpr int kOpenFolder = 1048;

inline constexpr int kSettingsFrame = 1077;
inline constexpr int kProgramLabel = 1060;
inline constexpr int kProgram = 1000;
inline constexpr int kMonthLabel = 1078;
inline constexpr int kMonth = 1007;
inline constexpr int kDayLabel = 1079;
inline constexpr int kDay = 1008;
inline constexpr int kAddDate = 1034;
inline constexpr int kDateListFrame = 1080;
inline constexpr int kDateList = 1019;

inline constexpr int kSave = 1028;
inline constexpr int kDeleteDate = 1029;
inline constexpr int kExit = 1030;

}  // namespace pages::date_ids
