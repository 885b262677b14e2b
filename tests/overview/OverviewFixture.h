#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <string>

#include "ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "support/TempFolder.h"

namespace overviewtest {

// A small card, written with the real store:
//   SCH01.DAT   1 music 08:00-09:00 Mon-Fri (a.mp3, b.mp3), 2 radio 10:00-11:00 Mon-Fri,
//               3 power 10:00-10:30 Mon-Fri (overlaps 2)
//   SCH02.DAT   1 power 06:00-06:05 every day
//   SPSCH02.DAT 1 music 09:00-12:00 (c.mp3)
//   SDATE02.DAT 05-01, 12-25      SDATE03.DAT 12-25 (in two lists)
void WriteSampleCard(const std::string& folder);

// The main window on the real file system with scripted dialogs, shown and active, and the
// sample card in a temporary folder.
class OverviewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    pages::OverviewPage& Overview();
    // Switches to the overview tab and waits until the card is read.
    void ShowOverview();
    // Opens the sample card on the general page, as a person does.
    void OpenCardOnGeneralPage();
    // The texts of the table's rows as shown (after sorting and filtering), cells joined by "|".
    QStringList TableRows();
    QStringList FindingTexts();

    template <class W>
    W& Control(int id) {
        for (W* control : Overview().findChildren<W*>()) {
            if (control->property("controlId").toInt() == id) return *control;
        }
        throw std::logic_error("no overview control " + std::to_string(id));
    }

    testsupport::TempFolder card;
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace overviewtest
