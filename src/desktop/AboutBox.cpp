#include "desktop/AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AccessKeys.h"

namespace pelmora::desktop {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("About Pelmora"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    icon->setAccessibleName(tr("Pelmora"));
    auto* text = new QLabel(tr("Pelmora %1").arg(QApplication::applicationVersion()), this);
    text->setObjectName(QStringLiteral("aboutText"));
    auto* license = new QLabel(tr("License: %1").arg(QStringLiteral(PELMORA_LICENSE)), this);
    license->setObjectName(QStringLiteral("licenseText"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    auto* texts = new QVBoxLayout;
    texts->addWidget(text);
    texts->addWidget(license);
    row->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    text->setMinimumWidth(160);
    ui::AssignAccessKeys(this);
}

}  // namespace pelmora::desktop
