// Slot of the regional settings service and the German settings.
#include "platform/regional_settings.h"

#include "platform/linux/linux_regional_settings.h"
#include "platform/service.h"
#include "platform/sim/sim_regional_settings.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IRegionalSettings>& Slot() {
  static ServiceSlot<IRegionalSettings> slot(
      "regional",
      [] { return std::unique_ptr<IRegionalSettings>(std::make_unique<LinuxRegionalSettings>()); },
      [] {
        return std::unique_ptr<IRegionalSettings>(std::make_unique<sim::SimRegionalSettings>());
      });
  return slot;
}

}  // namespace

IRegionalSettings& RegionalSettings() {
  return Slot().Get();
}
void SetRegionalSettings(std::unique_ptr<IRegionalSettings> settings) {
  Slot().Set(std::move(settings));
}

RegionalFormat GermanRegionalFormat() {
  return {".",
          ":",
          "dd.mm.yyyy",
          {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
          {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
          {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
          {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
           "Oktober", "November", "Dezember"}};
}

}  // namespace tolvex::platform
