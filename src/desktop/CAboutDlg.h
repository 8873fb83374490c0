#pragma once
#include <QDialog>

namespace pelmora::desktop {

/// "About Pelmora": the program name and version, and "OK".
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace pelmora::desktop
