#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include "DesktopRig.h"
#include "ui/Accessibility.h"
#include "ui/Language.h"
#include "ui/LanguageLoader.h"

using namespace pelmora;

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void localeTable() {
        const struct {
            QLocale::Language language;
            QLocale::Script script;
            QLocale::Territory territory;
            const char* file;
        } cases[] = {
            {QLocale::Chinese, QLocale::AnyScript, QLocale::Taiwan, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::AnyScript, QLocale::HongKong, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::Macao, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::AnyScript, QLocale::China, "SimplifiedChinese"},
            {QLocale::Chinese, QLocale::AnyScript, QLocale::Singapore, "SimplifiedChinese"},
            {QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::UnitedStates, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::Malaysia, "SimplifiedChinese"},
            {QLocale::German, QLocale::AnyScript, QLocale::Austria, "German"},
            {QLocale::German, QLocale::AnyScript, QLocale::Switzerland, "German"},
            {QLocale::Spanish, QLocale::AnyScript, QLocale::Mexico, "Spanish"},
            {QLocale::French, QLocale::AnyScript, QLocale::Canada, "French"},
            {QLocale::Hungarian, QLocale::AnyScript, QLocale::Hungary, "Hungarian"},
            {QLocale::Italian, QLocale::AnyScript, QLocale::Italy, "Italian"},
            {QLocale::Japanese, QLocale::AnyScript, QLocale::Japan, "Japanese"},
            {QLocale::Korean, QLocale::AnyScript, QLocale::SouthKorea, "Korean"},
            {QLocale::Polish, QLocale::AnyScript, QLocale::Poland, "Polish"},
            {QLocale::Russian, QLocale::AnyScript, QLocale::Ukraine, "Russian"},
            {QLocale::Portuguese, QLocale::AnyScript, QLocale::Brazil, ""},
            {QLocale::English, QLocale::AnyScript, QLocale::UnitedStates, ""},
            {QLocale::C, QLocale::AnyScript, QLocale::AnyTerritory, ""},
        };
        for (const auto& c : cases) {
            const QLocale locale(c.language, c.script, c.territory);
            QVERIFY2(ui::LanguageFile(locale) == QString(c.file), qPrintable(locale.name()));
        }
    }

    void windowsIdTable() {
        const struct { std::uint16_t id; const char* file; } cases[] = {
            {0x0404, "TraditionalChinese"}, {0x0C04, "TraditionalChinese"}, {0x1404, "TraditionalChinese"},
            {0x0804, "SimplifiedChinese"},  {0x1004, "SimplifiedChinese"},  {0x0004, ""},
            {0x1804, ""},                   {0x7C04, ""},                   {0x0407, "German"},
            {0x0C07, "German"},             {0x0807, "German"},             {0x040A, "Spanish"},
            {0x0C0A, "Spanish"},            {0x040C, "French"},             {0x040E, "Hungarian"},
            {0x0410, "Italian"},            {0x0411, "Japanese"},           {0x0412, "Korean"},
            {0x0415, "Polish"},             {0x0419, "Russian"},            {0x0416, ""},
            {0x0816, ""},                   {0x0409, ""},                   {0x0000, ""},
        };
        for (const auto& c : cases)
            QVERIFY2(ui::LanguageFileForWindowsId(c.id) == QString(c.file), qPrintable(QString::number(c.id, 16)));
    }

    void missingTranslationIsSilentAndLeavesEnglish() {
        test::TempDir empty;
        const QString loaded = ui::InstallLanguage(*qApp, QLocale(QLocale::German),
                                                   {QString::fromStdString(empty.path().string())});
        QVERIFY(loaded.isEmpty());
        QCOMPARE(qApp->translate("pelmora::desktop::MainWindow", "Exit"), QString("Exit"));
    }

    void germanStartShowsGermanTexts() {
        test::TempDir empty;
        const QStringList folders{QString::fromStdString(empty.path().string()), PELMORA_QM_DIR};
        QCOMPARE(ui::InstallLanguage(*qApp, QLocale("de_DE"), folders), QString("German"));

        desktop::test::DesktopRig rig;
        const auto window = rig.Open();
        using desktop::test::Find;
        QCOMPARE(ui::SpokenText(Find<QPushButton>(*window, "exitButton")->text()), QString("Beenden"));
        QCOMPARE(ui::SpokenText(Find<QPushButton>(*window, "nvButton")->text()), QString("NV-Bildverwaltung"));
        const QStringList parity = desktop::test::Items(Find<QComboBox>(*window, "parityList"));
        QCOMPARE(parity.mid(0, 2), (QStringList{"KEINE", "ODD"}));  // fixed entries stay
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
