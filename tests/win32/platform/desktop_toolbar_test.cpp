// The desktop toolbar on the shell's application-bar messages, with a real
// top-level window. Wine registers bars and answers the position messages,
// but keeps no auto-hide bars and does not shrink the work area.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "platform/desktop.h"
#include "platform/win32/win32_desktop_toolbar.h"

namespace tolvex::platform {
namespace {

// A plain top-level window of its own class, destroyed with the scope.
class TestWindow {
 public:
  TestWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TolvexToolbarTestWindow";
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Leiste", WS_POPUP,
                              0, 0, 80, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
  }
  ~TestWindow() { DestroyWindow(window_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  WindowId Id() const { return WindowId(window_); }
  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

struct Heard {
  int notification;
  bool flag;
};

class DesktopToolbarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(window_.Handle(), nullptr);
    ASSERT_TRUE(toolbar_.New(window_.Id(), [this](int notification, bool flag) {
      heard_.push_back({notification, flag});
    }));
  }
  void TearDown() override { toolbar_.Remove(window_.Id()); }

  TestWindow window_;
  Win32DesktopToolbar toolbar_;
  std::vector<Heard> heard_;
};

TEST_F(DesktopToolbarTest, RegistersAWindowOnce) {
  EXPECT_FALSE(toolbar_.New(window_.Id(), {}));
  EXPECT_TRUE(toolbar_.Remove(window_.Id()));
  EXPECT_FALSE(toolbar_.Remove(window_.Id()));
  EXPECT_TRUE(toolbar_.New(window_.Id(), {}));
}

TEST_F(DesktopToolbarTest, ProposesAndReservesAStripAtTheLeftEdge) {
  const Rect screen = Desktop().ScreenRect();
  Rect wish{0, 0, 80, screen.bottom};
  toolbar_.QueryPos(window_.Id(), 0, wish);
  EXPECT_EQ(wish.left, 0);
  EXPECT_GT(wish.Width(), 0);
  EXPECT_LE(wish.right, 80);
  Rect granted = wish;
  toolbar_.SetPos(window_.Id(), 0, granted);
  EXPECT_EQ(granted.left, 0);
  EXPECT_GT(granted.Height(), 0);
  toolbar_.WindowPosChanged(window_.Id());
  toolbar_.Activate(window_.Id());
  // An empty rectangle reserves nothing and hands back what it got.
  Rect none{};
  toolbar_.SetPos(window_.Id(), 0, none);
  EXPECT_EQ(none, Rect{});
}

TEST_F(DesktopToolbarTest, AReservedStripLeavesTheWorkArea) {
  const Rect screen = Desktop().ScreenRect();
  Rect strip{0, 0, 80, screen.bottom};
  toolbar_.SetPos(window_.Id(), 0, strip);
  ASSERT_GT(strip.Width(), 0);
  if (Desktop().WorkArea().left < strip.right)
    GTEST_SKIP() << "the shell reserves no part of the work area for bars (Wine)";
  toolbar_.Remove(window_.Id());
  EXPECT_LT(Desktop().WorkArea().left, strip.right);
}

TEST_F(DesktopToolbarTest, ClaimsAndFreesTheAutoHidePlaceOfAnEdge) {
  ASSERT_EQ(toolbar_.GetAutoHideBar(0), 0u);
  ASSERT_TRUE(toolbar_.SetAutoHideBar(window_.Id(), 0, true));
  if (toolbar_.GetAutoHideBar(0) == 0)
    GTEST_SKIP() << "the shell accepts the claim but keeps no auto-hide bars (Wine)";
  EXPECT_EQ(toolbar_.GetAutoHideBar(0), window_.Id());
  // Another window cannot take the place while the first holds it.
  TestWindow other;
  EXPECT_FALSE(toolbar_.SetAutoHideBar(other.Id(), 0, true));
  EXPECT_TRUE(toolbar_.SetAutoHideBar(window_.Id(), 0, false));
  EXPECT_EQ(toolbar_.GetAutoHideBar(0), 0u);
  EXPECT_FALSE(toolbar_.SetAutoHideBar(window_.Id(), ToolbarNoEdge, true));
}

TEST_F(DesktopToolbarTest, RemovingTheBarFreesItsAutoHidePlace) {
  ASSERT_TRUE(toolbar_.SetAutoHideBar(window_.Id(), 2, true));
  if (toolbar_.GetAutoHideBar(2) == 0)
    GTEST_SKIP() << "the shell accepts the claim but keeps no auto-hide bars (Wine)";
  toolbar_.Remove(window_.Id());
  EXPECT_EQ(toolbar_.GetAutoHideBar(2), 0u);
}

// The shell's notifications arrive as the registered callback message,
// which the application's event loop hands to the native event filter.
TEST_F(DesktopToolbarTest, TheShellsNotificationsReachTheCallback) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  // The filter is installed when the first bar registers with an
  // application present.
  toolbar_.Remove(window_.Id());
  ASSERT_TRUE(toolbar_.New(window_.Id(), [this](int notification, bool flag) {
    heard_.push_back({notification, flag});
  }));
  const UINT message = toolbar_.CallbackMessage();
  PostMessageW(window_.Handle(), message, ABN_FULLSCREENAPP, TRUE);
  PostMessageW(window_.Handle(), message, ABN_POSCHANGED, 0);
  PostMessageW(window_.Handle(), message, ABN_WINDOWARRANGE, FALSE);
  PostMessageW(window_.Handle(), message, ABN_STATECHANGE, 0);
  for (int i = 0; i < 50 && heard_.size() < 3; ++i) {
    QCoreApplication::processEvents();
    Sleep(10);
  }
  ASSERT_EQ(heard_.size(), 3u);
  EXPECT_EQ(heard_[0].notification, ToolbarFullScreenApp);
  EXPECT_TRUE(heard_[0].flag);
  EXPECT_EQ(heard_[1].notification, ToolbarPositionChanged);
  EXPECT_EQ(heard_[2].notification, ToolbarWindowsArranged);
  EXPECT_FALSE(heard_[2].flag);
  toolbar_.Remove(window_.Id());
}

TEST_F(DesktopToolbarTest, CaptionTaskEntryAndStackingSetTheWindowsStyles) {
  toolbar_.SetCaption(window_.Id(), true);
  EXPECT_EQ(GetWindowLongPtrW(window_.Handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  // The frame follows the styles at once: a caption on top, none without.
  const std::optional<FrameExtents> captioned = toolbar_.Frame(window_.Id());
  ASSERT_TRUE(captioned);
  EXPECT_GE(captioned->top, GetSystemMetrics(SM_CYCAPTION));
  toolbar_.SetCaption(window_.Id(), false);
  EXPECT_EQ(GetWindowLongPtrW(window_.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  const std::optional<FrameExtents> bare = toolbar_.Frame(window_.Id());
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->left + bare->top + bare->right + bare->bottom, 0);
  toolbar_.SetTaskEntry(window_.Id(), true);
  EXPECT_TRUE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_FALSE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  toolbar_.SetTaskEntry(window_.Id(), false);
  EXPECT_TRUE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  toolbar_.SetZOrder(window_.Id(), ToolbarZOrder::TopMost);
  EXPECT_TRUE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  toolbar_.SetZOrder(window_.Id(), ToolbarZOrder::NotTopMost);
  EXPECT_FALSE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace tolvex::platform
