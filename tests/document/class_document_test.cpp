// A class document made, edited, saved and opened again with no window at all.
#include "document/class_document.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "recovery/recovered_class.h"

namespace tav {
namespace {

struct State {
    std::string header;
    std::string source;
    std::vector<std::string> functions;
    std::vector<std::string> data;
    bool operator==(const State&) const = default;
};

State stateOf(const ClassDocument& doc) {
    return {doc.header().textUtf8(), doc.source().textUtf8(), doc.FunctionList(), doc.DataList()};
}

struct Insertion {
    const char* name;
    std::function<void(ClassDocument&)> insert;
    std::size_t headerLines;  // lines the insertion adds to the header
    std::size_t functions;    // entries it adds to the function list
    std::size_t data;         // and to the data list
};

class EachInsertion : public testing::TestWithParam<Insertion> {
protected:
    QTemporaryDir dir;
    ClassDocument doc;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        doc.NewClass(
            {ClassKind::Normal, "Shape", QDir::toNativeSeparators(dir.path()).toStdString(), {}});
    }
};

TEST_P(EachInsertion, IsOneUndoStepAndSurvivesASaveAndAnOpen) {
    const State before = stateOf(doc);
    const std::size_t headerLines = doc.header().count();
    GetParam().insert(doc);
    EXPECT_EQ(doc.header().count(), headerLines + GetParam().headerLines);
    const State after = stateOf(doc);
    EXPECT_NE(after.header, before.header);  // the reading copy follows the insertion
    EXPECT_EQ(after.functions.size(), before.functions.size() + GetParam().functions);
    EXPECT_EQ(after.data.size(), before.data.size() + GetParam().data);

    QSignalSpy lists(&doc, &ClassDocument::listsChanged);
    doc.source().document()->undo();  // either text's undo takes back both and the lists
    EXPECT_EQ(stateOf(doc), before);
    doc.header().document()->redo();
    EXPECT_EQ(stateOf(doc), after);
    EXPECT_EQ(lists.count(), GetParam().functions + GetParam().data > 0 ? 2 : 0);

    const QString header = doc.classFile(".h");
    const QString source = doc.classFile(".cpp");
    EXPECT_TRUE(doc.unseenOnDisk(header, source).none());  // nothing there yet
    ASSERT_TRUE(doc.writeFiles(header, source).ok());
    EXPECT_TRUE(doc.markSaved());
    EXPECT_FALSE(doc.Modified());
    EXPECT_FALSE(doc.markSaved());  // only the first save is the first

    ClassDocument reopened;
    QSignalSpy caption(&reopened, &ClassDocument::captionChanged);
    ASSERT_TRUE(reopened.ScanHeader(header).value());
    ASSERT_TRUE(reopened.ScanSource(source).ok());
    EXPECT_EQ(reopened.ClassName(), "Shape");
    EXPECT_EQ(caption.count(), 1);
    EXPECT_EQ(reopened.header().textUtf8(), after.header);
    EXPECT_EQ(reopened.source().textUtf8(), after.source);
}

INSTANTIATE_TEST_SUITE_P(
    ClassDocument, EachInsertion,
    testing::Values(
        Insertion{"DataMember",
                  [](ClassDocument& d) {
                      d.AddDataMember({Access::Private, "int", "Width"});
                  },
                  1, 0, 1},
        Insertion{"Function",
                  [](ClassDocument& d) {
                      d.AddMemberFunction({Access::Public, false, false, "int", "Area", "()"});
                  },
                  1, 1, 0},
        Insertion{"Operator",
                  [](ClassDocument& d) {
                      d.AddOperator({OperatorKind::Normal, "=="});
                  },
                  1, 1, 0},
        Insertion{"CopyConstructor", [](ClassDocument& d) { d.AddCopyConstructor(); }, 1, 1, 0}),
    [](const testing::TestParamInfo<Insertion>& info) { return std::string(info.param.name); });

TEST(ClassDocument, NewClassGivesNameCaptionAndChange) {
    ClassDocument doc;
    EXPECT_FALSE(doc.hasClass());
    EXPECT_EQ(doc.caption(), ClassDocument::kNoCaption);
    QSignalSpy changed(&doc, &ClassDocument::changed);
    doc.NewClass({ClassKind::VirtualBase, "Base", "/tmp", {}});
    EXPECT_TRUE(doc.hasClass());
    EXPECT_TRUE(doc.Modified());
    EXPECT_GT(changed.count(), 0);
    EXPECT_EQ(doc.caption(), QDir::toNativeSeparators("/tmp/Base"));
    EXPECT_EQ(doc.source().count(), 0u);  // a virtual base has no source
    EXPECT_FALSE(doc.findInSource("Base"));
}

TEST(ClassDocument, AFileThatCannotBeReadIsNamedAndLeavesTheTextEmpty) {
    QTemporaryDir dir;
    ClassDocument doc;
    const Result<bool> read = doc.ScanHeader(dir.path());  // a directory
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.status().message().contains(QDir::toNativeSeparators(dir.path())));
    EXPECT_EQ(doc.header().count(), 0u);
    EXPECT_FALSE(doc.hasClass());
}

TEST(ClassDocument, RestoresARecoveryCopyAsChanged) {
    RecoveredClass copy;
    copy.state.caption = "/c/Kept";
    copy.state.className = "Kept";
    copy.state.classDir = "/c/";
    copy.state.firstSave = false;
    copy.header = "class Kept\n{\n};\n";
    copy.source = "Kept::Kept()\n{\n}\n";
    ClassDocument doc;
    doc.restore(copy);
    EXPECT_EQ(doc.caption(), "/c/Kept");
    EXPECT_EQ(doc.classFile(".h"), "/c/Kept.h");
    EXPECT_FALSE(doc.FirstSave());
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.FunctionList(), std::vector<std::string>{"Kept::Kept()"});
    EXPECT_EQ(doc.header().textUtf8(), copy.header);
}

TEST(DocumentText, ReadsItsOwnLinesInsideAnEditBlock) {
    DocumentText text;
    text.setWholeTextUtf8("a\nc\n");
    QTextCursor block(text.document());
    block.beginEditBlock();  // as an insertion holds it open while a rule reads and writes
    text.insert(1, "b");
    EXPECT_EQ(text.textUtf8(), "a\nb\nc\n");
    text.append("d");
    EXPECT_EQ(text.textUtf8(), "a\nb\nc\nd\n");
    block.endEditBlock();
    text.clear();
    EXPECT_EQ(text.textUtf8(), "");
}

}  // namespace
}  // namespace tav
