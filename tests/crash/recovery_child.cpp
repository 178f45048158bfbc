// The program with unsaved changes in two class windows, for the recovery test to kill. It makes
// the new class Alpha and opens the class Beta (whose header is Latin-1) in <class dir>, types
// into all four panes, writes the bytes that a save of each pane would write into
// <expected dir>, waits until both recovery copies are under <recovery root>, says "ready" and
// waits to be killed.
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <cstdio>

#include "app/app_windows.h"
#include "dialogs/new_class_dlg.h"
#include "document/class_files.h"
#include "editor/text_pane.h"
#include "platform/scripted_platform.h"
#include "window/child_form.h"

namespace {

int copiesUnder(const QString& root) {
    int copies = 0;
    QDirIterator it(root, {QStringLiteral("*") + tav::RecoveryStore::kCopySuffix}, QDir::Files,
                    QDirIterator::Subdirectories);
    for (; it.hasNext(); it.next()) ++copies;
    return copies;
}

void type(TextPane& pane, const QString& text) {
    QTextCursor cursor(pane.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

bool writeExpected(const TChildForm& doc, const QString& dir) {
    const QString base = QDir(dir).filePath(doc.document().ClassName());
    return tav::writeTextToFile(doc.document().header(), base + QStringLiteral(".h")).ok() &&
           tav::writeTextToFile(doc.document().source(), base + QStringLiteral(".cpp")).ok();
}

}  // namespace

int main(int argc, char* argv[]) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the test
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: tavrin_recovery_child <recovery root> <class dir> <expected dir>\n",
                   stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString classDir = QString::fromLocal8Bit(argv[2]);
    const QString expectedDir = QString::fromLocal8Bit(argv[3]);

    tav::ScriptedPlatform platform;
    tav::AppWindows windows(platform, root);
    windows.makeDialogs();
    windows.main().show();
    platform.modalScripts.push_back([&](QDialog*) {
        TNewClassDlg* dialog = windows.dialogs().NewClassDlg;
        dialog->Name->setText(QStringLiteral("Alpha"));
        dialog->Normal->setChecked(true);
        dialog->setDirectory(classDir);
        return tav::ModalOk;
    });
    windows.main().New1Click();
    TChildForm* alpha = windows.main().activeDocument();
    windows.main().openFiles({QDir(classDir).filePath(QStringLiteral("Beta.h"))});
    TChildForm* beta = windows.main().activeDocument();
    if (!alpha || !beta || alpha == beta) return 3;

    type(*alpha->HeaderMemo, QStringLiteral("    int count; // r\u00e9sum\u00e9\n"));
    type(*alpha->SourceMemo,
         QStringLiteral("// \u2211 of all\n\tint Alpha::Twice() { return 2; }"));
    type(*beta->HeaderMemo, QStringLiteral("// caf\u00e9 au lait\n"));
    type(*beta->SourceMemo, QStringLiteral("void Beta::Later()\n{\n}\n"));
    if (!writeExpected(*alpha, expectedDir) || !writeExpected(*beta, expectedDir)) return 4;

    // The copies are written by the windows' own timers.
    QElapsedTimer waited;
    waited.start();
    while (copiesUnder(root) < 2) {
        if (waited.elapsed() > 20000) return 5;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();
}
