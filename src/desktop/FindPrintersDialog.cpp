#include "desktop/FindPrintersDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>
#include <QVBoxLayout>

#include "desktop/OwnNetworks.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/CoreTexts.h"
#include "ui/QuietButton.h"

namespace pelmora::desktop {

namespace {

QString Count(std::uint64_t n) { return QString::number(n); }

}  // namespace

FindPrintersDialog::FindPrintersDialog(link::Platform& platform, LocalPortSource ports, QWidget* parent)
    : QDialog(parent),
      search_(platform, std::move(ports),
              {[this](const auto& candidates) { LocalListed(candidates); },
               [this](const auto& p) {
                   model_.ShowAnswered(p.answers);
                   ShowLocalCounts(p.tried, p.total, p.found);
               },
               [this](const auto& result) { LocalDone(result); },
               [this](const auto& p) { ShowTcpCounts(p, false); },
               [this](const auto& result, std::uint64_t total) { TcpDone(result, total); },
               [this](const std::string& error) { TcpRefused(error); }}) {
    setObjectName(QStringLiteral("findPrinters"));
    setWindowTitle(tr("Find Printers"));
    BuildControls();
    ui::NameControls(this);
    ui::AssignAccessKeys(this);
    Refresh();
    search_.StartLocal();
}

FindPrintersDialog::~FindPrintersDialog() = default;

void FindPrintersDialog::BuildControls() {
    auto* listLabel = new QLabel(tr("Printers found:"), this);
    view_ = new QTreeView(this);
    view_->setObjectName(QStringLiteral("foundList"));
    view_->setModel(&model_);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->header()->setStretchLastSection(true);
    view_->setMinimumSize(760, 200);
    listLabel->setBuddy(view_);
    localStatus_ = new QLabel(this);
    localStatus_->setObjectName(QStringLiteral("localStatus"));

    QGroupBox* network = BuildNetworkGroup();

    use_ = ui::QuietButton(tr("Use This Printer"), "useButton", this);
    auto* close = ui::QuietButton(tr("Close"), "closeButton", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(use_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(view_, 1);
    layout->addWidget(localStatus_);
    layout->addWidget(network);
    layout->addLayout(buttons);

    connect(start_, &QPushButton::clicked, this, &FindPrintersDialog::StartSearch);
    connect(targets_, &QLineEdit::returnPressed, this, &FindPrintersDialog::StartSearch);
    connect(targets_, &QLineEdit::textEdited, refusal_, &QLabel::hide);
    connect(cancel_, &QPushButton::clicked, this, &FindPrintersDialog::CancelSearch);
    // Enter and a double click activate a row.
    connect(view_, &QTreeView::activated, this, &FindPrintersDialog::Choose);
    connect(use_, &QPushButton::clicked, this, [this] { Choose(view_->currentIndex()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &FindPrintersDialog::Refresh);
}

QGroupBox* FindPrintersDialog::BuildNetworkGroup() {
    auto* network = new QGroupBox(tr("Network"), this);
    auto* targetsLabel = new QLabel(tr("Addresses:"), network);
    targets_ = new QLineEdit(QString::fromStdString([] {
        std::string joined;
        for (const std::string& target : OwnNetworkTargets()) joined += (joined.empty() ? "" : " ") + target;
        return joined;
    }()), network);
    targets_->setObjectName(QStringLiteral("targetsEdit"));
    targetsLabel->setBuddy(targets_);
    auto* portLabel = new QLabel(tr("TCP port:"), network);
    port_ = new QLineEdit(QString::number(link::kPrinterTcpPort), network);
    port_->setObjectName(QStringLiteral("searchPortEdit"));
    port_->setValidator(new QIntValidator(1, 65535, port_));
    port_->setMaximumWidth(port_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) * 2);
    portLabel->setBuddy(port_);
    start_ = ui::QuietButton(tr("Search"), "searchButton", network);
    cancel_ = ui::QuietButton(tr("Cancel"), "cancelButton", network);
    refusal_ = new QLabel(network);
    refusal_->setObjectName(QStringLiteral("targetsRefusal"));
    refusal_->setWordWrap(true);
    refusal_->hide();
    bar_ = new QProgressBar(network);
    bar_->setObjectName(QStringLiteral("searchBar"));
    bar_->setRange(0, 1);
    bar_->setValue(0);
    bar_->setFormat(QString());

    auto* grid = new QGridLayout(network);
    grid->addWidget(targetsLabel, 0, 0);
    grid->addWidget(targets_, 0, 1);
    grid->addWidget(portLabel, 0, 2);
    grid->addWidget(port_, 0, 3);
    grid->addWidget(start_, 0, 4);
    grid->addWidget(cancel_, 0, 5);
    grid->addWidget(refusal_, 1, 1, 1, 5);
    grid->addWidget(bar_, 2, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    return network;
}

void FindPrintersDialog::StartSearch() {
    if (search_.TcpRunning()) return;
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    const QStringList texts = targets_->text().split(separators, Qt::SkipEmptyParts);
    const int port = port_->text().toInt();
    refusal_->hide();
    if (texts.isEmpty() || port < 1 || port > 65535) {
        refusal_->setText(texts.isEmpty() ? tr("Type the addresses to search.") : tr("Type a TCP port from 1 to 65535."));
        refusal_->show();
        return;
    }
    std::vector<std::string> targets;
    for (const QString& text : texts) targets.push_back(text.toStdString());
    ShowTcpCounts({}, false);
    tcpCancelled_ = false;
    search_.StartTcp(std::move(targets), static_cast<std::uint16_t>(port));
    Refresh();
}

void FindPrintersDialog::LocalListed(const std::vector<context::LocalCandidate>& candidates) {
    localTotal_ = candidates.size();
    model_.ListCandidates(candidates);
    ShowLocalCounts(0, localTotal_, 0);
    Refresh();
}

void FindPrintersDialog::LocalDone(const context::LocalDiscoveryResult& result) {
    model_.ShowLocal(result);
    std::uint64_t found = 0;
    for (const auto& answer : result.answers) found += answer.id.Identified() && !answer.skipped;
    ShowLocalCounts(result.tried, localTotal_, found);
    Refresh();
    emit searchFinished();
}

void FindPrintersDialog::TcpDone(const context::TcpDiscoveryResult& result, std::uint64_t total) {
    model_.ShowTcp(result);
    std::uint64_t found = 0;
    for (const auto& answer : result.answers) found += answer.id.Identified();
    // A stop during the last identification leaves nothing untried, yet the search was cut short.
    ShowTcpCounts({result.tried, total, found}, result.stopped || tcpCancelled_);
    Refresh();
    emit searchFinished();
}

void FindPrintersDialog::TcpRefused(const std::string& error) {
    refusal_->setText(ui::CoreText(error));
    refusal_->show();
    Refresh();
    emit searchFinished();
}

void FindPrintersDialog::CancelSearch() {
    tcpCancelled_ = search_.TcpRunning();
    search_.Stop();
}

void FindPrintersDialog::done(int result) {
    search_.Stop();
    QDialog::done(result);
}

void FindPrintersDialog::Choose(const QModelIndex& index) {
    const FoundRow* row = model_.At(index.row());
    if (!row || !row->usable) return;
    emit printerChosen(row->settings);
    accept();
}

void FindPrintersDialog::ShowTcpCounts(const context::TcpDiscoveryProgress& p, bool stopped) {
    bar_->setRange(0, static_cast<int>(std::max<std::uint64_t>(p.total, 1)));
    bar_->setValue(static_cast<int>(p.tried));
    const QString counts = stopped ? tr("Stopped after %1 of %2 addresses, %3 found")
                                   : tr("%1 of %2 addresses, %3 found");
    bar_->setFormat(counts.arg(Count(p.tried), Count(p.total), Count(p.found)));
}

void FindPrintersDialog::ShowLocalCounts(std::uint64_t tried, std::uint64_t total, std::uint64_t found) {
    localStatus_->setText(total == 0
                              ? tr("This computer has no serial, Bluetooth or USB printer port.")
                              : tr("This computer's ports: %1 of %2 asked, %3 found")
                                    .arg(Count(tried), Count(total), Count(found)));
}

void FindPrintersDialog::Refresh() {
    if (!view_->currentIndex().isValid() && model_.FirstUsable() >= 0)
        view_->setCurrentIndex(model_.index(model_.FirstUsable(), 0));
    const FoundRow* row = model_.At(view_->currentIndex().row());
    use_->setEnabled(row && row->usable);
    start_->setEnabled(!search_.TcpRunning());
    targets_->setEnabled(!search_.TcpRunning());
    port_->setEnabled(!search_.TcpRunning());
    cancel_->setEnabled(Searching());
    for (int column = 0; column < FoundPrinterModel::Printer; ++column) view_->resizeColumnToContents(column);
}

}  // namespace pelmora::desktop
