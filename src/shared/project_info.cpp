// The project information component.
#include "shared/project_info.h"

#include <QWidget>
#include <memory>

#include "shared/about_form.h"
#include "shared/main_window.h"
#include "shared/message_form.h"
#include "shared/modal.h"

namespace tolvex {

namespace {
// The maker's addresses.
const QString kMakerSite = QStringLiteral("tolvex.example");
const QString kMakerHomepage = QStringLiteral("www.") + kMakerSite;
const QString kMakerSupport = QStringLiteral("support@tolvex.example");
}  // namespace

QString VersionText(std::uint16_t major, std::uint16_t minor, std::uint16_t build,
                    TTolvexReleaseType release) {
  QString text = QStringLiteral("Version %1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
  const QString buildPart = build != 0 ? QString::number(build) : QString();
  if (release == TTolvexReleaseType::rtReleaseCandidate)
    return text + QStringLiteral(" RC") + buildPart;
  if (!buildPart.isEmpty()) text += u'.' + buildPart;
  if (release == TTolvexReleaseType::rtAlphaRelease) return text + QStringLiteral(" alpha");
  if (release == TTolvexReleaseType::rtBetaRelease) return text + QStringLiteral(" beta");
  return text;
}

QString MakerSiteName() {
  return kMakerSite;
}

QString WebAddress(const QString& homepage) {
  return homepage.contains(QStringLiteral("://")) ? homepage : QStringLiteral("http://") + homepage;
}

TTxProjectInfo::TTxProjectInfo(QObject* owner)
    : QObject(owner),
      projectHomepage_(kMakerHomepage),
      supportEMail_(kMakerSupport),
      supportHomepage_(kMakerHomepage) {}

void TTxProjectInfo::SetProjectName(const QString& name) {
  projectName_ = name;
  SetMessageDialogCaption(name);
}

void TTxProjectInfo::Loaded() {
  SetMessageDialogCaption(projectName_);
}

QString TTxProjectInfo::VersionString() const {
  return VersionText(versionMajor_, versionMinor_, versionBuild_, versionRelease_);
}

void TTxProjectInfo::ShowAbout() {
  QWidget* owner = qobject_cast<QWidget*>(parent());
  if (!owner) owner = MainWindow();
  std::unique_ptr<TwTxAboutForm> form;
  if (aboutDialogStyle_ == TTxProjectInfoAboutDialogStyle::adVersion2)
    form = std::make_unique<TwTolvexAboutV2>(owner);
  else
    form = std::make_unique<TwTolvexAbout>(owner);
  form->Fill(*this);
  ExecModal(*form);
}

}  // namespace tolvex
