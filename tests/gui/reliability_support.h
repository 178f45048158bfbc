#pragma once
// Helpers of the reliability tests: raw file bytes, directory listings, the class window's
// state, and a file-size limit that makes writes fail as on a full disk.
#include <signal.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QStringList>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/tav_main_form.h"
#include "editor/text_pane.h"
#include "text/codec.h"
#include "window/child_form.h"

namespace tav::testing {

// The file's bytes; nullopt when it cannot be read (missing, a directory).
inline std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Every entry of a directory, hidden ones included, so that a leftover temporary file shows.
inline QStringList entries(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The bytes a save of the pane writes, or nullopt when its encoding cannot hold its text.
inline std::optional<QByteArray> paneBytes(const DocumentText& text) {
    const std::optional<std::string> bytes = encodeFile(text.wholeTextUtf8(), text.encoding);
    if (!bytes) return std::nullopt;
    return QByteArray::fromStdString(*bytes);
}

// What a failed operation must leave as it was.
struct DocumentState {
    QString caption;
    QString className;
    QString classDir;
    QString header;
    QString source;
    bool modified = false;
    bool firstSave = false;
    bool saveEnabled = false;
    bool saveButtonEnabled = false;
    std::vector<std::string> functions;

    static DocumentState of(const TChildForm& doc) {
        const auto& main = dynamic_cast<const TTavMainForm&>(*doc.mdiArea()->window());
        return {doc.windowTitle(),
                doc.document().ClassName(),
                doc.document().ClassDir(),
                doc.document().header().wholeText(),
                doc.document().source().wholeText(),
                doc.document().Modified(),
                doc.document().FirstSave(),
                main.isControlEnabled(QStringLiteral("Save")),
                main.isControlEnabled(QStringLiteral("SaveBitBtn")),
                doc.document().FunctionList()};
    }
    bool operator==(const DocumentState&) const = default;
};

inline void PrintTo(const DocumentState& s, std::ostream* os) {
    *os << "{caption " << s.caption.toStdString() << ", class " << s.className.toStdString()
        << ", dir " << s.classDir.toStdString() << ", " << s.header.size() << "+" << s.source.size()
        << " characters, Modified " << s.modified << ", FirstSave " << s.firstSave << ", Save "
        << s.saveEnabled << ", SaveBitBtn " << s.saveButtonEnabled << ", " << s.functions.size()
        << " functions}";
}

// While it lives, no file of this process may grow beyond `bytes`: a write past the limit fails
// with EFBIG (SIGXFSZ, which would end the process, is ignored), as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &oldAction_);
        getrlimit(RLIMIT_FSIZE, &oldLimit_);
        rlimit limit = oldLimit_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &oldLimit_);
        sigaction(SIGXFSZ, &oldAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit oldLimit_{};
    struct sigaction oldAction_ {};
    bool active_ = false;
};

}  // namespace tav::testing
