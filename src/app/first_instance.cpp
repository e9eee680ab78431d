// IsFirstInstance over the platform's single-instance service.
#include "app/first_instance.h"

#include <cstdlib>

#include "platform/single_instance.h"

namespace tolvex {

bool IsFirstInstance() {
  platform::ISingleInstance& instance = platform::SingleInstance();
  if (instance.Claim()) return true;
  instance.ActivateFirst();
  // Ending at once skips every destructor and exit handler, so nothing of
  // this second start can write a file.
  std::_Exit(0);
}

}  // namespace tolvex
