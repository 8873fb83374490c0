// Every window of pelmora_ce fits the handheld's portrait screen, with
// finger-sized controls and a name for each.
#include <QComboBox>
#include <QRadioButton>

#include "HandheldRig.h"
#include "handheld/FormFactor.h"
#include "ui/Accessibility.h"
#include "ui/JobProgressDialog.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

namespace {

QString Fits(QWidget& window) {
    const QSize hint = window.sizeHint().expandedTo(window.minimumSizeHint());
    if (hint.width() > kScreenSize.width() || hint.height() > kScreenSize.height())
        return QString("%1 wants %2x%3").arg(window.objectName()).arg(hint.width()).arg(hint.height());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool touched = qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
                             qobject_cast<QLineEdit*>(control);
        if (touched && control->minimumSizeHint().expandedTo(control->minimumSize()).height() < kFingerHeight)
            return control->objectName() + " is too small for a finger";
    }
    const QStringList unnamed = ui::UnnamedControls(&window);
    return unnamed.isEmpty() ? QString() : "unnamed: " + unnamed.join(", ");
}

}  // namespace

class FormFactorTest : public QObject {
    Q_OBJECT
private slots:
    void connectionScreenFitsInBothModes() {
        for (const bool tcp : {false, true}) {
            HandheldRig rig;
            if (tcp) rig.StoreTcp();
            auto w = rig.Open();
            QCOMPARE(Fits(*w), QString());
        }
    }

    // The longest lists: firmware 101001 (37 code pages) and the nine-entry MSR list.
    void everyStepFits() {
        for (const std::uint32_t firmware : {101001u, 160902u, 11059u}) {
            StepRig rig(firmware, '5');
            for (int step = 1; step <= kWizardSteps; ++step)
                QCOMPARE(Fits(*rig.Make(static_cast<WizardStep>(step))), QString());
        }
    }

    void progressWindowFits() {
        ui::JobProgressDialog dialog(ui::JobLayout::Handheld);
        QCOMPARE(Fits(dialog), QString());
    }
};

QTEST_MAIN(FormFactorTest)
#include "FormFactorTest.moc"
