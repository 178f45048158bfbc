#include "document/class_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "document/text_pane.h"
#include "text/codec.h"

namespace tav {

namespace {

QString describe(const QString& what, const QString& path, const QString& why) {
    return QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), why);
}

}  // namespace

bool loadPaneFromFile(TextPane& pane, const QString& path, QString& error) {
    const QString what = QStringLiteral("Cannot read");
    QFileInfo info(path);
    if (info.isDir()) {
        error = describe(what, path, QStringLiteral("it is a directory"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = describe(what, path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = describe(what, path, file.errorString());
        return false;
    }
    const DecodedFile decoded = decodeFile(std::string_view(bytes.constData(), bytes.size()));
    pane.setWholeText(QString::fromStdString(decoded.text));
    pane.encoding = decoded.encoding;
    return true;
}

bool writePaneToFile(const TextPane& pane, const QString& path, QString& error) {
    const QString what = QStringLiteral("Cannot write");
    const std::optional<std::string> bytes = encodeFile(pane.wholeTextUtf8(), pane.encoding);
    if (!bytes) {
        error = describe(what, path,
                         QStringLiteral("the text holds characters that the file's 8-bit "
                                        "character set cannot store"));
        return false;
    }
    if (QFileInfo(path).isDir()) {
        error = describe(what, path, QStringLiteral("a directory has that name"));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = describe(what, path, file.errorString());
        return false;
    }
    const qint64 size = static_cast<qint64>(bytes->size());
    if (file.write(bytes->data(), size) != size) {
        error = describe(what, path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = describe(what, path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace tav
