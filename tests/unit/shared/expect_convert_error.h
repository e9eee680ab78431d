// Test helper: a call must raise the conversion error with its exact text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shared/date_time.h"

namespace tolvex {

inline const char* const kDateError = "Ungültiges Argument zum Codieren des Datums";
inline const char* const kTimeError = "Ungültiges Argument zum Codieren der Uhrzeit";

// `input` names the case in the failure message.
template <class Call>
void ExpectConvertError(Call call, const char* message, const std::string& input) {
  try {
    call();
    ADD_FAILURE() << "no error for " << input;
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QString::fromUtf8(message)) << input;
  }
}

}  // namespace tolvex
