#pragma once
// The class style kept in the user's settings (organisation and application "Tavrin"), so that
// a choice lasts across runs. A new user gets the classic profile.
#include <QString>
#include <QStringList>

#include "style/class_style.h"

class QSettings;

namespace tav {

// The settings' organisation and application: ~/.config/Tavrin/Tavrin.conf.
inline const QString kSettingsOwner = QStringLiteral("Tavrin");

ClassStyle loadClassStyle(const QSettings& settings);
// The folders where the headers of base classes are looked for, after the class directory.
QStringList loadIncludePaths(const QSettings& settings);
void saveIncludePaths(QSettings& settings, const QStringList& folders);
void saveClassStyle(QSettings& settings, const ClassStyle& style);

// The style a class in directory is written with now: the saved one, this year's, with the
// indentation that .editorconfig files in directory or above give C++ files.
ClassStyle styleForDirectory(const ClassStyle& saved, const QString& directory);

}  // namespace tav
