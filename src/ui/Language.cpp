#include "ui/Language.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace pelmora::ui {

namespace {

struct LanguageRow {
    QLocale::Language language;
    std::uint16_t primary;
    const char* file;
    // Chinese only: which sublanguages, territories and script pick the row.
    std::vector<std::uint16_t> sublanguages{};
    std::vector<QLocale::Territory> territories{};
    QLocale::Script script = QLocale::AnyScript;
};

const std::vector<LanguageRow>& Table() {
    static const std::vector<LanguageRow> rows{
        {QLocale::Chinese, 0x04, "TraditionalChinese", {1, 3, 5},
         {QLocale::Taiwan, QLocale::HongKong, QLocale::Macao}, QLocale::TraditionalChineseScript},
        {QLocale::Chinese, 0x04, "SimplifiedChinese", {2, 4},
         {QLocale::China, QLocale::Singapore}, QLocale::SimplifiedChineseScript},
        {QLocale::German, 0x07, "German"},
        {QLocale::Spanish, 0x0A, "Spanish"},
        {QLocale::French, 0x0C, "French"},
        {QLocale::Hungarian, 0x0E, "Hungarian"},
        {QLocale::Italian, 0x10, "Italian"},
        {QLocale::Japanese, 0x11, "Japanese"},
        {QLocale::Korean, 0x12, "Korean"},
        {QLocale::Polish, 0x15, "Polish"},
        {QLocale::Russian, 0x19, "Russian"},
    };
    return rows;
}

template <typename T>
bool Contains(const std::vector<T>& values, T value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

QString LanguageFile(const QLocale& locale) {
    const auto& rows = Table();
    // A territory names the written form more surely than a script Qt may
    // have guessed, so all territories are tried before any script.
    for (const LanguageRow& row : rows)
        if (row.language == locale.language() && (row.territories.empty() || Contains(row.territories, locale.territory())))
            return QString::fromLatin1(row.file);
    for (const LanguageRow& row : rows)
        if (row.language == locale.language() && row.script != QLocale::AnyScript && row.script == locale.script())
            return QString::fromLatin1(row.file);
    return {};
}

QString LanguageFileForWindowsId(std::uint16_t languageId) {
    const std::uint16_t primary = languageId & 0x3FF;
    const std::uint16_t sublanguage = languageId >> 10;
    for (const LanguageRow& row : Table())
        if (row.primary == primary && (row.sublanguages.empty() || Contains(row.sublanguages, sublanguage)))
            return QString::fromLatin1(row.file);
    return {};
}

}  // namespace pelmora::ui
