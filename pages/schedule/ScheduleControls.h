#pragma once

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace pages {

// The controls of a built schedule page that the page reads and writes, found by id.
struct ScheduleControls {
    QLineEdit* savePath;
    QLineEdit* timerNumber;
    QComboBox* program;
    QComboBox* mode;
    std::array<QComboBox*, 3> start;  // hour, minute, second
    std::array<QComboBox*, 3> end;
    std::vector<QCheckBox*> weekdays;  // Sunday to Saturday; empty on a page without them
    std::array<QCheckBox*, 5> power;   // in the order of the power bits 0, 1, 2, 3, 15
    std::array<QCheckBox*, 16> zones;
    QComboBox* channel;
    QRadioButton* internalMemory;
    QRadioButton* externalCard;
    QComboBox* playMode;
    QComboBox* loopMode;
    QListWidget* musicList;
    QComboBox* copySource;
    QComboBox* copyTarget;

    // The controls that a music timer uses and the other modes disable.
    std::vector<QWidget*> musicGroup;
};

// Looks the controls up on `page`; throws std::logic_error when one is missing.
ScheduleControls FindScheduleControls(const QWidget* page, bool hasWeekdays);

}  // namespace pages
