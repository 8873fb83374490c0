#pragma once
#include <QDialog>

#include "desktop/FindPrintersSearch.h"
#include "desktop/FoundPrinterModel.h"
#include "link/CommSettings.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace pelmora::desktop {

/// "Find Printers": asks this machine's serial, Bluetooth and USB ports as
/// it opens, and the network addresses the operator gives (prefilled with a
/// slice of each of this machine's networks) on "Search". Choosing a printer
/// hands its settings over and closes the window; closing stops the searches.
class FindPrintersDialog final : public QDialog {
    Q_OBJECT
public:
    FindPrintersDialog(link::Platform& platform, LocalPortSource ports, QWidget* parent = nullptr);
    ~FindPrintersDialog() override;

    const FoundPrinterModel& rows() const { return model_; }
    bool Searching() const { return search_.LocalRunning() || search_.TcpRunning(); }

signals:
    void printerChosen(const link::CommSettings& settings);
    /// A search reported done (the local one or the network's).
    void searchFinished();

public slots:
    void StartSearch();
    void CancelSearch();
    void done(int result) override;

private:
    void BuildControls();
    QGroupBox* BuildNetworkGroup();
    void Choose(const QModelIndex& index);
    void LocalListed(const std::vector<context::LocalCandidate>& candidates);
    void LocalDone(const context::LocalDiscoveryResult& result);
    void TcpDone(const context::TcpDiscoveryResult& result, std::uint64_t total);
    void TcpRefused(const std::string& error);
    void ShowTcpCounts(const context::TcpDiscoveryProgress& p, bool stopped);
    void ShowLocalCounts(std::uint64_t tried, std::uint64_t total, std::uint64_t found);
    void Refresh();

    FoundPrinterModel model_;
    std::uint64_t localTotal_ = 0;
    bool tcpCancelled_ = false;
    QTreeView* view_ = nullptr;
    QLabel* localStatus_ = nullptr;
    QLineEdit* targets_ = nullptr;
    QLineEdit* port_ = nullptr;
    QLabel* refusal_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* use_ = nullptr;
    // Last, so the searches stop before anything they report to goes.
    FindPrintersSearch search_;
};

}  // namespace pelmora::desktop
