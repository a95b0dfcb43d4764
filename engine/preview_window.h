#pragma once
// The modal report preview: TPrev shows the laid-out report one page at a
// time on a page bitmap of one pixel per 1/100 inch, zooms it, and prints one
// page or all after the print dialog.
#include <QDialog>
#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/preview_state.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStatusBar;
class QToolButton;

namespace engine {

class PreviewPanel;
class UpDownControl;

class TPrev : public QDialog {
  Q_OBJECT

 public:
  // Lays the report out anew and shows page 1.
  explicit TPrev(QWidget* owner = nullptr);
  ~TPrev() override;

  void ShowPage(int32_t pageNumber);

  const PreviewState& State() const { return *state_; }
  const QImage& PageImage() const { return pageImage_; }

  // Controls, named as the form names them.
  QFrame* Panel1 = nullptr;
  QToolButton* PrintOnePage = nullptr;
  QToolButton* PrintAll = nullptr;
  QToolButton* FirstPage = nullptr;
  QToolButton* PrevPage = nullptr;
  QToolButton* NextPage = nullptr;
  QToolButton* LastPage = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  UpDownControl* UpDown1 = nullptr;
  QToolButton* ZoomIn = nullptr;
  QToolButton* ZoomOut = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  PreviewPanel* previewpanel = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

  void PrintOnePageClick();
  void PrintAllClick();
  void FirstPageClick();
  void PrevPageClick();
  void NextPageClick();
  void LastPageClick();
  void ZoomInClick();
  void ZoomOutClick();
  void ComboBox1Change();
  void UpDown1Changing();
  void Edit1Change();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
  void ReadPaperSize();
  void ComputeImageSize();
  void PagingTail();
  void UpdateStatus();
  void ApplyShownSize();
  // ShowPage once for each change of the page or of the shown size: showing
  // and maximising the window re-apply the zoom, and a page whose picture
  // cannot be read would say so each time it is drawn.
  void Refresh();

  struct DrawnView {
    int32_t page;
    int32_t width;
    int32_t height;
    bool operator==(const DrawnView&) const = default;
  };
  std::optional<DrawnView> drawn_;

  double paperWidth_ = 8.5;
  double paperHeight_ = 11.0;
  bool landscape_ = false;
  int32_t pageWidth_ = 850;
  int32_t pageHeight_ = 1100;
  QImage pageImage_;
  std::unique_ptr<PreviewState> state_;
  bool building_ = true;
};

// The preview export's road: lay out, show TPrev modally, free it. With no
// display the layout is still made (later prints use it) and a line on
// standard error says that no preview can be shown.
void RunPreview();

}  // namespace engine
