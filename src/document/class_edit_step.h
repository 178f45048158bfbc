#pragma once
// One insertion the program makes in a class (a new class's skeleton, a member) as one undo step
// of the whole class. The rule that links the parts: the insertion is a step of each file text's
// own history (so typing stays per text), and undoing or redoing it in one text does the same in
// the other text when the insertion is that text's latest step too, and then also takes back or
// puts back the entries it added to the member lists. Otherwise the text undoes or redoes its
// own part alone, and the lists follow once both parts agree.
#include <QTextCursor>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTextDocument;

namespace tav {

// The member lists an insertion appends to, and what shows them again after an undo or redo
// changed them.
struct EditedLists {
    std::vector<std::string>& functions;
    std::vector<std::string>& data;
    std::function<void()> changed;
};

struct LinkedInsertion;

// Every change to the two texts and the lists inside its lifetime is the one insertion.
class ClassEditStep {
public:
    ClassEditStep(QTextDocument& header, QTextDocument& source, EditedLists lists);
    ~ClassEditStep();
    ClassEditStep(const ClassEditStep&) = delete;
    ClassEditStep& operator=(const ClassEditStep&) = delete;

private:
    std::shared_ptr<LinkedInsertion> insertion_;
    QTextCursor header_;
    QTextCursor source_;
};

}  // namespace tav
