// Opening bad input through the real windows: every input either opens whole and saves back
// byte for byte, or is refused with a message naming the file, leaving no half-loaded class.
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <functional>
#include <iostream>
#include <random>

#include "app_fixture.h"
#include "reliability_support.h"

namespace tav::testing {
namespace {

// An open or a save that takes longer than this counts as a hang; a sanitized build runs our
// code several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kOpenLimitMs = 15000;
#else
constexpr qint64 kOpenLimitMs = 5000;
#endif

void appendUtf8(QByteArray& out, char32_t cp) { out += QString::fromUcs4(&cp, 1).toUtf8(); }

// Every byte value, NUL runs included, with CR and LF only as CR LF pairs.
QByteArray binaryWithCrLfBreaks() {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes("\0\0\0\0", 4);
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    }
    for (int i = 0; i < 64 * 1024; ++i) {
        const int b = byte(rng);
        if (b == '\r' || b == '\n') {
            bytes += "\r\n";
        } else {
            bytes += static_cast<char>(b);
        }
    }
    return bytes;
}

// Random bytes with lone CRs and LFs.
QByteArray binaryWithLoneBreaks() {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes;
    for (int i = 0; i < 64 * 1024; ++i) bytes += static_cast<char>(byte(rng));
    return bytes + "\n\r\r\n\n";
}

// What a save writes for a file: every line break (CR LF, a lone CR, a lone LF) as CR LF.
QByteArray withCrLfBreaks(const QByteArray& bytes) {
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += bytes[i];
        }
    }
    return out;
}

// The characters that the pane's text document reads as paragraph or frame breaks.
bool isBreakInAPane(char32_t cp) { return cp == 0x2029 || cp == 0xFDD0 || cp == 0xFDD1; }

// Every code point of the Basic Multilingual Plane but the surrogates, CR, LF and (unless asked
// for) the ones a pane reads as breaks, 64 to a line; then a few beyond it. NUL, U+2028, the
// byte order mark and the noncharacters U+FFFE and U+FFFF are in.
QByteArray everyCharacter(bool withPaneBreaks) {
    QByteArray bytes;
    int onLine = 0;
    for (char32_t cp = 0; cp < 0x10000; ++cp) {
        if ((cp >= 0xD800 && cp < 0xE000) || cp == '\r' || cp == '\n') continue;
        if (isBreakInAPane(cp) && !withPaneBreaks) continue;
        appendUtf8(bytes, cp);
        if (++onLine == 64) {
            bytes += "\r\n";
            onLine = 0;
        }
    }
    for (const char32_t cp : {0x10000u, 0x1F600u, 0xE0001u, 0x10FFFFu}) appendUtf8(bytes, cp);
    return bytes + "\r\n";
}

const QByteArray kInvalidUtf8 =
    "// caf\xe9 na\xefve\r\n"                        // Latin-1 letters
    "// \xc0\x80 \xed\xa0\x80 \xf4\x90\x80\x80\r\n"  // overlong NUL, a surrogate, past U+10FFFF
    "// \xe2\x82\r\n"                                // a cut sequence
    "\xff\xfe\x80\xbf";                              // stray bytes, no final break

struct OpenableInput {
    const char* what;
    QString directory;  // under the test directory
    QString name;       // the pair's name, without extension
    QByteArray content;
    QByteArray saved;  // what a save writes back
    FileEncoding encoding;
};

std::vector<OpenableInput> openableInputs() {
    const QByteArray binary = binaryWithCrLfBreaks();
    const QByteArray loose = binaryWithLoneBreaks();
    const QByteArray all = everyCharacter(false);
    const QByteArray breaks = everyCharacter(true);
    const QByteArray plain = "class Plain\r\n{\r\n};\r\n";
    return {
        {"a binary file with NUL bytes", ".", "Binary", binary, binary, FileEncoding::Latin1},
        {"a binary file with lone CR and LF breaks", ".", "Loose", loose, withCrLfBreaks(loose),
         FileEncoding::Latin1},
        {"invalid UTF-8", ".", "Invalid", kInvalidUtf8, kInvalidUtf8, FileEncoding::Latin1},
        {"every character a pane holds", ".", "Every", all, all, FileEncoding::Utf8},
        {"UTF-8 with characters a pane reads as breaks", ".", "Breaks", breaks, breaks,
         FileEncoding::Latin1},
        {"a NUL byte alone", ".", "Nul", QByteArray(1, '\0'), QByteArray(1, '\0'),
         FileEncoding::Utf8},
        {"an empty file", ".", "Empty", "", "", FileEncoding::Utf8},
        {"a name with spaces and non-ASCII letters", QString::fromUtf8("Ünïcödé Ordner ñ"),
         QString::fromUtf8("Größe Klasse Ω"), plain, plain, FileEncoding::Utf8},
    };
}

class BadInput : public AppFixture {
protected:
    QString path(const QString& directory, const QString& name) const {
        return QDir::toNativeSeparators(QDir(dir.path()).filePath(directory + "/" + name));
    }

    // Runs the Open command on `chosen` and returns the new class window.
    TChildForm* open(const QString& chosen, qint64* elapsedMs = nullptr) {
        platform.openFiles.push_back(chosen);
        QElapsedTimer timer;
        timer.start();
        main->Open1Click();
        if (elapsedMs) *elapsedMs = timer.elapsed();
        return main->documents().isEmpty() ? nullptr : main->documents().back();
    }

    void closeQuietly(TChildForm* doc) {
        doc->document().setModified(false);
        doc->close();
        settle();
    }

    std::size_t errorCount() const {
        std::size_t errors = 0;
        for (const RecordedMessage& m : platform.messages) errors += m.icon == MessageIcon::Error;
        return errors;
    }

    // Opens the pair, checks that both panes hold the whole files, saves it back under the same
    // name with Save As and checks the files byte for byte.
    void openAndSaveBack(const QString& base, const QByteArray& savedHeader,
                         const QByteArray& savedSource, const std::string& what) {
        qint64 ms = 0;
        TChildForm* doc = open(base + ".h", &ms);
        ASSERT_NE(doc, nullptr) << what;
        EXPECT_LT(ms, kOpenLimitMs) << what;
        ASSERT_EQ(errorCount(), 0u) << what << ": " << messageText(0).toStdString();
        EXPECT_EQ(doc->document().ClassName(), "Probe") << what;
        EXPECT_EQ(paneBytes(doc->document().header()), savedHeader) << what;
        EXPECT_EQ(paneBytes(doc->document().source()), savedSource) << what;

        const QStringList before = entries(QFileInfo(base).path());
        platform.saveFiles.push_back(base + ".h");
        QElapsedTimer timer;
        timer.start();
        doc->SaveClassAs();
        const qint64 saveMs = timer.elapsed();
        EXPECT_LT(saveMs, kOpenLimitMs) << what;
        if (savedSource.size() >= 1 << 20) {
            std::cout << "[ timing   ] " << what << ": open " << ms << " ms, save " << saveMs
                      << " ms\n";
        }
        EXPECT_EQ(errorCount(), 0u) << what << ": " << platform.messages.back().text.toStdString();
        EXPECT_EQ(fileBytes(base + ".h"), savedHeader) << what;
        EXPECT_EQ(fileBytes(base + ".cpp"), savedSource) << what;
        EXPECT_EQ(entries(QFileInfo(base).path()), before) << what << ": no file left behind";
        closeQuietly(doc);
    }
};

TEST_F(BadInput, EachOpenableInputOpensWholeAndSavesBackByteForByte) {
    for (const OpenableInput& input : openableInputs()) {
        const std::string what = input.what;
        ASSERT_TRUE(QDir(dir.path()).mkpath(input.directory));
        const QString base = path(input.directory, input.name);
        // The header names the class so that Save As may run; the source is the input alone.
        const QByteArray header = "class Probe\r\n" + input.content;
        ASSERT_TRUE(putFile(base + ".h", header));
        ASSERT_TRUE(putFile(base + ".cpp", input.content));
        platform.messages.clear();
        openAndSaveBack(base, "class Probe\r\n" + input.saved, input.saved, what);
        // The encoding it was read with is the one it is written in.
        platform.openFiles.push_back(base + ".h");
        main->Open1Click();
        EXPECT_EQ(main->documents().back()->document().source().encoding, input.encoding) << what;
        closeQuietly(main->documents().back());
    }
}

// Big inputs are read, shown and written back whole within the time limit. The text document
// behind a pane spends most of an open on making its blocks, a few microseconds a line, so the
// 50 MiB file has long lines; the file of ordinary short lines is smaller.
TEST_F(BadInput, BigFilesOpenAndSaveBackByteForByte) {
    struct Big {
        const char* what;
        qsizetype size;
        qsizetype lineLength;  // 0: no line break at all
    };
    const Big bigs[] = {
        {"50 MiB in lines of 1 KiB", qsizetype{50} << 20, 1024},
        {"8 MiB in lines of 64 bytes", qsizetype{8} << 20, 64},
        {"a single 5 MiB line", qsizetype{5} << 20, 0},
    };
    const QByteArray header = "class Probe\r\n{\r\n};\r\n";
    for (const Big& big : bigs) {
        QByteArray source;
        source.reserve(big.size + 2);
        const QByteArray words = "total += compute(alpha, beta, gamma) * factor; ";
        while (source.size() < big.size) {
            const qsizetype lineLength = big.lineLength ? big.lineLength - 2 : big.size;
            for (qsizetype n = 0; n < lineLength && source.size() < big.size; n += words.size()) {
                source += words.left(lineLength - n);
            }
            if (big.lineLength) source += "\r\n";
        }
        const QString base = path(".", "Big");
        ASSERT_TRUE(putFile(base + ".h", header));
        ASSERT_TRUE(putFile(base + ".cpp", source));
        openAndSaveBack(base, header, source, big.what);
    }
}

// ---- Refused inputs --------------------------------------------------------------------------

struct RefusedInput {
    const char* what;
    // Puts the bad input at `path`; false when it could not be made.
    std::function<bool(const QString& path)> make;
};

std::vector<RefusedInput> refusedInputs() {
    return {
        {"a directory", [](const QString& p) { return QDir().mkdir(p); }},
        // Tests run as root, which reads any file whatever its permission bits, so a file whose
        // reading fails for everyone stands in for one without read permission: the process's
        // own memory, read from address 0, fails with EIO.
        {"a file that cannot be read",
         [](const QString& p) { return QFile::link("/proc/self/mem", p); }},
        {"a symbolic link loop",
         [](const QString& p) {
             return QFile::link(p + ".loop", p) && QFile::link(p, p + ".loop");
         }},
        {"a named pipe without a writer",
         [](const QString& p) { return mkfifo(QFile::encodeName(p).constData(), 0644) == 0; }},
        {"a device without end", [](const QString& p) { return QFile::link("/dev/zero", p); }},
        {"a 2 GiB file",
         [](const QString& p) {
             QFile file(p);  // sparse: it takes no room on the disk
             return file.open(QIODevice::WriteOnly) && file.resize(qint64{2} << 30);
         }},
    };
}

TEST_F(BadInput, EachRefusedInputIsNamedAndLeavesNothingHalfLoaded) {
    const QByteArray header = "class Probe\r\n{\r\n};\r\n";
    const QByteArray source = "Probe::Probe()\r\n";
    int n = 0;
    for (const RefusedInput& input : refusedInputs()) {
        for (const bool badHeader : {true, false}) {
            const std::string what =
                std::string(input.what) + (badHeader ? " as the header" : " as the source");
            const QString base = path(".", QStringLiteral("Bad%1").arg(++n));
            const QString bad = base + (badHeader ? ".h" : ".cpp");
            ASSERT_TRUE(putFile(base + (badHeader ? ".cpp" : ".h"), badHeader ? source : header));
            ASSERT_TRUE(input.make(bad)) << what;
            platform.messages.clear();
            main->disableDocumentControls();

            qint64 ms = 0;
            TChildForm* doc = open(base + ".h", &ms);
            ASSERT_NE(doc, nullptr) << what;
            EXPECT_LT(ms, kOpenLimitMs) << what;
            ASSERT_EQ(platform.messages.size(), 1u) << what;
            const RecordedMessage& m = platform.messages[0];
            EXPECT_EQ(m.icon, MessageIcon::Error) << what;
            EXPECT_EQ(m.owner, doc) << what;
            EXPECT_TRUE(m.text.startsWith("Cannot read " + bad + ": ")) << m.text.toStdString();
            EXPECT_GT(m.text.size(), ("Cannot read " + bad + ": ").size()) << what;

            // Each pane holds its whole file or nothing; the window stays, its commands stay off.
            EXPECT_TRUE(main->documents().contains(doc)) << what;
            EXPECT_FALSE(main->isControlEnabled("Data")) << what;
            EXPECT_FALSE(main->isControlEnabled("SaveAs")) << what;
            EXPECT_EQ(doc->document().source().count(), 0u) << what;
            if (badHeader) {
                EXPECT_EQ(doc->document().header().count(), 0u) << what;
                EXPECT_EQ(doc->document().ClassName(), tav::ClassDocument::kNoClass) << what;
                EXPECT_EQ(doc->windowTitle(), "ChildForm") << what;
                EXPECT_FALSE(doc->document().Modified()) << what;
            } else {
                EXPECT_EQ(paneBytes(doc->document().header()), header) << what;
                EXPECT_EQ(doc->document().ClassName(), "Probe") << what;
            }
            closeQuietly(doc);
        }
    }
}

}  // namespace
}  // namespace tav::testing
