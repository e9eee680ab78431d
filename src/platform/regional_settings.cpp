// Slot of the regional settings service and the German settings.
#include "platform/regional_settings.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IRegionalSettings>& Slot() {
  static ServiceSlot<IRegionalSettings> slot("regional", NativeRegionalSettings, SimulatedRegionalSettings);
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
