#pragma once
// A platform for tests: answers come from scripts, every call is recorded, nothing blocks.
#include <deque>
#include <functional>
#include <vector>

#include "platform/platform.h"

namespace tav {

struct RecordedMessage {
    QWidget* owner;
    QString text;
    QString caption;
    MessageIcon icon;
    MessageButtons buttons;
};

struct RecordedHelp {
    QWidget* owner;
    QString fileName;
    int command;
    int data;
};

class ScriptedPlatform : public Platform {
public:
    // Scripted answers are used in order; without one a box answers its default (OK, Yes, or No
    // for YesNoDefaultNo).
    std::deque<MessageAnswer> answers;
    // Each modal run takes the next script: it may set the dialog's controls and returns the
    // result. Without one a run answers Cancel.
    std::deque<std::function<int(QDialog*)>> modalScripts;
    // Chosen file names, used in order; without one a chooser is cancelled (empty name).
    std::deque<QString> openFiles;
    std::deque<QString> saveFiles;

    std::vector<RecordedMessage> messages;
    std::vector<QDialog*> modalRuns;
    std::vector<QString> openFilters;
    std::vector<QString> saveFilters;
    std::vector<RecordedHelp> helpCalls;

    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageIcon icon, MessageButtons buttons) override;
    int runModal(QDialog* dialog) override;
    QString chooseOpenFile(QWidget* owner, const QString& filter) override;
    QString chooseSaveFile(QWidget* owner, const QString& filter) override;
    void help(QWidget* owner, const QString& fileName, int command, int data) override;
};

}  // namespace tav
