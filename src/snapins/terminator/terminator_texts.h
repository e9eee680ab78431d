// The shutdown panel's texts and what each of its five actions asks of the
// session: captions, hints, images, questions, and the messages.
#pragma once

#include <array>

#include "snapins/terminator/terminator_artwork.h"

namespace tolvex {

struct TTerminatorActionText {
  const char* caption;
  const char* hint;
  TTerminatorImage image;
  const char* question;  // asked in mode 1
  // The label of its list in the settings dialog.
  const char* modeLabel;
};

// In the order of "Button1" to "Button5".
inline constexpr std::array<TTerminatorActionText, 5> kTerminatorActions = {{
    {"&Windows herunterfahren", "Windows herunterfahren", tiShutdown,
     "Wollen Sie Windows wirklich herunterfahren?", "&Windows herunterfahren:"},
    {"Windows neu &starten", "Windows neu starten", tiReboot,
     "Wollen Sie Windows wirklich neu starten?", "Windows neu &starten"},
    {"Neu &anmelden", "Anwendungen schließen und unter anderem Namen anmelden", tiLogOff,
     "Wollen Sie sich wirklich neu anmelden?", "Neu &anmelden (ggf. Remotesitzung trennen)"},
    {"&Notfall-Abschaltung",
     "Alle Netzwerkverbindungen trennen und Windows zwangsweise herunterfahren", tiForceShutdown,
     "Wollen Sie wirklich alle Netzwerkverbindungen trennen und Windows herunterfahren?",
     "&Notfall-Abschaltung"},
    {"Trennen", "Trennt eine Terminalserversitzung", tiDisconnect,
     "Wollen Sie die Terminalserversitzung trennen?", "&Remotesitzung trennen"},
}};

inline constexpr char kPropertiesCaption[] = "&Einstellungen...";

inline constexpr char kQuestionHeadline[] = "Windows beenden";
inline constexpr char kNoPrivilegeHeadline[] = "Keine Privilegien.";
inline constexpr char kNoPrivilegeText[] =
    "Windows hat keine Privilegien für das Herunterfahren des Systemes erteilt.";
inline constexpr char kNetworkHeadline[] = "Trennen von Netzwerkresourcen.";
inline constexpr char kNetworkText[] =
    "Beim Trennen von Netzwerkresourcen ist ein Fehler aufgetreten.";

// The settings dialog.
inline constexpr char kPropertiesTitle[] = "TolvexTerminator";
inline constexpr char kOptionsPage[] = "&Optionen";
inline constexpr char kButtonsGroup[] = "Schaltflächen-Einstellungen";
inline constexpr std::array<const char*, 3> kModeItems = {"Ausführen ohne Bestätigung",
                                                          "Ausführen mit Bestätigung", "Gesperrt"};
inline constexpr char kSettingsPage[] = "&Einstellungen";
inline constexpr char kGeneralGroup[] = "Allgemein";
inline constexpr char kLightsOutCaption[] = "&Caps/Num/Scroll Lock ausschalten";
inline constexpr char kOk[] = "Ok";
inline constexpr char kCancel[] = "Abbrechen";
inline constexpr char kApply[] = "Übernehmen";

}  // namespace tolvex
