#pragma once
// A directory list: the open directory with the chain of directories above it, each indented
// under its parent, and the open directory's subdirectories below it. Activating an entry
// (double click, or Enter) opens that directory.
#include <QTreeWidget>

class TDirectoryList : public QTreeWidget {
    Q_OBJECT

public:
    explicit TDirectoryList(QWidget* parent = nullptr);

    // The open directory as an absolute, clean path with '/' separators.
    QString directory() const { return directory_; }
    // Opens path; returns false and changes nothing when it is not an existing directory.
    bool setDirectory(const QString& path);

signals:
    // The open directory changed; path as directory() gives it.
    void directoryChanged(const QString& path);

private:
    void rebuild();

    QString directory_;
};
