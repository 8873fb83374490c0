#pragma once
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace pelmora::desktop {

/// The main window's buttons, one above the other beside the communication
/// settings: the tools fill the column above "Exit".
struct ToolColumn {
    QVBoxLayout* layout = nullptr;
    QPushButton* find = nullptr;
    QPushButton* vmsm = nullptr;
    QPushButton* nv = nullptr;
    QPushButton* firmware = nullptr;  ///< shown and enabled only for `firmwareManager`
    QPushButton* exit = nullptr;      ///< the default button
};

ToolColumn BuildToolColumn(QWidget* owner, bool firmwareManager);

}  // namespace pelmora::desktop
