#include "document/class_edit_step.h"

#include <QAbstractUndoItem>
#include <QPointer>
#include <QTextDocument>
#include <algorithm>

namespace tav {

// What the two texts' parts of one insertion share.
struct LinkedInsertion {
    // The entries an insertion appended to one list.
    struct AppendedEntries {
        std::vector<std::string>* list = nullptr;
        std::size_t at = 0;
        std::vector<std::string> entries;

        // Both only act on the list as the insertion left it or found it: a list rebuilt since
        // (by an open) is left alone.
        bool takeBack() {
            if (entries.empty() || list->size() != at + entries.size() ||
                !std::equal(entries.begin(), entries.end(), list->begin() + static_cast<long>(at)))
                return false;
            list->resize(at);
            return true;
        }
        bool putBack() {
            if (entries.empty() || list->size() != at) return false;
            list->insert(list->end(), entries.begin(), entries.end());
            return true;
        }
    };

    // One text's part: its place in the text's history, whether it is done, and whether the
    // history still holds it (a load of the text discards the history).
    struct Part {
        QPointer<QTextDocument> text;
        int before = 0;  // the text's undo steps before the part
        int after = 0;   // and after it
        bool done = true;
        bool held = true;

        bool isLatest() const {
            return held && done && text && text->availableUndoSteps() == after;
        }
        bool isNext() const {
            return held && !done && text && text->availableUndoSteps() == before;
        }
    };

    Part parts[2];
    AppendedEntries functions;
    AppendedEntries data;
    std::function<void()> listsChanged;
    bool following = false;  // the other text is following an undo or redo

    void turned(int which, bool done) {
        parts[which].done = done;
        if (following) return;
        Part& other = parts[1 - which];
        if (done ? other.isNext() : other.isLatest()) {
            following = true;
            done ? other.text->redo() : other.text->undo();
            following = false;
        }
        if (other.done != done) return;
        const bool functionsTurned = done ? functions.putBack() : functions.takeBack();
        const bool dataTurned = done ? data.putBack() : data.takeBack();
        if ((functionsTurned || dataTurned) && listsChanged) listsChanged();
    }
};

namespace {

// A text's part in its history: the document calls it when it undoes or redoes the part.
class PartUndoItem : public QAbstractUndoItem {
public:
    PartUndoItem(std::shared_ptr<LinkedInsertion> insertion, int which)
        : insertion_(std::move(insertion)), which_(which) {}
    ~PartUndoItem() override { insertion_->parts[which_].held = false; }
    void undo() override { insertion_->turned(which_, false); }
    void redo() override { insertion_->turned(which_, true); }

private:
    std::shared_ptr<LinkedInsertion> insertion_;
    int which_;
};

}  // namespace

ClassEditStep::ClassEditStep(QTextDocument& header, QTextDocument& source, EditedLists lists)
    : insertion_(std::make_shared<LinkedInsertion>()), header_(&header), source_(&source) {
    insertion_->parts[0].text = &header;
    insertion_->parts[1].text = &source;
    for (LinkedInsertion::Part& part : insertion_->parts)
        part.before = part.text->availableUndoSteps();
    insertion_->functions = {&lists.functions, lists.functions.size(), {}};
    insertion_->data = {&lists.data, lists.data.size(), {}};
    insertion_->listsChanged = std::move(lists.changed);
    header_.beginEditBlock();
    source_.beginEditBlock();
}

ClassEditStep::~ClassEditStep() {
    for (LinkedInsertion::AppendedEntries* appended : {&insertion_->functions, &insertion_->data}) {
        std::vector<std::string>& list = *appended->list;
        appended->at = std::min(appended->at, list.size());
        appended->entries.assign(list.begin() + static_cast<long>(appended->at), list.end());
    }
    // Each part ends with its item, which makes it a step of the text even where the insertion
    // wrote nothing in it.
    header_.document()->appendUndoItem(new PartUndoItem(insertion_, 0));
    source_.document()->appendUndoItem(new PartUndoItem(insertion_, 1));
    source_.endEditBlock();
    header_.endEditBlock();
    for (LinkedInsertion::Part& part : insertion_->parts)
        part.after = part.text->availableUndoSteps();
}

}  // namespace tav
