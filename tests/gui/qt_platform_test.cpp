// The real platform: message boxes, modal runs and the conversion of file filters.
#include "platform/qt_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace tav {

namespace {

TEST(QtFileFilter, TurnsTheToolkitNotationIntoQtsNameFilters) {
    EXPECT_EQ(toQtFileFilter("C++ Source (*.cpp;*.h)|*.cpp;*.h"), "C++ Source (*.cpp *.h)");
    EXPECT_EQ(toQtFileFilter("C++ Source (*.cpp;*.h)|*.cpp;*.h|Any File (*.*)|*.*"),
              "C++ Source (*.cpp *.h);;Any File (*)");
}

TEST(QtFileFilter, UsesThePatternsOfTheEntryNotThoseOfItsDescription) {
    EXPECT_EQ(toQtFileFilter("Headers|*.h;*.hpp"), "Headers (*.h *.hpp)");
    EXPECT_EQ(toQtFileFilter("Text (*.doc)|*.txt"), "Text (*.txt)");
    EXPECT_EQ(toQtFileFilter("Plain (notes) file|*.txt"), "Plain (notes) file (*.txt)");
}

TEST(QtFileFilter, ToleratesAnEmptyOrUnfinishedFilter) {
    EXPECT_EQ(toQtFileFilter(""), "");
    EXPECT_EQ(toQtFileFilter("Sources|*.cpp|Odd"), "Sources (*.cpp);;Odd");
}

// Runs answer on the message box that the next call shows, from inside its event loop.
void onMessageBox(std::function<void(QMessageBox*)> answer) {
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(box);
    });
}

TEST(QtPlatformMessageBox, ShowsTextCaptionIconAndFirstButtonAsDefault) {
    QtPlatform platform;
    QWidget owner;
    onMessageBox([&owner](QMessageBox* box) {
        EXPECT_EQ(box->text(), "Save changes?");
        EXPECT_EQ(box->windowTitle(), "Tavrin");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.messageBox(&owner, "Save changes?", "Tavrin", MessageIcon::Error,
                                  MessageButtons::YesNoCancel),
              MessageAnswer::No);
}

TEST(QtPlatformMessageBox, MapsEveryIcon) {
    QtPlatform platform;
    const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Error, QMessageBox::Critical}};
    for (const auto& [icon, expected] : icons) {
        onMessageBox([expected](QMessageBox* box) {
            EXPECT_EQ(box->icon(), expected);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(platform.messageBox(nullptr, "text", "Tavrin", icon, MessageButtons::Ok),
                  MessageAnswer::Ok);
    }
}

TEST(QtPlatformMessageBox, ClosingTheBoxAnswersNoOrCancel) {
    QtPlatform platform;
    onMessageBox([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(platform.messageBox(nullptr, "Exit! Really?", "Tavrin", MessageIcon::None,
                                  MessageButtons::YesNo),
              MessageAnswer::No);
    onMessageBox([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(platform.messageBox(nullptr, "Save?", "Tavrin", MessageIcon::None,
                                  MessageButtons::YesNoCancel),
              MessageAnswer::Cancel);
    onMessageBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(platform.messageBox(nullptr, "Save?", "Tavrin", MessageIcon::None,
                                  MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
}

// A question whose Yes would destroy something: No is the default, and closing the box is No.
TEST(QtPlatformMessageBox, YesNoDefaultNoAnswersNoUnlessYesIsClicked) {
    QtPlatform platform;
    const std::function<void(QMessageBox*)> answers[] = {
        [](QMessageBox* box) {
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            box->defaultButton()->click();
        },
        [](QMessageBox* box) { box->close(); },
        [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); },
    };
    const MessageAnswer expected[] = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::Yes};
    for (int i = 0; i < 3; ++i) {
        onMessageBox(answers[i]);
        EXPECT_EQ(platform.messageBox(nullptr, "Overwrite?", "Tavrin", MessageIcon::Warning,
                                      MessageButtons::YesNoDefaultNo),
                  expected[i]);
    }
}

// "Cannot write /tmp/AAA...: File name too long" shows the whole path, wrapped, not cut off.
TEST(QtPlatformMessageBox, ALongPathWrapsInsteadOfRunningPastTheEdge) {
    QtPlatform platform;
    const QString text =
        "Cannot write /tmp/" + QString(300, u'A') + "/" + QString(40, u'B') + ".h: File too long";
    onMessageBox([&text](QMessageBox* box) {
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().remove(QChar(0x200B)), text);
        EXPECT_LE(label->minimumSizeHint().width(), label->width());  // every line fits
        EXPECT_EQ(label->accessibleName(), text);
        box->button(QMessageBox::Ok)->click();
    });
    platform.messageBox(nullptr, text, "Tavrin", MessageIcon::Error, MessageButtons::Ok);

    const QString shortWords = "Save changes in /home/you/Shape ?";
    EXPECT_EQ(wrappableText(shortWords), shortWords);
}

TEST(QtPlatformRunModal, AnythingButOkIsCancel) {
    QtPlatform platform;
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(ModalOk); });
    EXPECT_EQ(platform.runModal(&dialog), ModalOk);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    EXPECT_EQ(platform.runModal(&dialog), ModalCancel);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(7); });
    EXPECT_EQ(platform.runModal(&dialog), ModalCancel);
}

}  // namespace
}  // namespace tav
