#pragma once
#include <QDialog>

namespace pelmora::desktop {

/// "About Pelmora": the program name and version, and "OK".
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace pelmora::desktop
