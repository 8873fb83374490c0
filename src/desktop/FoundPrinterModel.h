#pragma once
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "context/LocalDiscovery.h"
#include "context/TcpDiscovery.h"
#include "link/CommSettings.h"

namespace pelmora::desktop {

/// One port or address the searches asked, as the Find Printers window lists it.
struct FoundRow {
    QString port, link, speed, printer;
    QString description;          ///< what the system calls the port, or the host name typed
    link::CommSettings settings;  ///< what opens the printer
    bool usable = false;          ///< a printer the main window can be set to
    bool asking = false;          ///< a port whose answer has not come yet
};

/// The rows of the Find Printers window: this machine's ports first, then
/// what the network search found, each part replaced as its search reports.
class FoundPrinterModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Port, Link, Speed, Printer, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    /// The ports about to be asked, each waiting for its answer.
    void ListCandidates(const std::vector<context::LocalCandidate>& candidates);
    /// Fills in the rows of the ports done so far, the others still asking.
    void ShowAnswered(const std::vector<context::LocalAnswer>& answers);
    void ShowLocal(const context::LocalDiscoveryResult& result);
    void ShowTcp(const context::TcpDiscoveryResult& result);
    /// The row at `row`, or null.
    const FoundRow* At(int row) const;
    /// The first usable row, or -1.
    int FirstUsable() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Replace(std::vector<FoundRow>& part, std::vector<FoundRow> rows);

    std::vector<FoundRow> local_, tcp_;
};

}  // namespace pelmora::desktop
