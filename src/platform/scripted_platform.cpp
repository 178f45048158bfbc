#include "platform/scripted_platform.h"

namespace tav {

namespace {
template <typename T>
bool takeFront(std::deque<T>& queue, T& out) {
    if (queue.empty()) return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}
}  // namespace

MessageAnswer ScriptedPlatform::messageBox(QWidget* owner, const QString& text,
                                           const QString& caption, MessageIcon icon,
                                           MessageButtons buttons) {
    messages.push_back({owner, text, caption, icon, buttons});
    MessageAnswer answer;
    if (takeFront(answers, answer)) return answer;
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNoDefaultNo:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Yes;
    }
}

int ScriptedPlatform::runModal(QDialog* dialog) {
    modalRuns.push_back(dialog);
    std::function<int(QDialog*)> script;
    if (takeFront(modalScripts, script)) return script(dialog);
    return ModalCancel;
}

QString ScriptedPlatform::chooseOpenFile(QWidget*, const QString& filter) {
    openFilters.push_back(filter);
    QString name;
    takeFront(openFiles, name);
    return name;
}

QString ScriptedPlatform::chooseSaveFile(QWidget*, const QString& filter) {
    saveFilters.push_back(filter);
    QString name;
    takeFront(saveFiles, name);
    return name;
}

void ScriptedPlatform::help(QWidget* owner, const QString& fileName, int command, int data) {
    helpCalls.push_back({owner, fileName, command, data});
}

}  // namespace tav
