#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "ui/Accessibility.h"

using namespace pelmora::ui;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void spokenTextDropsMnemonicsAndColons() {
        const std::pair<QString, QString> cases[] = {
            {"&Exit", "Exit"},           {"Port :", "Port"},      {"Save && exit", "Save & exit"},
            {"  Baud rate:  ", "Baud rate"}, {"Status : ", "Status"}, {"", ""}, {"端口(&P)：", "端口"},
        };
        for (const auto& [caption, spoken] : cases) QCOMPARE(SpokenText(caption), spoken);
    }

    void controlsTakeTheirBuddysTextOrTheirOwnCaption() {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* portLabel = new QLabel("&Port:");
        auto* port = new QComboBox;
        portLabel->setBuddy(port);
        auto* named = new QLineEdit;
        named->setAccessibleName("Already named");
        auto* group = new QGroupBox("Download progress");
        auto* bar = new QProgressBar(group);
        auto* check = new QCheckBox("&Keep");
        auto* orphan = new QLineEdit;
        orphan->setObjectName("orphan");
        for (QWidget* w : std::initializer_list<QWidget*>{portLabel, port, named, group, check, orphan})
            layout->addWidget(w);

        NameControls(&window);
        QCOMPARE(port->accessibleName(), QString("Port"));
        QCOMPARE(named->accessibleName(), QString("Already named"));
        QCOMPARE(bar->accessibleName(), QString("Download progress"));
        QCOMPARE(check->accessibleName(), QString("Keep"));
        // A control with neither a label nor a caption is what the walk reports.
        QCOMPARE(UnnamedControls(&window), QStringList{"orphan"});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
