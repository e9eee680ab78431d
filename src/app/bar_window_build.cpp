// Building the bar's elements from the layout file, stacking them and
// fitting their widths.
#include "app/bar_window.h"

#include "app/builtin_panels.h"
#include "app/elements.h"
#include "app/empty_bar_hint.h"
#include "app/folders.h"
#include "app/launcher_button.h"

namespace tolvex {
namespace {

const QString kLayoutSection = QStringLiteral("tolvexBar");

}  // namespace

void TwTolvexDesktop::BuildElements(int start) {
  int y = ContentHeight_;
  if (start <= 0) {
    ElementControls_->Clear();
    y = kHeaderHeight + 2;
    start = 1;
  }
  ResetBuiltInPanels();
  const int count = LayoutFile().ReadInteger(kLayoutSection, "Count", 0);
  const bool wasVisible = isVisible();
  hide();
  // The final step runs also when an element fails, so that the bar is
  // never left hidden; the error then passes on to be shown.
  struct TFinish {
    TwTolvexDesktop& bar;
    const int& y;
    bool visible;
    ~TFinish() {
      bar.ContentHeight_ = y;
      bar.FitHeight();
      if (visible) bar.show();
      bar.ElementControls_->ShowSnapIns();
    }
  } finish{*this, y, wasVisible};

  for (int n = start; n <= count; ++n) {
    const QString section = ElementSectionName(n);
    const QString type = LayoutFile().ReadString(section, "Type", " ");
    if (type.startsWith('P')) {
      auto* button = new TTolvexButton(this);
      button->LoadFromSection(LayoutFile(), n);
      ElementControls_->Append(button);
      PlaceElementControl(*this, *button, y);
      y += button->height();
      // Without a menu of its own the button leaves its context-menu request
      // to the bar, which opens pmElements for it.
      button->setAcceptDrops(true);
      button->installEventFilter(this);
    } else if (type.startsWith('S')) {
      TTolvexElement element;
      ReadElementSection(LayoutFile(), section, element);
      y = PlaceSnapIn(*this, *ElementControls_, SnapInFolderOf(element.SnapIn),
                      element.SnapInNumber, element.SnapIn, y);
    }
  }
  ShowEmptyBarHint(*this, ElementControls_->Count() == 0, y);
}

void TwTolvexDesktop::RestackElements() {
  ContentHeight_ = ElementControls_->Restack(kHeaderHeight + 2);
  FitHeight();
  if (!IsDocked()) RefreshPlacement();
}

void TwTolvexDesktop::FitHeight() {
  if (IsDocked()) {
    // A later switch to floating shows a bar just tall enough.
    SetFloatLeft(0);
    SetFloatTop(0);
    SetFloatRight(WindowRect().Width());
    SetFloatBottom(ContentHeight_);
    return;
  }
  const TRect window = WindowRect();
  PlaceFloating(window.left, window.top);
}

void TwTolvexDesktop::FitElementWidths() {
  if (ElementControls_) ElementControls_->FitWidths(width());
}

}  // namespace tolvex
