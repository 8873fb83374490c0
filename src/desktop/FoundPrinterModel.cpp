#include "desktop/FoundPrinterModel.h"

#include <QPalette>

#include "context/TcpAddress.h"
#include "desktop/CommRules.h"
#include "ui/CoreTexts.h"

namespace pelmora::desktop {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString LinkName(std::int32_t portType) {
    return portType >= 0 && portType < static_cast<int>(kInterfaceNames.size())
               ? QString::fromLatin1(kInterfaceNames[static_cast<std::size_t>(portType)])
               : QString();
}

QString Why(const context::Identification& id) {
    QString text = ui::CoreText(id.message);
    if (!id.cause.empty()) text += QLatin1Char(' ') + ui::CoreText(id.cause);
    return text;
}

// The printer's own texts are Latin-1, as the command line reads them.
QString PrinterText(const context::Identification& id) {
    return FoundPrinterModel::tr("%1, firmware %2 (%3)")
        .arg(QString::fromLatin1(id.modelName), QString::number(id.firmwareVersion),
             QString::fromLatin1(id.versionText));
}

FoundRow LocalRow(const context::LocalCandidate& candidate) {
    FoundRow row;
    row.port = Q(candidate.port);
    row.link = LinkName(candidate.portType);
    row.description = Q(candidate.description);
    return row;
}

FoundRow RowFor(const context::LocalAnswer& answer) {
    FoundRow row = LocalRow(answer.candidate);
    row.settings = answer.settings;
    row.usable = !answer.skipped && answer.id.Identified();
    if (answer.candidate.portType != link::PortUsb && row.usable) row.speed = QString::number(answer.settings.baudRate);
    row.printer = answer.skipped         ? FoundPrinterModel::tr("Skipped: %1").arg(Why(answer.id))
                  : answer.id.Identified() ? PrinterText(answer.id)
                                           : FoundPrinterModel::tr("Not ours: %1").arg(Why(answer.id));
    return row;
}

FoundRow RowFor(const context::TcpAnswer& answer) {
    FoundRow row;
    row.port = Q(context::PrinterAddressText(answer.address, answer.port));
    row.link = LinkName(link::PortTcp);
    row.description = Q(answer.hostName);
    row.settings = {link::PortTcp, link::NetPort(answer.address), answer.port, 8, 0, 0, 0};
    if (!answer.id.Identified()) {
        row.printer = FoundPrinterModel::tr("Not ours: %1").arg(Why(answer.id));
        return row;
    }
    row.printer = PrinterText(answer.id);
    // The main window's address box holds dotted IPv4 only.
    row.usable = context::IsDottedIpv4(answer.address);
    if (!row.usable) row.printer = FoundPrinterModel::tr("%1; the main window takes IPv4 addresses only").arg(row.printer);
    return row;
}

}  // namespace

void FoundPrinterModel::ListCandidates(const std::vector<context::LocalCandidate>& candidates) {
    std::vector<FoundRow> rows;
    for (const auto& candidate : candidates) {
        rows.push_back(LocalRow(candidate));
        rows.back().printer = tr("Asking...");
        rows.back().asking = true;
    }
    Replace(local_, std::move(rows));
}

void FoundPrinterModel::ShowAnswered(const std::vector<context::LocalAnswer>& answers) {
    for (const auto& answer : answers) {
        const auto at = static_cast<std::size_t>(answer.order);
        if (at >= local_.size() || !local_[at].asking) continue;
        local_[at] = RowFor(answer);
        const int row = static_cast<int>(at);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void FoundPrinterModel::ShowLocal(const context::LocalDiscoveryResult& result) {
    std::vector<FoundRow> rows;
    for (const auto& answer : result.answers) rows.push_back(RowFor(answer));
    Replace(local_, std::move(rows));
}

void FoundPrinterModel::ShowTcp(const context::TcpDiscoveryResult& result) {
    std::vector<FoundRow> rows;
    for (const auto& answer : result.answers) rows.push_back(RowFor(answer));
    Replace(tcp_, std::move(rows));
}

void FoundPrinterModel::Replace(std::vector<FoundRow>& part, std::vector<FoundRow> rows) {
    beginResetModel();
    part = std::move(rows);
    endResetModel();
}

const FoundRow* FoundPrinterModel::At(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    const auto index = static_cast<std::size_t>(row);
    return index < local_.size() ? &local_[index] : &tcp_[index - local_.size()];
}

int FoundPrinterModel::FirstUsable() const {
    for (int row = 0; row < rowCount(); ++row)
        if (At(row)->usable) return row;
    return -1;
}

int FoundPrinterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(local_.size() + tcp_.size());
}

int FoundPrinterModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant FoundPrinterModel::data(const QModelIndex& index, int role) const {
    const FoundRow* row = At(index.row());
    if (!row) return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Port: return row->port;
        case Link: return row->link;
        case Speed: return row->speed;
        case Printer: return row->printer;
        default: return {};
        }
    // A long reason is cut in its column; the tip holds all of it.
    case Qt::ToolTipRole:
        return row->description.isEmpty() ? row->printer : row->description + QLatin1Char('\n') + row->printer;
    // What cannot be chosen reads as such, and still tells why.
    case Qt::ForegroundRole:
        return row->usable ? QVariant() : QPalette().brush(QPalette::Disabled, QPalette::Text);
    default: return {};
    }
}

QVariant FoundPrinterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Port: return tr("Port");
    case Link: return tr("Interface");
    case Speed: return tr("Speed");
    case Printer: return tr("Printer");
    default: return {};
    }
}

}  // namespace pelmora::desktop
