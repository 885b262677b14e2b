#pragma once

#include <QWidget>
#include <functional>

#include "core/editing/ScheduleEditor.h"
#include "core/fs/FileSystem.h"
#include "pages/schedule/ScheduleControls.h"
#include "pages/schedule/ScheduleVariant.h"
#include "ui/Dialogs.h"

namespace pages {

// A schedule page: a view over a schedule editor. Each command reads the controls, lets the
// editor run it, says what the editor says and shows what changed. The general and the
// special page are this class with different variants.
class SchedulePage : public QWidget {
    Q_OBJECT

public:
    SchedulePage(const ScheduleVariant& variant, ui::Dialogs& dialogs, core::FileSystem& fs,
                 QWidget* parent = nullptr);

    const ScheduleVariant& variant() const { return m_variant; }
    // The editing state, for whoever needs to look at it (the tests do).
    const core::ScheduleEditor& editor() const { return m_editor; }
    // Opens timer `index` (from 0) of `program` in `folder`, ready to edit.
    void OpenTimer(const std::string& folder, int program, int index);

private:
    using Command = core::ScheduleAnswer (core::ScheduleEditor::*)(const core::ScheduleInput&);

    void ConnectCommands();
    // The commands that ask a person first, or leave the editor out.
    void ChooseFolder();
    void AddMusic();
    void Exit();
    void Run(Command command);
    // Runs a command with nothing it throws reaching the event loop (see RunGuarded).
    void Guarded(const std::function<void()>& command);

    core::ScheduleInput ReadInput() const;
    void Answer(const core::ScheduleAnswer& answer);
    void Show(const core::ScheduleParts& parts);

    const ScheduleVariant& m_variant;
    ui::Dialogs& m_dialogs;
    core::ScheduleEditor m_editor;
    ScheduleControls m_controls;
};

}  // namespace pages
