// Crash safety: a process saving a big class is killed at random moments, many times; each class
// file must always hold one whole version, the old or the new, never a part or a mix.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <iostream>
#include <random>
#include <thread>

#include "../crash/crash_texts.h"
#include "reliability_support.h"

namespace tav::testing {
namespace {

constexpr int kKills = 50;
// The kill comes this many milliseconds at most after a worker starts; a save of the pair takes
// a few milliseconds to a few tens, so the kills fall anywhere in one of many saves.
constexpr int kLatestKillMs = 120;
constexpr int kChildWaitMs = 20000;

// The bytes a save writes for a version's pane text.
QByteArray savedBytes(const QString& text) {
    return QByteArray::fromStdString(*encodeFile(text.toStdString(), FileEncoding::Utf8));
}

unsigned seed() {
    const QByteArray chosen = qgetenv("TAVRIN_CRASH_SEED");
    return chosen.isEmpty() ? 20240611u : chosen.toUInt();
}

// Reads the child's output into `out` until it holds `wanted`; false when the child fell silent.
bool readUntil(QProcess& child, QByteArray& out, const QByteArray& wanted) {
    while (!out.contains(wanted)) {
        if (!child.waitForReadyRead(kChildWaitMs)) return false;
        out += child.readAllStandardOutput();
    }
    return true;
}

int versionOf(const std::optional<QByteArray>& bytes, const QByteArray (&versions)[2]) {
    if (bytes == versions[0]) return 0;
    if (bytes == versions[1]) return 1;
    return -1;
}

TEST(CrashSafety, AKilledSaveLeavesEachClassFileWholeOldOrWholeNew) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString headerPath = QDir(dir.path()).filePath(crash::kHeaderName);
    const QString sourcePath = QDir(dir.path()).filePath(crash::kSourceName);
    const QByteArray headers[2] = {savedBytes(crash::headerText(0)),
                                   savedBytes(crash::headerText(1))};
    const QByteArray sources[2] = {savedBytes(crash::sourceText(0)),
                                   savedBytes(crash::sourceText(1))};
    ASSERT_TRUE(putFile(headerPath, headers[0]));
    ASSERT_TRUE(putFile(sourcePath, sources[0]));

    QProcess child;
    child.start(QStringLiteral(TAVRIN_SAVE_CHILD), {dir.path()});
    ASSERT_TRUE(child.waitForStarted(kChildWaitMs));
    QByteArray out;
    ASSERT_TRUE(readUntil(child, out, "ready\n")) << child.readAllStandardError().toStdString();

    const unsigned chosenSeed = seed();
    std::mt19937 rng(chosenSeed);
    std::uniform_int_distribution<int> moment(0, kLatestKillMs);
    int insideSave = 0;
    int savesCompleted = 0;
    int changes = 0;
    qint64 bytesLost = 0;
    int headerVersion = 0;
    int sourceVersion = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const std::string what =
            "kill " + std::to_string(kill + 1) + " (seed " + std::to_string(chosenSeed) + ")";
        // A worker starts saving the version that the header does not hold.
        out.clear();
        child.write(QByteArray("go ") + QByteArray::number(1 - headerVersion) + "\n");
        ASSERT_TRUE(readUntil(child, out, "worker ")) << what;
        ASSERT_TRUE(readUntil(child, out, "\n")) << what;
        const qsizetype pidAt = out.indexOf("worker ") + 7;
        const qint64 pid = out.mid(pidAt, out.indexOf('\n', pidAt) - pidAt).toLongLong();
        ASSERT_GT(pid, 0) << what;
        // The worker saves until it is killed; this pause only picks the moment of the kill. It
        // neither reads the worker's marks nor wakes on them, so the moment does not follow the
        // worker's writes.
        std::this_thread::sleep_for(std::chrono::milliseconds(moment(rng)));
        ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGKILL), 0) << what;
        ASSERT_TRUE(readUntil(child, out, "\nended ")) << what;
        const qsizetype ended = out.indexOf("\nended ");
        while (out.indexOf('\n', ended + 1) < 0) {
            ASSERT_TRUE(child.waitForReadyRead(kChildWaitMs)) << what;
            out += child.readAllStandardOutput();
        }
        ASSERT_EQ(out.mid(ended + 7).trimmed(), QByteArray::number(SIGKILL))
            << what << ": the worker did not end by the kill: "
            << child.readAllStandardError().toStdString();
        const QByteArray marks = out.left(ended);
        insideSave += marks.endsWith('b');
        savesCompleted += static_cast<int>(marks.count('e'));

        const int header = versionOf(fileBytes(headerPath), headers);
        const int source = versionOf(fileBytes(sourcePath), sources);
        EXPECT_NE(header, -1) << what << ": the header holds neither version whole";
        EXPECT_NE(source, -1) << what << ": the source holds neither version whole";
        if (header < 0) bytesLost += headers[headerVersion].size();
        if (source < 0) bytesLost += sources[sourceVersion].size();
        if (header < 0 || source < 0) {
            // Start the next round from whole files again.
            ASSERT_TRUE(putFile(headerPath, headers[0]));
            ASSERT_TRUE(putFile(sourcePath, sources[0]));
            headerVersion = sourceVersion = 0;
            continue;
        }
        changes += (header != headerVersion) + (source != sourceVersion);
        headerVersion = header;
        sourceVersion = source;
    }
    child.closeWriteChannel();
    EXPECT_TRUE(child.waitForFinished(kChildWaitMs));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();

    // Nearly every kill landed inside a save, and the saves did replace files.
    EXPECT_GE(insideSave, kKills * 4 / 5);
    EXPECT_GT(changes, 0);
    EXPECT_EQ(bytesLost, 0);
    const QStringList left = entries(dir.path());
    std::cout << "[ crash    ] seed " << chosenSeed << ": " << kKills << " kills, " << insideSave
              << " inside a save, " << savesCompleted << " saves completed, " << changes
              << " file versions changed, " << bytesLost << " bytes lost, " << left.size() - 2
              << " temporary files left behind\n";
}

}  // namespace
}  // namespace tav::testing
