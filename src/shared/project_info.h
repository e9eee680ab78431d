// TTxProjectInfo describes the program (name, version, pictures, contact
// addresses) and shows its about box. Its project name is also the window
// caption of every message dialog.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <cstdint>

namespace tolvex {

enum class TTolvexReleaseType { rtFinalRelease, rtAlphaRelease, rtBetaRelease, rtReleaseCandidate };
enum class TTxProjectInfoAboutDialogStyle { adVersion1, adVersion2 };

// "Version 2.00", "Version 1.05.3 beta", "Version 1.05 RC2" …
QString VersionText(std::uint16_t major, std::uint16_t minor, std::uint16_t build,
                    TTolvexReleaseType release);

// The maker's web site name, as menus show it ("tolvex.example").
QString MakerSiteName();
// A home page as stored ("www.tolvex.example") made into an address the
// shell opens as a web page; an address with a scheme stays as it is.
QString WebAddress(const QString& homepage);

class TTxProjectInfo : public QObject {
  Q_OBJECT

 public:
  // `owner` (normally the program's main window) frees the component; the
  // about box opens over it.
  explicit TTxProjectInfo(QObject* owner = nullptr);

  QString ProjectName() const { return projectName_; }
  // Also becomes the message dialogs' window caption.
  void SetProjectName(const QString& name);

  QPixmap ProjectLogo() const { return projectLogo_; }
  void SetProjectLogo(const QPixmap& logo) { projectLogo_ = logo; }
  QPixmap ProjectIcon() const { return projectIcon_; }
  void SetProjectIcon(const QPixmap& icon) { projectIcon_ = icon; }
  QString ProjectHomepage() const { return projectHomepage_; }
  void SetProjectHomepage(const QString& url) { projectHomepage_ = url; }

  std::uint16_t VersionMajor() const { return versionMajor_; }
  void SetVersionMajor(std::uint16_t value) { versionMajor_ = value; }
  std::uint16_t VersionMinor() const { return versionMinor_; }
  void SetVersionMinor(std::uint16_t value) { versionMinor_ = value; }
  std::uint16_t VersionBuild() const { return versionBuild_; }
  void SetVersionBuild(std::uint16_t value) { versionBuild_ = value; }
  TTolvexReleaseType VersionRelease() const { return versionRelease_; }
  void SetVersionRelease(TTolvexReleaseType release) { versionRelease_ = release; }
  QString VersionString() const;

  QString SupportEMail() const { return supportEMail_; }
  void SetSupportEMail(const QString& address) { supportEMail_ = address; }
  QString SupportHomepage() const { return supportHomepage_; }
  void SetSupportHomepage(const QString& url) { supportHomepage_ = url; }

  TTxProjectInfoAboutDialogStyle AboutDialogStyle() const { return aboutDialogStyle_; }
  void SetAboutDialogStyle(TTxProjectInfoAboutDialogStyle style) { aboutDialogStyle_ = style; }

  // Ends the component's loading: hands the project name over.
  void Loaded();

  // Shows the about box of the configured style modally.
  void ShowAbout();

 private:
  QString projectName_;
  QPixmap projectLogo_;
  QPixmap projectIcon_;
  QString projectHomepage_;
  std::uint16_t versionMajor_ = 0;
  std::uint16_t versionMinor_ = 0;
  std::uint16_t versionBuild_ = 0;
  TTolvexReleaseType versionRelease_ = TTolvexReleaseType::rtFinalRelease;
  QString supportEMail_;
  QString supportHomepage_;
  TTxProjectInfoAboutDialogStyle aboutDialogStyle_ = TTxProjectInfoAboutDialogStyle::adVersion1;
};

}  // namespace tolvex
