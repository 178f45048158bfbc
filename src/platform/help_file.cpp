#include "platform/help_file.h"

#include <QRegularExpression>
#include <QStringList>

namespace tav {

namespace {

const QString kDirective = QStringLiteral("@topic");

// A context number: plain decimal digits, small enough for an int.
std::optional<int> contextNumber(const QString& key) {
    if (key.isEmpty() || key.size() > 9) return std::nullopt;
    for (QChar c : key) {
        if (c < u'0' || c > u'9') return std::nullopt;
    }
    return key.toInt();
}

bool isBlank(const QString& line) { return line.trimmed().isEmpty(); }

QString joinBody(const QStringList& lines) {
    qsizetype first = 0;
    qsizetype last = lines.size();
    while (first < last && isBlank(lines[first])) ++first;
    while (last > first && isBlank(lines[last - 1])) --last;
    return lines.mid(first, last - first).join(u'\n');
}

}  // namespace

HelpFile parseHelpFile(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    HelpFile help;

    // The topic being read; none before the first directive and while skipping a bad topic.
    std::optional<HelpTopic> current;
    std::optional<int> currentNumber;
    bool currentIsContents = false;
    QStringList body;

    auto finish = [&] {
        if (current) {
            current->body = joinBody(body);
            if (currentIsContents) {
                help.contents = std::move(current);
            } else {
                help.topics.emplace(*currentNumber, std::move(*current));
            }
        }
        current.reset();
        body.clear();
    };

    for (const QString& line : text.split(lineBreak)) {
        const bool directive =
            line.startsWith(kDirective) &&
            (line.size() == kDirective.size() || line.at(kDirective.size()).isSpace());
        if (!directive) {
            if (current) body.append(line);
            continue;
        }
        finish();
        const QString rest = line.mid(kDirective.size()).trimmed();
        static const QRegularExpression blank(QStringLiteral("\\s"));
        const qsizetype space = rest.indexOf(blank);
        const QString key = space < 0 ? rest : rest.left(space);
        const QString title = space < 0 ? QString() : rest.mid(space).trimmed();

        currentIsContents = key == u"contents";
        currentNumber = currentIsContents ? std::nullopt : contextNumber(key);
        const bool known = currentIsContents ? help.contents.has_value()
                                             : currentNumber && help.topics.count(*currentNumber);
        if ((currentIsContents || currentNumber) && !known) {
            current = HelpTopic{title, {}};
            if (title.isEmpty()) {
                current->title = currentIsContents ? QStringLiteral("Contents")
                                                   : QStringLiteral("Topic %1").arg(*currentNumber);
            }
        }
    }
    finish();
    return help;
}

}  // namespace tav
