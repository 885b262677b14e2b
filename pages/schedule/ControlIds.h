#pragma once

#include <array>

// Control ids of the schedule page templates. The pages look their controls up by these.
namespace pages::ids {

inline constexpr int kSavePathLabel = 1059;
inline constexpr int kSavePath = 1045;
inline constexpr int kOpenFolder = 1048;
inline constexpr int kProgramLabel = 1060;
inline constexpr int kProgram = 1000;
inline constexpr int kTimerNumberLabel = 1061;
inline constexpr int kTimerNumber = 1001;
inline constexpr int kModeLabel = 1062;
inline constexpr int kMode = 1002;

inline constexpr int kTimeFrame = 1063;
inline constexpr int kStartLabel = 1064;
inline constexpr int kStartHour = 1041;
inline constexpr int kStartMinute = 1042;
inline constexpr int kStartSecond = 1046;
inline constexpr int kEndLabel = 1065;
inline constexpr int kEndHour = 1043;
inline constexpr int kEndMinute = 1044;
inline constexpr int kEndSecond = 1047;
// Sunday to Saturday, weekday bits 0 to 6. The special page has none of them.
inline constexpr std::array<int, 7> kWeekdays = {1007, 1008, 1009, 1010, 1011, 1012, 1013};

inline constexpr int kPowerFrame = 1066;
inline constexpr int kPower1 = 1077;
inline constexpr int kPower2 = 1078;
inline constexpr int kPower3 = 1080;
inline constexpr int kExtensionPower = 1014;
inline constexpr int kHoldPower = 1081;
inline constexpr int kZoneLabel = 1067;
// Zones 1 to 16, zone bits 0 to 15.
inline constexpr std::array<int, 16> kZones = {1015, 1016, 1017, 1018, 1049, 1050, 1051, 1052,
                                               1021, 1031, 1053, 1054, 1055, 1056, 1057, 1058};

inline constexpr int kChannelLabel = 1068;
inline constexpr int kChannel = 1020;

inline constexpr int kPlayFrame = 1069;
inline constexpr int kInternalMemory = 1039;
inline constexpr int kExternalCard = 1040;
inline constexpr int kPlayModeLabel = 1070;
inline constexpr int kPlayMode = 1037;
inline constexpr int kLoopModeLabel = 1071;
inline constexpr int kLoopMode = 1038;

inline constexpr int kMusicFrame = 1072;
inline constexpr int kMusicList = 1019;
inline constexpr int kAddMusic = 1034;
inline constexpr int kDeleteMusic = 1023;
inline constexpr int kMusicUp = 1024;
inline constexpr int kMusicDown = 1025;

inline constexpr int kCopyFrame = 1073;
inline constexpr int kCopySourceLabel = 1074;
inline constexpr int kCopySource = 1033;
inline constexpr int kCopyToLabel = 1075;
inline constexpr int kCopyTargetLabel = 1076;
inline constexpr int kCopyTarget = 1032;
inline constexpr int kCopy = 1022;

inline constexpr int kNextTimer = 1026;
inline constexpr int kPrevTimer = 1027;
inline constexpr int kNewTimer = 1035;
inline constexpr int kCancelTimer = 1036;
inline constexpr int kSave = 1028;
inline constexpr int kDeleteTimer = 1029;
inline constexpr int kExit = 1030;

}  // namespace pages::ids
