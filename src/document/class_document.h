#pragma once
// One class as a document, apart from any window: its header and source texts, name, directory,
// change state, member lists and what it last read from or wrote to its files. It makes a new
// class, performs every member insertion from the dialogs' plain values as one undo step, loads,
// scans and writes its files and keeps its recovery copy. Windows show it and ask the user; it
// asks nobody and needs no widget.
#include <QObject>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "classgen/class_gen.h"
#include "document/document_text.h"
#include "files/file_stamp.h"
#include "files/status.h"
#include "members/members.h"
#include "members/skeleton.h"
#include "members/special_members.h"

namespace tav {

struct EditedLists;
class RecoveryCopy;
class RecoveryStore;
struct RecoveredClass;

class ClassDocument : public QObject {
    Q_OBJECT
public:
    // The class name while no class was made or found.
    static const QString kNoClass;
    // The caption until a class gives the document one.
    static const QString kNoCaption;

    // store: where the recovery copy goes, or null for none.
    explicit ClassDocument(RecoveryStore* store = nullptr, QObject* parent = nullptr);
    // A document that goes with unsaved changes leaves its recovery copy for the next start.
    ~ClassDocument() override;

    DocumentText& header() { return header_; }
    DocumentText& source() { return source_; }
    const DocumentText& header() const { return header_; }
    const DocumentText& source() const { return source_; }

    QString ClassName() const { return QString::fromStdString(className_); }
    const QString& ClassDir() const { return classDir_; }
    bool Modified() const { return modified_; }
    bool FirstSave() const { return firstSave_; }
    const std::vector<std::string>& FunctionList() const { return functions_; }
    const std::vector<std::string>& DataList() const { return data_; }
    // What the window that shows the document is called: its directory and name.
    const QString& caption() const { return caption_; }

    bool hasClass() const { return ClassName() != kNoClass; }
    void setClassName(const QString& name) { className_ = name.toStdString(); }
    void setClassDir(const QString& directory) { classDir_ = directory; }
    void setModified(bool modified) { modified_ = modified; }
    void setFirstSave(bool firstSave) { firstSave_ = firstSave; }
    // How the class's new texts are written from now on: its profile, namespace, indentation.
    const ClassStyle& style() const { return style_; }
    void setStyle(const ClassStyle& style) { style_ = style; }

    // ---- Making and inserting: each one undo step of both texts and the lists ----
    void NewClass(const NewClassInput& input);
    void AddDataMember(const DataMemberInput& input);
    void AddMemberFunction(const FunctionInput& input);
    void AddOperator(const OperatorInput& input);
    void AddCopyConstructor();
    // The members the header already declares are left out and returned.
    std::vector<SpecialMember> AddSpecialMembers(const SpecialMembersInput& input);

    // ---- Class-aware generation: each one undo step, nothing changed on a read error ----
    // Copies of the texts, for a reader on another thread.
    struct TextsToRead {
        std::string header;
        std::string source;
        std::string className;
    };
    TextsToRead textsToRead() const;
    // read: what readClass() read from textsToRead(), the texts unchanged since.
    GenerationResult AddMissingDefinitions(const ReadClass& read);
    GenerationResult ImplementBaseFunctions(const ReadClass& read,
                                            const std::vector<cpp::Member>& chosen);
    GenerationResult GenerateAccessors(const ReadClass& read,
                                       const std::vector<AccessorChoice>& choices);
    GenerationResult ConstructorFromMembers(const ReadClass& read,
                                            const std::vector<cpp::Member>& members);

    // ---- Files ----
    // Reads the header (its class name becomes the document's) or the source (its function
    // list becomes the document's): whether a class word (a function line, for the source) was
    // met, or why the file could not be read.
    Result<bool> ScanHeader(const QString& path);
    Result<bool> ScanSource(const QString& path);
    // The class's own file with the given extension (".h", ".cpp").
    QString classFile(const QString& extension) const;
    // The class's own header and source: written with the extensions of the style it was made
    // in (".h" and ".cpp" for a classic or an opened class).
    QString headerFile() const { return classFile(headerExtension_); }
    QString sourceFile() const { return classFile(sourceExtension_); }
    const QString& headerExtension() const { return headerExtension_; }
    const QString& sourceExtension() const { return sourceExtension_; }
    // After an open: the class's files are the ones it was read from.
    void setFileExtensions(const QString& header, const QString& source);
    // The files among the two that a save would overwrite without having seen them, in native
    // notation: changed since the document read or wrote them, or, for a path it never read or
    // wrote, already holding other bytes than the save would write.
    struct UnseenFiles {
        QStringList changed;
        QStringList holdingOther;
        bool none() const { return changed.isEmpty() && holdingOther.isEmpty(); }
    };
    UnseenFiles unseenOnDisk(const QString& headerPath, const QString& sourcePath) const;
    // Writes the header, then the source; the first failure stops it. Stamps are kept for the
    // class's own files only: a copy written elsewhere is not the document's file.
    Status writeFiles(const QString& headerPath, const QString& sourcePath);
    // After a save of the class's own files: nothing is left to lose. Returns whether it was the
    // class's first save.
    bool markSaved();

    // The first place in the source that holds text, if any.
    std::optional<TextPosition> findInSource(const QString& text) const;

    // ---- Recovery ----
    // Restores text, encodings, caption, class, directory and what it knew of its files from a
    // recovery copy; the function list is scanned from the source as an open does. The
    // document counts as changed.
    void restore(const RecoveredClass& copy);
    // Writes the recovery copy now rather than a while after the last change.
    Status keepRecoveryCopy();
    // The texts hold what the files hold (after an open): no copy is needed.
    void discardRecoveryCopy();

signals:
    // A text changed: typed, inserted, undone or loaded. Sent at every keystroke.
    void changed();
    void saved();
    void captionChanged(const QString& caption);
    // An undo or redo took entries off the member lists or put them back.
    void listsChanged();
    // A recovery copy written after a change could not be written.
    void recoveryCopyFailed(const Status& failed);

private:
    void textChanged();
    void showCaption();
    EditedLists editedLists();
    // Runs rule over the class's texts and lists as one undo step.
    template <typename Rule>
    void insert(Rule rule);
    // Runs a generation command as one undo step unless its reading failed.
    template <typename Command>
    GenerationResult generate(const ReadClass& read, Command command);
    QByteArray recoveryBytes() const;

    DocumentText header_;
    DocumentText source_;
    std::string className_;
    QString classDir_;
    QString caption_ = kNoCaption;
    bool modified_ = false;
    bool firstSave_ = true;
    std::vector<std::string> functions_;
    std::vector<std::string> data_;
    // What the document last read from or wrote to its own files.
    FileStamp headerStamp_;
    FileStamp sourceStamp_;
    ClassStyle style_;
    QString headerExtension_ = QStringLiteral(".h");
    QString sourceExtension_ = QStringLiteral(".cpp");
    RecoveryCopy* recovery_;
};

}  // namespace tav
