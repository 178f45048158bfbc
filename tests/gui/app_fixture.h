#pragma once
// A running main window with the dialogs, over a scripted platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/tav_main_form.h"
#include "dialogs_test_support.h"
#include "editor/text_pane.h"
#include "window/child_form.h"

namespace tav::testing {

inline std::vector<std::string> paneLines(const LineList& text) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < text.count(); ++i) lines.push_back(text.line(i));
    return lines;
}

class AppFixture : public WindowsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        WindowsTest::SetUp();
        main = windows->TavMainForm.get();
        main->show();
    }

    void TearDown() override {
        // Nothing may ask questions while the test's windows go away.
        for (TChildForm* document : main->documents()) document->document().setModified(false);
        WindowsTest::TearDown();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Scripts the next New Class dialog and runs the New command.
    TChildForm* newClass(const QString& name, bool normal = true, QString directory = {}) {
        if (directory.isNull()) directory = dir.path();
        platform.modalScripts.push_back([=](QDialog*) {
            TNewClassDlg* dialog = dialogs().NewClassDlg;
            dialog->Name->setText(name);
            (normal ? dialog->Normal : dialog->VirtualBase)->setChecked(true);
            dialog->setDirectory(directory);
            return ModalOk;
        });
        main->New1Click();
        return main->activeDocument();
    }

    // Deletes windows whose close was granted.
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString messageText(std::size_t i) const {
        return i < platform.messages.size() ? platform.messages[i].text : QString();
    }

    QTemporaryDir dir;
    TTavMainForm* main = nullptr;
};

}  // namespace tav::testing
