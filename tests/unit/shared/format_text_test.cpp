// Filling message formats with string arguments.
#include "shared/format_text.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "shared/error.h"

namespace tolvex {
namespace {

TEST(FormatText, FillsStringDirectives) {
  EXPECT_EQ(FormatText("Die Notiz \"%s\" wurde aktiviert.", {"Einkauf"}),
            "Die Notiz \"Einkauf\" wurde aktiviert.");
  EXPECT_EQ(FormatText("%s und %s", {"a", "b"}), "a und b");
  EXPECT_EQ(FormatText("100%% %s", {"%s"}), "100% %s");
  EXPECT_EQ(FormatText("ohne", {"übrig"}), "ohne");
}

TEST(FormatText, BadDirectivesRaiseError) {
  for (const char* format : {"%s %s", "%d", "Ende %"}) {
    SCOPED_TRACE(format);
    try {
      FormatText(format, {"x"});
      FAIL();
    } catch (const EtxError& error) {
      EXPECT_EQ(error.Message(),
                QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
    }
  }
}

}  // namespace
}  // namespace tolvex
