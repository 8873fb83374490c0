#pragma once
#include <cstdint>

#include <QLocale>
#include <QString>

namespace pelmora::ui {

/// Base name of the translation file for a locale ("German" for German.qm), or
/// empty for English. Chinese goes by territory first (Taiwan, Hong Kong, Macau
/// traditional; China, Singapore simplified), then by script; other Chinese
/// and unlisted languages get none.
QString LanguageFile(const QLocale& locale);

/// The same table keyed by a Windows language id: primary = id & 0x3FF,
/// sublanguage = id >> 10.
QString LanguageFileForWindowsId(std::uint16_t languageId);

}  // namespace pelmora::ui
