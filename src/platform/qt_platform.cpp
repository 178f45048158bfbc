#include "platform/qt_platform.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>

#include "platform/help_viewer.h"

namespace tav {

QString toQtFileFilter(const QString& filter) {
    if (filter.isEmpty()) return {};
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        if (i + 1 >= parts.size()) {
            entries.append(description);
            continue;
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        QString name = description;
        name.remove(trailingPatterns);
        entries.append(name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString wrappableText(const QString& text) {
    constexpr qsizetype kLongestRun = 30;
    const QChar breakHere(0x200B);
    QString result;
    result.reserve(text.size() + text.size() / kLongestRun + 8);
    qsizetype wordStart = 0;
    while (wordStart < text.size()) {
        qsizetype wordEnd = wordStart;
        while (wordEnd < text.size() && !text[wordEnd].isSpace()) ++wordEnd;
        const QStringView word = QStringView(text).sliced(wordStart, wordEnd - wordStart);
        if (word.size() <= kLongestRun) {
            result += word;
        } else {
            qsizetype run = 0;
            for (qsizetype i = 0; i < word.size(); ++i) {
                result += word[i];
                ++run;
                const bool last = i + 1 == word.size();
                const bool separator = word[i] == u'/' || word[i] == u'\\';
                if (!last && !word[i].isHighSurrogate() && (separator || run >= kLongestRun)) {
                    result += breakHere;
                    run = 0;
                }
            }
        }
        // The white space after the word, as it stands.
        wordStart = wordEnd;
        while (wordStart < text.size() && text[wordStart].isSpace()) result += text[wordStart++];
    }
    return result;
}

MessageAnswer QtPlatform::messageBox(QWidget* owner, const QString& text, const QString& caption,
                                     MessageIcon icon, MessageButtons buttons) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            qtIcon = QMessageBox::NoIcon;
            break;
        case MessageIcon::Warning:
            qtIcon = QMessageBox::Warning;
            break;
        case MessageIcon::Error:
            qtIcon = QMessageBox::Critical;
            break;
    }
    // The first button is the default (No for YesNoDefaultNo); closing the box answers like its
    // last button.
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    QMessageBox::StandardButton closing = QMessageBox::Ok;
    MessageAnswer closedAnswer = MessageAnswer::Ok;
    switch (buttons) {
        case MessageButtons::Ok:
            break;
        case MessageButtons::YesNo:
            standard = QMessageBox::Yes | QMessageBox::No;
            first = QMessageBox::Yes;
            closing = QMessageBox::No;
            closedAnswer = MessageAnswer::No;
            break;
        case MessageButtons::YesNoDefaultNo:
            standard = QMessageBox::Yes | QMessageBox::No;
            first = QMessageBox::No;
            closing = QMessageBox::No;
            closedAnswer = MessageAnswer::No;
            break;
        case MessageButtons::YesNoCancel:
            standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            first = QMessageBox::Yes;
            closing = QMessageBox::Cancel;
            closedAnswer = MessageAnswer::Cancel;
            break;
    }
    QMessageBox box(qtIcon, caption, wrappableText(text), standard, owner);
    // A screen reader reads the text as it was given.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(text);
    box.setDefaultButton(first);
    box.setEscapeButton(closing);
    box.exec();

    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return closedAnswer;
    }
}

int QtPlatform::runModal(QDialog* dialog) {
    return dialog->exec() == ModalOk ? ModalOk : ModalCancel;
}

namespace {
QString chooseFile(QWidget* owner, const QString& filter, bool forSaving) {
    const QString qtFilter = toQtFileFilter(filter);
    QString selected = qtFilter.section(QStringLiteral(";;"), 0, 0);
    return forSaving
               ? QFileDialog::getSaveFileName(owner, QString(), QString(), qtFilter, &selected)
               : QFileDialog::getOpenFileName(owner, QString(), QString(), qtFilter, &selected);
}
}  // namespace

QString QtPlatform::chooseOpenFile(QWidget* owner, const QString& filter) {
    return chooseFile(owner, filter, false);
}

QString QtPlatform::chooseSaveFile(QWidget* owner, const QString& filter) {
    return chooseFile(owner, filter, true);
}

void QtPlatform::help(QWidget* owner, const QString& fileName, int command, int data) {
    report(owner, showHelp(owner, fileName, command, data), MessageIcon::Warning);
}

}  // namespace tav
