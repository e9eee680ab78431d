// The desktop's default applications as the first launchers.
#include "app/default_layout.h"

#include <array>
#include <cstdio>
#include <memory>

#include "app/elements.h"
#include "platform/desktop_defaults.h"
#include "platform/shell.h"

namespace tolvex {

namespace {

struct TDesktopLauncher {
  platform::DefaultApplication Application;
  const char* Name;
  const char* Description;
};

constexpr std::array<TDesktopLauncher, 3> kDesktopLaunchers = {{
    {platform::DefaultApplication::daTerminal, "Terminal", "Terminal öffnen"},
    {platform::DefaultApplication::daFileManager, "Dateien", "Dateimanager öffnen"},
    {platform::DefaultApplication::daWebBrowser, "Web", "Webbrowser öffnen"},
}};

}  // namespace

void AddDesktopLaunchers(const QString& fileName) {
  TTolvexElementList found;
  for (const TDesktopLauncher& launcher : kDesktopLaunchers) {
    const QString target =
        QString::fromStdString(platform::DesktopDefaults().Find(launcher.Application));
    if (target.isEmpty()) {
      std::fprintf(stderr,
                   "tolvexBar: kein Starter \"%s\": der Desktop nennt kein Programm dafür\n",
                   launcher.Name);
      continue;
    }
    auto element = std::make_unique<TTolvexElement>();
    element->Name = QString::fromUtf8(launcher.Name);
    element->Description = QString::fromUtf8(launcher.Description);
    element->Target = target;
    element->IconFile = target;
    element->ShowCommand = platform::ShowNormal;
    element->Size = ls32;
    found.Add(std::move(element));
  }
  if (found.Count() == 0) return;
  TTolvexElementList shipped;
  shipped.LoadFromFile(fileName);
  for (int i = 0; i < shipped.Count(); ++i)
    found.Add(std::make_unique<TTolvexElement>(shipped.Items(i)));
  found.SaveToFile(fileName);
}

}  // namespace tolvex
