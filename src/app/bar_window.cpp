// The bar window: creation, the docking and state operations, the bar's
// messages and its destruction.
#include "app/bar_window.h"

#include <tolvex/snapin.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <exception>

#include "app/bar_artwork.h"
#include "app/icon_loader.h"
#include "app/error_display.h"
#include "app/dial_up_notices.h"
#include "app/first_instance.h"
#include "app/folders.h"
#include "app/ras_component.h"
#include "controls/action.h"
#include "controls/button.h"
#include "controls/file_drag.h"
#include "controls/image_list.h"
#include "platform/desktop.h"
#include "platform/memory.h"
#include "platform/session_watch.h"
#include "platform/single_instance.h"
#include "shared/main_window.h"
#include "shared/tolvexbar_info.h"

namespace tolvex {
namespace {

const QString kSystem = QStringLiteral("System");
// By then the bar has painted, its icons and panels are loaded and what the
// start needed only for a while is freed.
constexpr int kStartSettledMs = 1000;

// Window positions on the desktop fit in 16 bits. A stored position beyond
// that comes from a damaged file; keeping to it keeps the placement's
// arithmetic from overflowing.
int SanePosition(int stored) {
  return std::clamp(stored, -32768, 32767);
}

}  // namespace

TwTolvexDesktop::TwTolvexDesktop() {
  // A second start hands over to the running bar and ends inside.
  IsFirstInstance();
  setObjectName(QStringLiteral("TwTolvexDesktop"));
  setWindowTitle(QStringLiteral("TolvexBar"));
  // The user reaches for the bar while another program's window is active:
  // its hints show all the same.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  SetMainWindow(this);
  files_ = PrepareConfiguration();
  ElementControls_ = std::make_unique<TElementControls>(*this);
  IconLoader_ = new TIconLoader(*this);
  connect(IconLoader_, &TIconLoader::HeightsChanged, this, &TwTolvexDesktop::RestackElements);
  CreateComponents();

  // No resizing by the user: the bar is always 104 pixels wide.
  SetFlags(abfAllowLeft | abfAllowRight | abfAllowFloat);
  resize(kBarWidth, height());
  SetVertDockSize(kBarWidth);
  SetHorzSizeInc(0);
  SetVertSizeInc(0);
  SetMinWidth(kBarWidth);
  SetMaxWidth(kBarWidth);

  ApplyStartupSettings();
  snapInFolder_ = tolvex::SnapInFolder();
  BuildElements(0);
  AddBarSubmenu(*pmElements_);
  platform::SingleInstance().SetActivationHandler([this] { ActivateBar(); });
  // The end of the session ends the bar as "&Beenden" does.
  platform::SessionWatch().Watch([] { QCoreApplication::exit(0); },
                                 [this] { SaveWithoutDisplay(); });
  connect(qApp, &QCoreApplication::aboutToQuit, this, &TwTolvexDesktop::SaveAtShutdown);
  show();
  QTimer::singleShot(kStartSettledMs, this, [] { platform::ReturnFreedMemory(); });
}

TwTolvexDesktop::~TwTolvexDesktop() {
  platform::SessionWatch().Watch(nullptr, nullptr);
  platform::SingleInstance().SetActivationHandler(nullptr);
  FormDestroy();
}

void TwTolvexDesktop::CreateComponents() {
  QFont font = this->font();
  font.setPointSize(8);
  setFont(font);
  // The header shows the active caption's colours, as the title bar would.
  pnHeader_ = new QWidget(this);
  pnHeader_->setObjectName(QStringLiteral("pnHeader"));
  pnHeader_->setAutoFillBackground(true);
  QPalette header = pnHeader_->palette();
  header.setColor(QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
  header.setColor(QPalette::Button, header.color(QPalette::Window));
  header.setColor(QPalette::WindowText,
                  palette().color(QPalette::Active, QPalette::HighlightedText));
  header.setColor(QPalette::ButtonText, header.color(QPalette::WindowText));
  pnHeader_->setPalette(header);
  pnHeader_->setGeometry(0, 0, kBarWidth, kHeaderHeight);

  bvTopLine_ = new QFrame(this);
  bvTopLine_->setObjectName(QStringLiteral("bvTopLine"));
  bvTopLine_->setFrameShape(QFrame::HLine);
  bvTopLine_->setFrameShadow(QFrame::Sunken);
  bvTopLine_->setGeometry(0, kHeaderHeight, kBarWidth, 2);

  ilSmallButtons_ = new TtxImageList(QSize(16, 8), this);
  for (int i = sbAlwaysOnTopOn; i <= sbAutoHideOffRight; ++i) {
    ilSmallButtons_->Add(SmallButtonImage(TSmallButtonImage(i)));
  }

  fdFileDrag_ = new TFileDrag(this);
  connect(fdFileDrag_, &TFileDrag::OnDrop, this,
          [this](TFileDrag* sender, int, int) { fdFileDragDrop(sender->Files()); });

  piTolvexBar_ = CreateTolvexBarInfo(this);
  txRas_ = new TtxRas32(this);
  ForwardDialUpNotices(*txRas_);
  CreateActions();
  CreateMenus();

  btMainButton_ = new TrButton(pnHeader_);
  btMainButton_->setObjectName(QStringLiteral("btMainButton"));
  btMainButton_->setGeometry(0, 0, 75, kHeaderHeight);
  btMainButton_->SetCaption(QStringLiteral("tolvexBar"));
  btMainButton_->SetPicture(MainButtonGlyph(devicePixelRatioF()));
  btMainButton_->SetHint(QStringLiteral("tolvexBar-Systemmenü"));
  btMainButton_->SetColor(header.color(QPalette::Window));
  connect(btMainButton_, &TrButton::Clicked, this, &TwTolvexDesktop::btMainButtonClick);

  btAutoHide_ = new TrButton(pnHeader_);
  btAutoHide_->setObjectName(QStringLiteral("btAutoHide"));
  btAutoHide_->setGeometry(75, 0, 23, 12);
  btAutoHide_->SetImageList(ilSmallButtons_);
  btAutoHide_->SetColorFocused(palette().color(QPalette::Button));

  btAlwaysOnTop_ = new TrButton(pnHeader_);
  btAlwaysOnTop_->setObjectName(QStringLiteral("btAlwaysOnTop"));
  btAlwaysOnTop_->setGeometry(75, 12, 23, 12);
  btAlwaysOnTop_->SetImageList(ilSmallButtons_);
  btAlwaysOnTop_->SetColorFocused(palette().color(QPalette::Button));
  for (TrButton* button : {btMainButton_, btAutoHide_, btAlwaysOnTop_}) {
    button->setPalette(header);
    button->SetTabStop(true);
  }
  // The state buttons show only their image: they take the action's hint,
  // not its caption. The auto-hide button works also while its menu entry
  // is disabled (floating): it docks the bar then.
  btAutoHide_->SetHint(acAutoHide_->Hint());
  connect(btAutoHide_, &TrButton::Clicked, this, &TwTolvexDesktop::acAutoHideExecute);
  btAlwaysOnTop_->SetHint(acAlwaysOnTop_->Hint());
  connect(btAlwaysOnTop_, &TrButton::Clicked, acAlwaysOnTop_, &QAction::trigger);
}

void TwTolvexDesktop::ApplyStartupSettings() {
  TtxIniFile& config = ConfigFile();
  SetDocked(config.ReadBool(kSystem, "Taskbar", true));
  SetStayOnTop(config.ReadBool(kSystem, "StayOnTop", true));
  SetAutoHideState(config.ReadBool(kSystem, "AutoHide", false));
  SetTaskEntry(config.ReadBool(kSystem, "ShowTaskEntry", false) ? abtShow : abtFloatDependent);
  SetDragAndDrop(config.ReadBool(kSystem, "DragAndDrop", true));
  const int left = config.ReadInteger(kSystem, "Left", -1);
  const int top = config.ReadInteger(kSystem, "Top", -1);
  if (!IsDocked() && left != -1 && top != -1) {
    const TRect work = platform::Desktop().WorkArea();
    const TRect window = WindowRect();
    int x = SanePosition(left);
    if (x > work.right - window.Width()) {
      x = work.right - window.Width();
    } else if (x < work.left) {
      x = work.left;
    }
    const int y = SanePosition(top);
    SetWindowRect(TRect{x, y, x + window.Width(), y + window.Height()});
  }
}

void TwTolvexDesktop::SetDocked(bool docked) {
  TtxIniFile& config = ConfigFile();
  const int alignment = config.ReadInteger(kSystem, "Alignment", 0);
  if (docked) {
    if (alignment == 0) {
      PlaceAtEdge(abeLeft);
    } else if (alignment == 1) {
      PlaceAtEdge(abeRight);
    }
    RefreshPlacement();
  } else {
    PlaceAtEdge(abeFloat);
    RefreshPlacement();
    int left = WindowRect().left;
    if (alignment == 0) {
      left = 0;
    } else if (alignment == 1) {
      left = platform::Desktop().WorkArea().right - kBarWidth;
    }
    PlaceFloating(left, 0);
  }
  if (config.ReadBool(kSystem, "Taskbar", docked) != docked) {
    config.WriteBool(kSystem, "Taskbar", docked);
  }
}

void TwTolvexDesktop::FitFloatingHeight() {
  const int frameHeight = WindowRect().Height() - height();
  SetMinHeight(frameHeight + ContentHeight_);
  SetMaxHeight(frameHeight + ContentHeight_);
}

void TwTolvexDesktop::PlaceFloating(int left, int top) {
  FitFloatingHeight();
  // The floating rectangle is where the toolbar puts a floating bar each
  // time it is placed; it follows the content's height.
  const TRect rect{left, top, left + kBarWidth, top + MinHeight()};
  SetFloatLeft(rect.left);
  SetFloatTop(rect.top);
  SetFloatRight(rect.right);
  SetFloatBottom(rect.bottom);
  SetWindowRect(rect);
}

void TwTolvexDesktop::SetAutoHideState(bool on) {
  SetAutoHide(on);
  btAutoHide_->SetImageIndex(AutoHideImage(IsDocked() ? Edge() : abeFloat, on));
  acAutoHide_->setChecked(on);
}

void TwTolvexDesktop::SetStayOnTop(bool on) {
  SetAlwaysOnTop(on);
  btAlwaysOnTop_->SetImageIndex(on ? sbAlwaysOnTopOn : sbAlwaysOnTopOff);
  acAlwaysOnTop_->setChecked(on);
}

bool TwTolvexDesktop::DragAndDrop() const {
  return acDragAndDrop_->isChecked();
}

void TwTolvexDesktop::SetDragAndDrop(bool on) {
  acDragAndDrop_->setChecked(on);
  fdFileDrag_->SetEnableDrop(on);
}

void TwTolvexDesktop::ApplyEdgeStyle(bool duringMove, TAppBarEdge edge) {
  TAppBar::ApplyEdgeStyle(duringMove, edge);
  // The components do not exist yet while the base class places the window
  // for the first time.
  if (btAutoHide_ == nullptr) return;
  btAutoHide_->SetImageIndex(AutoHideImage(edge, AutoHide()));
  if (edge != abeFloat) {
    acTaskbar_->setChecked(true);
    miAutoHide_->setEnabled(true);
  } else {
    acTaskbar_->setChecked(false);
    miAutoHide_->setEnabled(false);
    FitFloatingHeight();
  }
}

void TwTolvexDesktop::ActivateBar() {
  AppBarMessage(abmActivate, Edge());
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

bool TwTolvexDesktop::event(QEvent* event) {
  switch (int(event->type())) {
    case kRestackMessage:
      RestackElements();
      return true;
    case kActivateMessage:
      ActivateBar();
      return true;
    case kRebuildMessage:
      BuildElements(int(MessageWParam(*event)));
      return true;
    default:
      return TAppBar::event(event);
  }
}

void TwTolvexDesktop::resizeEvent(QResizeEvent* event) {
  TAppBar::resizeEvent(event);
  pnHeader_->resize(width(), kHeaderHeight);
  bvTopLine_->resize(width(), 2);
  FitElementWidths();
}

void TwTolvexDesktop::moveEvent(QMoveEvent* event) {
  TAppBar::moveEvent(event);
  if (!IsDocked()) lastFloatingRect_ = WindowRect();
}

void TwTolvexDesktop::closeEvent(QCloseEvent* event) {
  // A close request ends the program without the panels saving their state.
  ElementControls_->Clear();
  TAppBar::closeEvent(event);
}

void TwTolvexDesktop::FormDestroy() {
  SaveAtShutdown();
  ElementControls_.reset();
}

void TwTolvexDesktop::SaveAtShutdown() {
  if (saved_) return;
  saved_ = true;
  try {
    WriteShutdownSettings(WindowRect());
  } catch (const std::exception& error) {
    ShowErrorMessage(QString::fromUtf8(error.what()));
  }
  // The panels are freed after their save, as destruction would.
  ElementControls_->Clear();
}

void TwTolvexDesktop::SaveWithoutDisplay() {
  if (saved_) return;
  saved_ = true;
  try {
    WriteShutdownSettings(lastFloatingRect_);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tolvexBar: %s\n", error.what());
  }
}

void TwTolvexDesktop::WriteShutdownSettings(const TRect& window) {
  TtxIniFile& config = ConfigFile();
  // One write of the file: a kill in between leaves the old or the new one.
  TtxIniBatch batch(config);
  ElementControls_->SaveBuiltInPanelSettings();
  const bool docked = IsDocked();
  config.WriteInteger(kSystem, "Left", docked ? -1 : window.left);
  config.WriteInteger(kSystem, "Top", docked ? -1 : window.top);
  // Compared with what the next start would read: a missing key means the
  // start-up default, so a floating bar must write "Taskbar" to stay so.
  if (config.ReadBool(kSystem, "Taskbar", true) != docked) {
    config.WriteBool(kSystem, "Taskbar", docked);
  }
  const bool dragAndDrop = DragAndDrop();
  if (config.ReadBool(kSystem, "DragAndDrop", true) != dragAndDrop) {
    config.WriteBool(kSystem, "DragAndDrop", dragAndDrop);
  }
  batch.Commit();
}

}  // namespace tolvex
