#pragma once
// The two versions of a big class that the crash-safety test saves over each other. They differ
// in every line and in length, so a file that holds a mix or a part of them shows.
#include <QString>

namespace tav::crash {

// The file names of the class in its directory.
inline const QString kHeaderName = QStringLiteral("Big.h");
inline const QString kSourceName = QStringLiteral("Big.cpp");

// Pane text ('\n' between lines) of version 0 or 1: about 200 KB of header and 1 MB of source.
inline QString headerText(int version) {
    QString text = QStringLiteral("class Big\n{\npublic:\n");
    const int members = version == 0 ? 5000 : 5200;
    for (int i = 0; i < members; ++i) {
        text +=
            QStringLiteral("    int member%1_v%2; // r\u00e9sum\u00e9 %1\n").arg(i).arg(version);
    }
    return text + QStringLiteral("};\n");
}

inline QString sourceText(int version) {
    QString text = QStringLiteral("#include \"Big.h\"\n");
    const int functions = version == 0 ? 9000 : 9400;
    for (int i = 0; i < functions; ++i) {
        text += QStringLiteral("int Big::function%1_v%2() {\n    return member%1_v%2 * %1;\n}\n\n")
                    .arg(i)
                    .arg(version);
    }
    return text;
}

}  // namespace tav::crash
