#include "ui/CoreTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

#include "context/FailureCause.h"

namespace pelmora::ui {

namespace {

// Every text the runners, the job flows and the firmware download produce,
// registered so that the translation tools pick them up.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("CoreText", "Port open error!"),
    QT_TRANSLATE_NOOP("CoreText", "Port Open Error!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Printer model is not matched!"),
    QT_TRANSLATE_NOOP("CoreText", "Printer Model name not matched...!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get printer version!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get Printer version..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set factory default!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get Codepage..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get MSR Mode..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW1 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW2 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW3 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW5 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW6 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW7 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW8 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get tear off position!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read SW51 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW1 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW2 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW3 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW4 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read track1 sentinal code!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read track1 Sentinel code!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read track2 sentinal code!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read track2 Sentinel code!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read track3 sentinal code!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read track3 Sentinel code!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read RF Interface!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read RFInterface info!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth connection mode!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth connection mode!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth device name!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth device name!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth PIN code!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth pin code!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth encryption infomation!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read Bluetooth encryption info..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get code page!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to get MSR mode!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW1 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW1..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW2 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW2..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW3 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW3..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW5 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW5..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW6 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW6..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW7 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW7..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW8 data!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read MSW8..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW1..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW2..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW3..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read IFSW4..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set initial command!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to write setting end command!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to write setting end cmd!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Bluetooth infomation!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Bluetooth info!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Init command..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW1..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW2..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW3..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW5..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW6..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW7..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set MSW8..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set IFSW1 data!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set SW51 data!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set IFSW2 data!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set IFSW3 data!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set IFSW4 data!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set sentinal character of track1!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Sentinal char of Track1!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set sentinal character of track2!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Sentinal char of Track2!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set sentinal character of track3!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Sentinal char of Track3!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set RF Interface!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set RFInterface info!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set Init Cmd..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set serial infomation!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to set serial info..!!"),
    QT_TRANSLATE_NOOP("CoreText", "Virtual Memory Switch Manager"),
    QT_TRANSLATE_NOOP("CoreText", "0 %"),
    QT_TRANSLATE_NOOP("CoreText", "Get status"),
    QT_TRANSLATE_NOOP("CoreText", "Set status"),
    QT_TRANSLATE_NOOP("CoreText", "Get Status..."),
    QT_TRANSLATE_NOOP("CoreText", "Set Status..."),
    QT_TRANSLATE_NOOP("CoreText", "Processing..."),
    QT_TRANSLATE_NOOP("CoreText", "Get Status"),
    QT_TRANSLATE_NOOP("CoreText", "Set Status"),
    QT_TRANSLATE_NOOP("CoreText", "Pelmora"),
    QT_TRANSLATE_NOOP("CoreText", "Success to set VMSM configuration! \r\nPlease reset printer power."),
    QT_TRANSLATE_NOOP("CoreText", "Failed to save VMSM configuration!\r\nPlease check your printer state."),
    QT_TRANSLATE_NOOP("CoreText", "VMSM Manager Utility"),
    QT_TRANSLATE_NOOP("CoreText", "Success to Set VMSM!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to save Virtual memory switch!!\r\nPlease Check your printer state"),
    QT_TRANSLATE_NOOP("CoreText", "Total Manager Utility"),
    QT_TRANSLATE_NOOP("CoreText", "Download process is stoped..."),
    QT_TRANSLATE_NOOP("CoreText", "NV Image Manager"),
    QT_TRANSLATE_NOOP("CoreText", "Progressing..."),
    QT_TRANSLATE_NOOP("CoreText", "Open port..."),
    QT_TRANSLATE_NOOP("CoreText", "Check printer..."),
    QT_TRANSLATE_NOOP("CoreText", "Get NV image address..."),
    QT_TRANSLATE_NOOP("CoreText", "Delete selected NV image..."),
    QT_TRANSLATE_NOOP("CoreText", "Delete all NV image..."),
    QT_TRANSLATE_NOOP("CoreText", "Start download..."),
    QT_TRANSLATE_NOOP("CoreText", "Print all NV image..."),
    QT_TRANSLATE_NOOP("CoreText", "Print selected NV image..."),
    QT_TRANSLATE_NOOP("CoreText", "Finish download..."),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read NV image address!"),
    QT_TRANSLATE_NOOP("CoreText", " Not supported operation!"),
    QT_TRANSLATE_NOOP("CoreText", " Failed to write data!\r\nPlease check your printer."),
    QT_TRANSLATE_NOOP("CoreText", "Without a BMP file being selected."),
    QT_TRANSLATE_NOOP("CoreText", "NV image area too small!"),
    QT_TRANSLATE_NOOP("CoreText", "Get Nv Address list"),
    QT_TRANSLATE_NOOP("CoreText", "Delete seleted Nv address"),
    QT_TRANSLATE_NOOP("CoreText", "Delete All Nv address area"),
    QT_TRANSLATE_NOOP("CoreText", "Download Image...."),
    QT_TRANSLATE_NOOP("CoreText", "Print NV All Image..."),
    QT_TRANSLATE_NOOP("CoreText", "Print selected NV Image..."),
    QT_TRANSLATE_NOOP("CoreText", "Open Port.."),
    QT_TRANSLATE_NOOP("CoreText", "Check Printer..."),
    QT_TRANSLATE_NOOP("CoreText", "Get NV Address"),
    QT_TRANSLATE_NOOP("CoreText", "Delete Selected NV Image"),
    QT_TRANSLATE_NOOP("CoreText", "Delete all NV Image"),
    QT_TRANSLATE_NOOP("CoreText", "Download Start...."),
    QT_TRANSLATE_NOOP("CoreText", "Print All NV image"),
    QT_TRANSLATE_NOOP("CoreText", "Print selected NV Image"),
    QT_TRANSLATE_NOOP("CoreText", "Finish Downloading...."),
    QT_TRANSLATE_NOOP("CoreText", "Failed to read NV Image address!"),
    QT_TRANSLATE_NOOP("CoreText", " Failed to write data!\r\nPlease Check your printer!"),
    QT_TRANSLATE_NOOP("CoreText", "Failed to write data!\r\nPlease Check your printer!"),
    QT_TRANSLATE_NOOP("CoreText", "Without a bitmap file being selected."),
    QT_TRANSLATE_NOOP("CoreText", "NV-bitimage area too small!"),
    QT_TRANSLATE_NOOP("CoreText", "No free address code left!"),
    QT_TRANSLATE_NOOP("CoreText", "Cancel to download image."),
    QT_TRANSLATE_NOOP("CoreText", "Failed to load image file!"),
    QT_TRANSLATE_NOOP("CoreText", "Address code needs two characters!"),
    QT_TRANSLATE_NOOP("CoreText", "Exists address!"),
    QT_TRANSLATE_NOOP("CoreText", "Ready firmware download."),
    QT_TRANSLATE_NOOP("CoreText", "Firmware is downloading...Don't turn off the printer!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Finished to download firmware and Reset the printer!"),
    QT_TRANSLATE_NOOP("CoreText", "Error : File Open Error!"),
    QT_TRANSLATE_NOOP("CoreText", "Error : OpenPort! Please check printer"),
    QT_TRANSLATE_NOOP("CoreText", "Error : Send Failed!"),
    QT_TRANSLATE_NOOP("CoreText", "Success to download firmware!"),
    QT_TRANSLATE_NOOP("CoreText", "Image file has no pixels!"),
    // A save the operator cancelled.
    QT_TRANSLATE_NOOP("CoreText", "Saving was cancelled. Nothing was written to the printer."),
    QT_TRANSLATE_NOOP("CoreText", "Saving was cancelled after it had begun: some settings may already be on the printer.\r\n"
                                  "Read the settings again before you change them."),
    // The sentinel window's error box: "Invalid value!", a break, then one of the others.
    QT_TRANSLATE_NOOP("CoreText", "Invalid value!"),
    QT_TRANSLATE_NOOP("CoreText", "Invalid HEXA Format!!"),
    QT_TRANSLATE_NOOP("CoreText", "Sentinel length is over 10 ( length range : 1~10 )"),
    QT_TRANSLATE_NOOP("CoreText", "Sentinel is invalid value (0x20~0x7F)"),
};

// Texts the core composes around a number or a file name.
constexpr const char* kPatterns[] = {
    QT_TRANSLATE_NOOP("CoreText", "Get status : %1 %"),
    QT_TRANSLATE_NOOP("CoreText", "Set status : %1 %"),
    QT_TRANSLATE_NOOP("CoreText", "Get Status : %1 %"),
    QT_TRANSLATE_NOOP("CoreText", "Set Status : %1 %"),
    QT_TRANSLATE_NOOP("CoreText", "Completed....: %1 %"),
    QT_TRANSLATE_NOOP("CoreText", "Completed..: %1 %"),
    QT_TRANSLATE_NOOP("CoreText", "%1 Downloading..."),
    QT_TRANSLATE_NOOP("CoreText", "Image is too flat: no row is left at %1 dots wide!"),
    QT_TRANSLATE_NOOP("CoreText", "Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!"),
};

// Each place becomes a group in the order of its number; a place written twice
// ("%2 ... %2") matches the same words both times, so the groups stay one per place.
QRegularExpression MatchFor(const QString& source) {
    static const QRegularExpression place(QStringLiteral("%([1-9])"));
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    int groups = 0;
    for (auto it = place.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        expression += QRegularExpression::escape(source.mid(from, found.capturedStart() - from));
        const int number = found.captured(1).toInt();
        expression += number <= groups ? QStringLiteral("\\%1").arg(number) : QStringLiteral("(.+)");
        groups = std::max(groups, number);
        from = found.capturedEnd();
    }
    return QRegularExpression(expression + QRegularExpression::escape(source.mid(from)) + QLatin1Char('$'));
}

struct Pattern {
    const char* source;
    QRegularExpression match;
};

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> built;
        for (const char* source : kPatterns) built.push_back({source, MatchFor(QString::fromUtf8(source))});
        // Why a port did not open or a query failed: the core's own table, marked there for translation.
        for (const auto& [cause, source] : context::AllCauseTemplates())
            built.push_back({source, MatchFor(QString::fromUtf8(source))});
        return built;
    }();
    return patterns;
}

bool IsText(const std::string& text) {
    for (const char* known : kTexts)
        if (text == known) return true;
    return false;
}

}  // namespace

namespace {
bool MatchesPattern(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    for (const Pattern& pattern : Patterns())
        if (pattern.match.match(shown).hasMatch()) return true;
    return false;
}

// Where the longest leading lines that are one known text end (npos: none do).
std::size_t MessageEnd(const std::string& text) {
    for (auto brk = text.rfind("\r\n"); brk != std::string::npos && brk > 0; brk = text.rfind("\r\n", brk - 1)) {
        const std::string head = text.substr(0, brk);
        if (IsText(head) || MatchesPattern(head)) return brk;
    }
    return std::string::npos;
}
}  // namespace

QString CoreText(const std::string& text) {
    if (IsText(text)) return QCoreApplication::translate(kCoreTextContext, text.c_str());
    // A message with causes below it: the message (which may span lines
    // itself), then each cause by itself; a new cause text needs no window change.
    if (const auto brk = MessageEnd(text); brk != std::string::npos)
        return CoreText(text.substr(0, brk)) + QStringLiteral("\r\n") + CoreText(text.substr(brk + 2));
    const QString shown = QString::fromStdString(text);
    for (const Pattern& pattern : Patterns()) {
        const QRegularExpressionMatch found = pattern.match.match(shown);
        if (!found.hasMatch()) continue;
        QString translated = QCoreApplication::translate(kCoreTextContext, pattern.source);
        for (int i = 1; i <= found.lastCapturedIndex(); ++i) translated = translated.arg(found.captured(i));
        return translated;
    }
    return shown;
}

bool IsCoreTextRegistered(const std::string& text) {
    if (IsText(text)) return true;
    if (const auto brk = MessageEnd(text); brk != std::string::npos)
        return IsCoreTextRegistered(text.substr(brk + 2));
    const QString shown = QString::fromStdString(text);
    for (const Pattern& pattern : Patterns())
        if (pattern.match.match(shown).hasMatch()) return true;
    return false;
}

}  // namespace pelmora::ui
