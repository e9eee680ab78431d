// Building the bar's elements from the layout file, stacking them and
// fitting their widths.
#include "app/bar_window.h"

#include <QTimer>

#include "app/builtin_panels.h"
#include "app/elements.h"
#include "app/ini_file.h"
#include "app/empty_bar_hint.h"
#include "app/folders.h"
#include "app/icon_loader.h"
#include "app/launcher_button.h"
#include "app/snapin_module.h"

namespace tolvex {
namespace {

// How often a rebuild asked for by a running plug-in looks again whether
// the plug-in has returned.
constexpr int kPlugInReturnCheckMs = 20;

}  // namespace

void TwTolvexDesktop::BuildElements(int start) {
  // A build unloads and loads plug-ins: never under the code of one that
  // asked for it (it sent message 2028 from its own code). It waits until
  // that code has returned.
  if (IsPlugInRunning()) {
    QTimer::singleShot(kPlugInReturnCheckMs, this, [this, start] { BuildElements(start); });
    return;
  }
  int y = ContentHeight_;
  if (start <= 0) {
    ElementControls_->Clear();
    IconLoader_->Clear();
    y = kHeaderHeight + 2;
    start = 1;
  }
  ResetBuiltInPanels();
  // One read of the layout file for the whole build.
  const TtxIniReadScope reading(LayoutFile());
  const int count = ReadElementCount(LayoutFile());
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
      bar.IconLoader_->Start();
    }
  } finish{*this, y, wasVisible};

  for (const int n : StoredElementNumbers(LayoutFile(), start, count)) {
    const QString section = ElementSectionName(n);
    const QString type = LayoutFile().ReadString(section, "Type", " ");
    if (type.startsWith('P')) {
      auto* button = new TTolvexButton(this);
      button->LoadFromSection(LayoutFile(), n, true);
      IconLoader_->Add(*button);
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
      if (element.SnapInNumber == 1) {
        ReportSnapInOutsideFolder(LayoutFile().ReadString(section, "SnapIn", {}), snapInFolder_);
      }
      y = PlaceSnapIn(*this, *ElementControls_, SnapInFolderOf(element.SnapIn),
                      element.SnapInNumber, element.SnapIn, y);
    }
  }
  ShowEmptyBarHint(*this, ElementControls_->Count() == 0, y);
}

void TwTolvexDesktop::LoadPendingIcons() { IconLoader_->Finish(); }

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
