#pragma once

#include <gtest/gtest.h>
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ui/QtPrinters.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "pages/dates/DateControlIds.h"
#include "pages/dates/SpecialDatePage.h"
#include "support/CorruptingFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"
#include "ui/DialogBuilder.h"

using Bytes = std::vector<std::uint8_t>;

// A shown date page over a temporary folder, driven through its real widgets. The file system
// is the real one behind a FaultyFileSystem, which counts the page's calls and fails on demand.
// Every test ends by checking that the list shows exactly the page's table with one entry
// selected whenever it has any.
class DatePageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class W>
    W& Control(int id) const;
    QComboBox& Combo(int id) const { return Control<QComboBox>(id); }
    QListWidget& List() const { return Control<QListWidget>(pages::date_ids::kDateList); }

    void Click(int buttonId);
    // Picks entry `index` in the combo's opened list, as a person does (emits activated).
    void Choose(int comboId, int index);
    // Replaces the text of an editable combo's field by typing `text`.
    void Type(int comboId, const QString& text);
    // Picks month and day from their lists and presses "添加".
    void AddDate(int month, int day);
    // Clicks list entry `row`, with the given keys held.
    void ClickEntry(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Answers the folder browser with the temporary folder and presses "打开...".
    void OpenFolder() { OpenFolder(folder.path()); }
    void OpenFolder(const std::string& path);

    QStringList Entries() const;
    int SelectedRow() const;
    QString ProgramShown() const { return Combo(pages::date_ids::kProgram).currentText(); }
    QString SavePathShown() const;

    void PutFile(const std::string& name, const Bytes& bytes) const;
    std::optional<Bytes> FileBytes(const std::string& name) const;

    testsupport::TempFolder folder;
    testsupport::CorruptingFileSystem card{core::SystemFileSystem(), ""};  // alters no write until armed
    testsupport::FaultyFileSystem fs{card};
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<pages::SpecialDatePage> page;
};

template <class W>
W& DatePageTest::Control(int id) const {
    return ui::RequireControl<W>(page.get(), id);
}

// 01月01日, 10月01日 and 12月25日 as a file holds them.
inline const Bytes kWorkedExample = {0x01, 0x01, 0x0A, 0x01, 0x0C, 0x19};
