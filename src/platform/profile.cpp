// Slot of the private-profile service and the batch scope. Both back ends use
// the portable engine: tests give it files in temporary folders.
#include "platform/profile.h"

#include "platform/profile/profile_engine.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

std::unique_ptr<IProfile> MakeEngine() {
  return std::make_unique<profile::ProfileEngine>();
}

ServiceSlot<IProfile>& Slot() {
  static ServiceSlot<IProfile> slot("profile", MakeEngine, MakeEngine);
  return slot;
}

}  // namespace

IProfile& Profile() {
  return Slot().Get();
}
void SetProfile(std::unique_ptr<IProfile> profile) {
  Slot().Set(std::move(profile));
}

ProfileBatch::ProfileBatch(std::string file, BatchStart start) : file_(std::move(file)) {
  Profile().BeginBatch(file_, start);
}

ProfileBatch::~ProfileBatch() {
  if (open_) Profile().EndBatch(file_, false);
}

bool ProfileBatch::Commit() {
  if (!open_) return true;
  open_ = false;
  return Profile().EndBatch(file_, true);
}

ProfileReadScope::ProfileReadScope(std::string file) : file_(std::move(file)) {
  Profile().BeginReading(file_);
}

ProfileReadScope::~ProfileReadScope() {
  Profile().EndReading(file_);
}

}  // namespace tolvex::platform
