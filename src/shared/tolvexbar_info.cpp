// The bar's project information.
#include "shared/tolvexbar_info.h"

#include "shared/project_info.h"
#include "shared/shared_resources.h"

namespace tolvex {

TTxProjectInfo* CreateTolvexBarInfo(QObject* owner) {
  auto* info = new TTxProjectInfo(owner);
  info->setObjectName(QStringLiteral("piTolvexBar"));
  info->SetProjectName(QStringLiteral("tolvexBar"));
  info->SetVersionMajor(kTolvexBarVersionMajor);
  info->SetVersionMinor(kTolvexBarVersionMinor);
  info->SetVersionBuild(kTolvexBarVersionBuild);
  info->SetVersionRelease(TTolvexReleaseType::rtFinalRelease);
  info->SetAboutDialogStyle(TTxProjectInfoAboutDialogStyle::adVersion2);
  info->SetProjectLogo(SharedPicture(QStringLiteral("tolvexbar_logo.png")));
  info->SetProjectIcon(SharedPicture(QStringLiteral("tolvexbar_icon.png")));
  info->Loaded();
  return info;
}

}  // namespace tolvex
