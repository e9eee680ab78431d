// Single instance between two processes: the test program starts itself as
// the later start, which must not get the role and asks the first one to
// activate.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/win32/win32_single_instance.h"

namespace tolvex::platform {
namespace {

// The environment variable that makes the child case run, holding the name
// of the instance to meet.
constexpr const wchar_t* kChildVariable = L"TOLVEX_SINGLE_INSTANCE_CHILD";

std::wstring OwnName() {
  return L"tolvex-test-" + std::to_wstring(GetCurrentProcessId());
}

// Runs this test program with only the child case; its exit code.
DWORD RunChild(const std::wstring& instanceName) {
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(program) +
                         L"\" --gtest_filter=Win32SingleInstance.LaterStartOfAnotherProcess";
  SetEnvironmentVariableW(kChildVariable, instanceName.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableW(kChildVariable, nullptr);
  if (!started) return 1000;
  // The parent keeps its messages flowing while the child runs.
  DWORD exitCode = 1001;
  for (int i = 0; i < 600; ++i) {
    if (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) ==
        WAIT_OBJECT_0) {
      GetExitCodeProcess(process.hProcess, &exitCode);
      break;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

void PumpMessages() {
  MSG message;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

TEST(Win32SingleInstance, TheFirstStartHoldsTheRoleAndHearsTheLaterOne) {
  const std::wstring name = OwnName();
  Win32SingleInstance first(name);
  ASSERT_TRUE(first.Claim());
  EXPECT_TRUE(first.Claim());
  int activations = 0;
  first.SetActivationHandler([&activations] { ++activations; });
  EXPECT_EQ(RunChild(name), 0u);
  PumpMessages();
  EXPECT_EQ(activations, 1);
}

TEST(Win32SingleInstance, ARequestBeforeTheHandlerIsKept) {
  const std::wstring name = OwnName() + L"-early";
  Win32SingleInstance first(name);
  ASSERT_TRUE(first.Claim());
  Win32SingleInstance later(name);
  EXPECT_FALSE(later.Claim());
  EXPECT_TRUE(later.ActivateFirst());
  PumpMessages();
  int activations = 0;
  first.SetActivationHandler([&activations] { ++activations; });
  EXPECT_EQ(activations, 1);
}

TEST(Win32SingleInstance, WithoutAFirstInstanceNothingIsDelivered) {
  Win32SingleInstance alone(OwnName() + L"-alone");
  EXPECT_FALSE(alone.ActivateFirst());
}

TEST(Win32SingleInstance, TheRoleIsFreeAgainWhenTheFirstEnds) {
  const std::wstring name = OwnName() + L"-again";
  {
    Win32SingleInstance first(name);
    ASSERT_TRUE(first.Claim());
  }
  Win32SingleInstance next(name);
  EXPECT_TRUE(next.Claim());
}

// The later start, run in a child process by the first case.
TEST(Win32SingleInstance, LaterStartOfAnotherProcess) {
  wchar_t name[256];
  const DWORD length = GetEnvironmentVariableW(kChildVariable, name, 256);
  if (length == 0 || length >= 256) GTEST_SKIP() << "runs only as the child of another case";
  Win32SingleInstance later(std::wstring(name, length));
  EXPECT_FALSE(later.Claim());
  EXPECT_TRUE(later.ActivateFirst());
}

}  // namespace
}  // namespace tolvex::platform
