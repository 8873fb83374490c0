#pragma once
#include <string>
#include <vector>

#include <QDialog>
#include <QTimer>

#include "nv/NvManager.h"
#include "context/Layout.h"

class QAbstractItemView;
class QCheckBox;
class QLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTableWidget;

namespace pelmora::nv {
class NvEngine;
}

namespace pelmora::ui {

class JobWindowHost;
class Prompts;

class NvPreview;

/// The NV image manager: the operator's bitmaps with their brightness, and the
/// images the printer holds. The desktop layout has the preview, the slider
/// and the status line; the handheld layout shows the same lists and buttons
/// on a small portrait screen. Printer work goes through `manager`, whose jobs
/// run in `host`'s progress window, which holds the brightness timer while
/// they run; the catalogue is loaded on opening and saved
/// when the window closes in any way.
class NvImageManager final : public QDialog {
    Q_OBJECT
public:
    /// The link is open and `nv.addressList()` freshly read.
    NvImageManager(context::Layout layout, nv::NvEngine& nv, nv::NvManager& manager, JobWindowHost& host,
                   Prompts& prompts, QWidget* parent = nullptr);
    ~NvImageManager() override;

    /// The brightness timer's period: the slider reaches the current image within it.
    static constexpr int kSliderPollMs = 200;

    /// The job texts and the messages that differ between the layouts.
    static const nv::NvJobVariant& JobVariant(context::Layout layout);

    std::int32_t currentNumber() const { return currentNumber_; }
    NvPreview* preview() const { return preview_; }

public slots:
    void AddImage();
    void RemoveImages();
    void Reset();
    void Download();
    void Refresh();
    void Print();
    void RemoveStored();
    void RemoveAll();
    void PrintAll();
    /// The slider timer's tick: the slider's value to the current image.
    void Tick();
    void done(int result) override;

private:
    enum Column { ColumnNumber, ColumnName, ColumnSize };
    /// The buttons both layouts place; the check box and the dialect's buttons go to members.
    struct Buttons {
        QPushButton *add, *remove, *reset, *download, *printAll, *print, *removeAll, *exit;
    };
    Buttons MakeButtons(const QString& autoAddressingText);
    void NameRemoveButtons(const Buttons& b, const QString& files, const QString& stored);
    void BuildDesktop();
    QLayout* BuildPreviewColumn();
    void BuildImageTable();
    void BuildHandheld();
    void ApplyDialect();
    void LoadCatalogue();
    void SelectRow(int row);
    void FollowSelection();
    QList<int> SelectedRows() const;
    void FillImages();
    void FillAddresses();
    void UpdateStatus();
    void SetPreviewPath(const QString& path);
    std::optional<std::string> AskCode(const std::vector<std::string>& stored);
    /// The stored code selected, with its index; false after "Please select address!".
    bool SelectedCode(int& index, std::string& code);
    void ShowFailure(const nv::NvOutcome& outcome);
    /// Stores the image list the first time; why it could not be, or "".
    std::string SaveOnce();

    // Titles: the window's boxes, the application's own, and the question's.
    QString BoxTitle() const;
    QString DefaultTitle() const;
    void Say(const QString& title, const QString& text, bool exclamation = false);
    QPushButton* Button(const QString& text, const char* name);

    context::Layout layout_;
    nv::NvEngine& nv_;
    nv::NvManager& manager_;
    Prompts& prompts_;
    std::int32_t currentNumber_ = -1;
    int lastSliderPosition_ = 0;
    bool saved_ = false;
    std::vector<std::string> shownCodes_;
    QTimer timer_;

    NvPreview* preview_ = nullptr;
    QSlider* slider_ = nullptr;
    QCheckBox* asPrinted_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;       // desktop
    QListWidget* fileList_ = nullptr;     // handheld
    QAbstractItemView* images_ = nullptr; // whichever of the two
    QListWidget* addresses_ = nullptr;
    QCheckBox* autoAddressing_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* removeStored_ = nullptr;
};

}  // namespace pelmora::ui
