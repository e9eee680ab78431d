// Test helpers: fixed regional settings and a fixed century window for the
// length of one test.
#pragma once

#include <gtest/gtest.h>

#include <QDate>

#include "platform/regional_settings.h"
#include "platform/sim/sim_regional_settings.h"
#include "shared/century_window.h"

namespace tolvex {

// German settings and the window of a program started in 2026, unless the
// test changes them.
class RegionalTest : public ::testing::Test {
 protected:
  RegionalTest() {
    UseRegional(platform::GermanRegionalFormat());
    SetCenturyWindowYear(2026);
  }
  ~RegionalTest() override {
    platform::SetRegionalSettings(nullptr);
    SetCenturyWindowYear(QDate::currentDate().year());
  }

  static void UseRegional(platform::RegionalFormat format) {
    platform::SetRegionalSettings(
        std::make_unique<platform::sim::SimRegionalSettings>(std::move(format)));
  }
  static void UseSeparators(const std::string& date, const std::string& time) {
    platform::RegionalFormat format = platform::GermanRegionalFormat();
    format.dateSeparator = date;
    format.timeSeparator = time;
    UseRegional(std::move(format));
  }
};

}  // namespace tolvex
