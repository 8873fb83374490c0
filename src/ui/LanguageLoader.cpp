#include "ui/LanguageLoader.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/Language.h"

namespace pelmora::ui {

QStringList TranslationFolders() {
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.path(), QDir::cleanPath(programs.filePath(QStringLiteral(PELMORA_TRANSLATIONS_FROM_BINDIR)))};
}

QString InstallLanguage(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    const QString name = LanguageFile(locale);
    if (name.isEmpty()) return {};
    // The translators live as long as the application: texts are looked up
    // until the last window closes.
    auto* ours = new QTranslator(&app);
    const auto found = std::find_if(folders.begin(), folders.end(), [&](const QString& folder) {
        return ours->load(name, folder);
    });
    if (found == folders.end()) {
        delete ours;
        return {};
    }
    app.installTranslator(ours);
    // Qt's own texts only with ours, so a program left in English never shows
    // translated standard buttons.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return name;
}

}  // namespace pelmora::ui
