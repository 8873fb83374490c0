#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace pelmora::ui {

/// Where `<Name>.qm` is looked for, in order: beside the executable, then the
/// installed translations folder (share/pelmora/translations beside the bin
/// folder the program runs from).
QStringList TranslationFolders();

/// Installs the translation LanguageFile(locale) names from the first folder
/// that holds a loadable one, and Qt's own (standard buttons, file dialog) in
/// the same language. Returns the base name loaded, or empty: nothing found or
/// loadable is not an error, the program then shows English.
QString InstallLanguage(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

}  // namespace pelmora::ui
