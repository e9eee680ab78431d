// A shell service for tests that records every "open" and answers it with a
// chosen success.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace tolvex::test {

class TRecordingShell : public platform::IShell {
 public:
  struct Call {
    std::string target;
    int showCommand;
  };

  explicit TRecordingShell(std::vector<Call>& calls, bool succeed = true)
      : calls_(calls), succeed_(succeed) {}

  bool Open(const std::string& target, const std::string&, const std::string&,
            int showCommand) override {
    calls_.push_back({target, showCommand});
    return succeed_;
  }
  int IconCount(const std::string&) override { return 0; }
  platform::IconImage ExtractIcon(const std::string&, int, int, double) override { return {}; }
  std::string AppDataFolder() override { return {}; }
  std::string ProgramFile() override { return {}; }

 private:
  std::vector<Call>& calls_;
  bool succeed_;
};

}  // namespace tolvex::test
