#include "desktop/ToolColumn.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QuietButton.h"

namespace pelmora::desktop {

namespace {

// The column is as wide as its longest caption in the language shown, with
// room around it: a long German caption would otherwise touch the frame.
void LeaveRoomAround(QPushButton* button) {
    const int room = button->fontMetrics().height();
    button->setMinimumWidth(button->sizeHint().width() + 2 * room);
}

// The tools share the height beside the settings, so no blank stands above "Exit".
QPushButton* ToolButton(QWidget* owner, const QString& text, const char* name) {
    QPushButton* button = ui::QuietButton(text, name, owner);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    LeaveRoomAround(button);
    return button;
}

}  // namespace

// The texts keep the main window's context, where the translations hold them.
ToolColumn BuildToolColumn(QWidget* owner, bool firmwareManager) {
    ToolColumn c;
    c.vmsm = ToolButton(owner, QCoreApplication::translate("pelmora::desktop::MainWindow",
                                                           "Virtual Memory Switch Manager"), "vmsmButton");
    c.nv = ToolButton(owner, QCoreApplication::translate("pelmora::desktop::MainWindow", "NV Image Manager"),
                      "nvButton");
    c.firmware = ToolButton(owner, QCoreApplication::translate("pelmora::desktop::MainWindow", "Firmware Manager"),
                            "firmwareButton");
    // Below the others, so that their access keys stay as operators know them.
    c.find = ToolButton(owner, QCoreApplication::translate("pelmora::desktop::MainWindow", "Find Printers..."),
                        "findButton");
    c.exit = ui::QuietButton(QCoreApplication::translate("pelmora::desktop::MainWindow", "Exit"), "exitButton", owner);
    c.exit->setDefault(true);
    LeaveRoomAround(c.exit);
    // Kept out of reach unless a service technician asks for it.
    c.firmware->setVisible(firmwareManager);
    c.firmware->setEnabled(firmwareManager);

    c.layout = new QVBoxLayout;
    for (QPushButton* button : {c.vmsm, c.nv, c.firmware, c.find, c.exit}) c.layout->addWidget(button);
    return c;
}

}  // namespace pelmora::desktop
