#include "ui/ListTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

namespace pelmora::ui {

namespace {

// The labels and entries of vmsm::lists that are words, registered so that
// the translation tools pick them up.
[[maybe_unused]] constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("ConfigListText", "Printing Density"),
    QT_TRANSLATE_NOOP("ConfigListText", "Printing Speed"),
    QT_TRANSLATE_NOOP("ConfigListText", "Default Code Page"),
    QT_TRANSLATE_NOOP("ConfigListText", "Default Font Type"),
    QT_TRANSLATE_NOOP("ConfigListText", "Double Byte Font Mode"),
    QT_TRANSLATE_NOOP("ConfigListText", "Printer Service"),
    QT_TRANSLATE_NOOP("ConfigListText", "tear off position"),
    QT_TRANSLATE_NOOP("ConfigListText", "Beep For Roll Paper End"),
    QT_TRANSLATE_NOOP("ConfigListText", "Beep Mode For Low Battery End"),
    QT_TRANSLATE_NOOP("ConfigListText", "Auto Power Off Time (Not Connected)"),
    QT_TRANSLATE_NOOP("ConfigListText", "Auto Power Saving Time (Connected)"),
    QT_TRANSLATE_NOOP("ConfigListText", "MSR Trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Sentinal Option"),
    QT_TRANSLATE_NOOP("ConfigListText", "Baud Rate"),
    QT_TRANSLATE_NOOP("ConfigListText", "Data Bits"),
    QT_TRANSLATE_NOOP("ConfigListText", "Parity"),
    QT_TRANSLATE_NOOP("ConfigListText", "Stop Bits"),
    QT_TRANSLATE_NOOP("ConfigListText", "Authentication & Encryption"),
    QT_TRANSLATE_NOOP("ConfigListText", "Connection Mode"),
    QT_TRANSLATE_NOOP("ConfigListText", "PIN Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Printer Name"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track1 Start Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track2 Start Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track3 Start Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track1 End Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track2 End Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track3 End Code"),
    QT_TRANSLATE_NOOP("ConfigListText", "Font A ( 12 x 24 )"),
    QT_TRANSLATE_NOOP("ConfigListText", "Font B ( 9 x 17 ) "),
    QT_TRANSLATE_NOOP("ConfigListText", "Font C ( 9 x 24 )"),
    QT_TRANSLATE_NOOP("ConfigListText", "A font(12x24)"),
    QT_TRANSLATE_NOOP("ConfigListText", "B font(9x24)"),
    QT_TRANSLATE_NOOP("ConfigListText", "Receipt"),
    QT_TRANSLATE_NOOP("ConfigListText", "Label"),
    QT_TRANSLATE_NOOP("ConfigListText", "On"),
    QT_TRANSLATE_NOOP("ConfigListText", "Off"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 1/2/3 read mode command"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 1 read mode AUTO trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 2 read mode AUTO trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 3 read mode AUTO trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 1/2 read mode AUTO trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 2/3 read mode AUTO trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Track 1/2/3 read mode AUTO trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "Not used MSR trigger"),
    QT_TRANSLATE_NOOP("ConfigListText", "None"),
    QT_TRANSLATE_NOOP("ConfigListText", "Static Sentinal"),
    QT_TRANSLATE_NOOP("ConfigListText", "Dynamic Sentinal"),
    QT_TRANSLATE_NOOP("ConfigListText", "Odd"),
    QT_TRANSLATE_NOOP("ConfigListText", "Even"),
    QT_TRANSLATE_NOOP("ConfigListText", "Disable"),
    QT_TRANSLATE_NOOP("ConfigListText", "Enable"),
    QT_TRANSLATE_NOOP("ConfigListText", "Mode 1"),
    QT_TRANSLATE_NOOP("ConfigListText", "Mode 2"),
    QT_TRANSLATE_NOOP("ConfigListText", "Mode 3"),
};

// "None" for a parity, where gendered languages need another form than for the sentinel.
struct Disambiguated {
    const char* source;
    const char* comment;
};
[[maybe_unused]] constexpr Disambiguated kParityNone = QT_TRANSLATE_NOOP3("ConfigListText", "None", "parity");

}  // namespace

QString ListText(const std::string& entry, const char* use) {
    return QCoreApplication::translate(kListTextContext, entry.c_str(), use);
}

QString LabelText(const std::string& label) { return ListText(label).replace(QLatin1Char('&'), QLatin1String("&&")); }

void FillList(QComboBox* list, const vmsm::lists::Entries& entries, std::uint32_t index, const char* use) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& entry : entries) list->addItem(ListText(entry, use));
    list->setCurrentIndex(index < entries.size() ? static_cast<int>(index) : -1);
}

QComboBox* FieldList(QWidget* page, const char* name, const vmsm::lists::Entries& entries, std::uint32_t& field,
                     const char* use) {
    auto* list = new QComboBox(page);
    list->setObjectName(QLatin1String(name));
    FillList(list, entries, field, use);
    QObject::connect(list, &QComboBox::currentIndexChanged, page, [&field](int index) {
        if (index >= 0) field = static_cast<std::uint32_t>(index);
    });
    return list;
}

}  // namespace pelmora::ui
