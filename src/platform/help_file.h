#pragma once
// The help file format. A line "@topic <key> <title>" starts a topic; the lines up to the next such
// line are its body, in Markdown. The key is the word "contents" or a context number (the numbers
// the dialogs' Help buttons send). Lines before the first topic are comments. A topic with a key
// that is neither, or with a key met before, is skipped with its body.
#include <QString>
#include <map>
#include <optional>

namespace tav {

struct HelpTopic {
    QString title;
    QString body;  // Markdown, without leading and trailing empty lines
};

struct HelpFile {
    std::optional<HelpTopic> contents;
    std::map<int, HelpTopic> topics;  // by context number
};

HelpFile parseHelpFile(const QString& text);

}  // namespace tav
