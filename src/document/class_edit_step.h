#pragma once
// One insertion the program makes in a class window (a new class's skeleton, a member) as one
// undo step of the whole window. The insertion is a step of each pane's own history, so typing
// stays per pane; undoing or redoing the insertion in one pane does the same in the other pane
// when the insertion is that pane's latest step too, and then also takes back or puts back the
// entries it added to the member lists. Otherwise the pane undoes or redoes its own part alone,
// and the lists follow once both parts agree.
#include <QTextCursor>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TextPane;

namespace tav {

// The member lists an insertion appends to, and what shows them again after an undo or redo
// changed them.
struct EditedLists {
    std::vector<std::string>& functions;
    std::vector<std::string>& data;
    std::function<void()> changed;
};

struct LinkedInsertion;

// Every change to the panes and the lists inside its lifetime is the one insertion.
class ClassEditStep {
public:
    ClassEditStep(TextPane& header, TextPane& source, EditedLists lists);
    ~ClassEditStep();
    ClassEditStep(const ClassEditStep&) = delete;
    ClassEditStep& operator=(const ClassEditStep&) = delete;

private:
    std::shared_ptr<LinkedInsertion> insertion_;
    QTextCursor header_;
    QTextCursor source_;
};

}  // namespace tav
