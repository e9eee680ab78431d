// The smaller services on Windows: regional settings, desktop, default
// applications, time zone, the stand-ins of the services still to come, and
// TCP connections on loopback.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

#include "platform/display_probe.h"
#include "platform/tcp_connection.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_desktop_defaults.h"
#include "platform/win32/win32_regional_settings.h"
#include "platform/win32/win32_time.h"
#include "platform/win32/win32_unavailable.h"
#include "win32_test_support.h"

namespace tolvex::platform {
namespace {

TEST(Win32RegionalSettings, ReadsTheUsersLocale) {
  Win32RegionalSettings settings;
  const RegionalFormat& format = settings.Format();
  EXPECT_FALSE(format.dateSeparator.empty());
  EXPECT_FALSE(format.timeSeparator.empty());
  // The system's "dd.MM.yyyy" or "M/d/yyyy" in the shared letters.
  EXPECT_NE(format.shortDateFormat.find("yyyy"), std::string::npos) << format.shortDateFormat;
  EXPECT_NE(format.shortDateFormat.find('m'), std::string::npos) << format.shortDateFormat;
  EXPECT_EQ(format.shortDateFormat.find('M'), std::string::npos) << format.shortDateFormat;
  for (const auto& names : {format.shortDayNames, format.longDayNames}) {
    for (const std::string& name : names) EXPECT_FALSE(name.empty());
  }
  for (const auto& names : {format.shortMonthNames, format.longMonthNames}) {
    for (const std::string& name : names) EXPECT_FALSE(name.empty());
  }
  // Index 0 is Sunday, the system's seventh day.
  wchar_t sunday[64];
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDAYNAME7, sunday, 64);
  char expected[256];
  WideCharToMultiByte(CP_UTF8, 0, sunday, -1, expected, sizeof expected, nullptr, nullptr);
  EXPECT_EQ(format.longDayNames[0], expected);
  EXPECT_NE(format.longDayNames[0], format.longDayNames[1]);
  EXPECT_NE(format.longMonthNames[0], format.longMonthNames[11]);
}

TEST(Win32Desktop, ReadsTheSystemsMetricsAndState) {
  Win32Desktop desktop;
  const Rect screen = desktop.ScreenRect();
  EXPECT_GT(screen.Width(), 0);
  EXPECT_GT(screen.Height(), 0);
  const Rect work = desktop.WorkArea();
  EXPECT_GE(work.left, screen.left);
  EXPECT_LE(work.right, screen.right);
  EXPECT_GT(work.Height(), 0);
  for (SystemMetric metric :
       {SystemMetric::BorderWidth, SystemMetric::BorderHeight, SystemMetric::DoubleClickWidth,
        SystemMetric::DoubleClickHeight, SystemMetric::VScrollWidth, SystemMetric::HScrollHeight,
        SystemMetric::HScrollArrowWidth}) {
    EXPECT_GT(desktop.Metric(metric), 0);
  }
  EXPECT_EQ(desktop.Metric(SystemMetric::VScrollWidth), GetSystemMetrics(SM_CXVSCROLL));
  const std::int64_t start = desktop.TickCount();
  Sleep(20);
  EXPECT_GE(desktop.TickCount(), start + 10);
  EXPECT_FALSE(desktop.IsKeyDown(Key::Shift));
  // Windows of other tests may move the pointer meanwhile: the position is
  // compared with the system's before and after.
  POINT before{};
  GetCursorPos(&before);
  const Point cursor = desktop.CursorPos();
  POINT after{};
  GetCursorPos(&after);
  EXPECT_TRUE(cursor == (Point{before.x, before.y}) || cursor == (Point{after.x, after.y}));
}

TEST(Win32DesktopDefaults, NamesExistingProgramsOrNothing) {
  Win32DesktopDefaults defaults;
  const std::string terminal = defaults.Find(DefaultApplication::daTerminal);
  EXPECT_NE(terminal.find("cmd.exe"), std::string::npos) << terminal;
  const std::string fileManager = defaults.Find(DefaultApplication::daFileManager);
  EXPECT_NE(fileManager.find("explorer.exe"), std::string::npos) << fileManager;
  for (DefaultApplication which : {DefaultApplication::daTerminal,
                                   DefaultApplication::daFileManager,
                                   DefaultApplication::daWebBrowser}) {
    const std::string program = defaults.Find(which);
    if (!program.empty()) {
      EXPECT_TRUE(testing::Exists(program)) << program;
    }
  }
}

TEST(Win32Time, TheBiasIsTheTimeZones) {
  Win32Time time;
  TIME_ZONE_INFORMATION zone{};
  const DWORD which = GetTimeZoneInformation(&zone);
  const long expected = zone.Bias + (which == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias
                                     : which == TIME_ZONE_ID_STANDARD ? zone.StandardBias
                                                                      : 0);
  EXPECT_EQ(time.BiasMinutes(), expected);
  // A date that does not exist is refused before the clock is touched.
  EXPECT_FALSE(time.SetLocalTime({2024, 4, 31, 12, 0, 0, 0}));
  EXPECT_FALSE(time.SetLocalTime({2024, 13, 1, 12, 0, 0, 0}));
}

TEST(Win32Unavailable, TheServicesStillToComeReportNothingThere) {
  Win32UnavailableDialUp dialUp;
  std::vector<DialUpConnection> connections{{}};
  std::size_t needed = 5;
  EXPECT_EQ(dialUp.EnumConnections(4, connections, needed), kDialUpSuccess);
  EXPECT_TRUE(connections.empty());
  EXPECT_EQ(needed, 0u);
  std::uint32_t handle = 7;
  EXPECT_NE(dialUp.Dial("", "Büro", "", "", {}, handle), kDialUpSuccess);
  EXPECT_EQ(handle, 0u);
  std::uint32_t state = 0;
  EXPECT_NE(dialUp.ConnectStatus(1, state), kDialUpSuccess);
  Win32UnavailableMediaPlayer player;
  EXPECT_FALSE(player.PlayerExists());
  Win32UnavailableSession session;
  EXPECT_FALSE(session.ObtainPrivilege(SessionRequest::PowerOff));
  EXPECT_FALSE(session.IsRemoteSession());
  EXPECT_EQ(DisplayProblem("", ""), "");
}

// A listening socket on a free loopback port.
class Listener {
 public:
  Listener() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(socket_, 1);
    int length = sizeof address;
    getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    if (client_ != INVALID_SOCKET) closesocket(client_);
    closesocket(socket_);
    WSACleanup();
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;
  std::uint16_t Port() const { return port_; }
  void AcceptAndSend(const std::string& bytes) {
    client_ = accept(socket_, nullptr, nullptr);
    send(client_, bytes.data(), int(bytes.size()), 0);
    shutdown(client_, SD_SEND);
  }
  void Close() {
    closesocket(socket_);
    socket_ = INVALID_SOCKET;
  }

 private:
  SOCKET socket_ = INVALID_SOCKET;
  SOCKET client_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
};

TEST(Win32TcpConnection, ReadsWhatTheServerSendsAndItsClose) {
  Listener listener;
  TcpError error = TcpError::Failed;
  auto connection = ConnectTcp("127.0.0.1", listener.Port(), 2000, error);
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(error, TcpError::None);
  listener.AcceptAndSend("ZEIT");
  ASSERT_TRUE(connection->WaitReadable(2000));
  char buffer[16];
  std::string received;
  for (;;) {
    ASSERT_TRUE(connection->WaitReadable(2000));
    const std::ptrdiff_t count = connection->Read(buffer, sizeof buffer);
    ASSERT_GE(count, 0);
    if (count == 0) break;
    received.append(buffer, std::size_t(count));
  }
  EXPECT_EQ(received, "ZEIT");
}

TEST(Win32TcpConnection, SaysWhyItCouldNotConnect) {
  std::uint16_t port = 0;
  {
    Listener listener;
    port = listener.Port();
  }
  TcpError error = TcpError::None;
  EXPECT_EQ(ConnectTcp("127.0.0.1", port, 2000, error), nullptr);
  EXPECT_EQ(error, TcpError::Refused);
  EXPECT_EQ(ConnectTcp("", port, 2000, error), nullptr);
  EXPECT_EQ(error, TcpError::HostNotFound);
  EXPECT_EQ(ConnectTcp("no-such-host.invalid", port, 2000, error), nullptr);
  EXPECT_EQ(error, TcpError::HostNotFound);
}

TEST(Win32TcpConnection, AQuietServerTimesTheReadOut) {
  Listener listener;
  TcpError error = TcpError::Failed;
  auto connection = ConnectTcp("127.0.0.1", listener.Port(), 2000, error);
  ASSERT_NE(connection, nullptr);
  EXPECT_FALSE(connection->WaitReadable(50));
}

}  // namespace
}  // namespace tolvex::platform

namespace tolvex::platform {
namespace {

// Run with LANG=de_DE.UTF-8 by its own ctest entry; skipped for other users.
TEST(Win32RegionalSettings, GermanUser) {
  wchar_t locale[LOCALE_NAME_MAX_LENGTH];
  GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
  if (wcsncmp(locale, L"de-", 3) != 0)
    GTEST_SKIP() << "the user's locale is not German";
  Win32RegionalSettings settings;
  const RegionalFormat& format = settings.Format();
  EXPECT_EQ(format.dateSeparator, ".");
  EXPECT_EQ(format.timeSeparator, ":");
  // Windows writes the German short date "dd.MM.yyyy", Wine "d.M.yyyy".
  EXPECT_TRUE(format.shortDateFormat == "dd.mm.yyyy" || format.shortDateFormat == "d.m.yyyy")
      << format.shortDateFormat;
  EXPECT_EQ(format.longDayNames[0], "Sonntag");
  EXPECT_EQ(format.longDayNames[1], "Montag");
  EXPECT_EQ(format.shortDayNames[1], "Mo");
  EXPECT_EQ(format.longMonthNames[2], "März");
  EXPECT_EQ(format.longMonthNames[11], "Dezember");
  EXPECT_EQ(format.shortMonthNames[11], "Dez");
}

}  // namespace
}  // namespace tolvex::platform
