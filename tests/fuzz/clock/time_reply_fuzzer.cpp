// Fuzzes the reading of a time server's reply: the bytes a stranger's
// server sends, in pieces of the sizes the input chooses, and the
// conversion of the count they make.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "snapins/clock/time_conversion.h"
#include "snapins/clock/time_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  // The first byte chooses the piece sizes, the next eight the half round
  // trip and the bias; the rest is the reply.
  const unsigned pieceSize = data[0] % 7 + 1;
  std::uint32_t halfRoundTrip = 0;
  std::int32_t bias = 0;
  std::memcpy(&halfRoundTrip, data + 1, 4);
  std::memcpy(&bias, data + 5, 4);
  const uint8_t* reply = data + 9;
  const size_t replySize = size - 9;

  tolvex::TTimeReply collected;
  for (size_t at = 0; at < replySize; at += pieceSize) {
    const size_t piece = replySize - at < pieceSize ? replySize - at : pieceSize;
    collected.Add(reply + at, piece);
  }
  if (collected.Complete() != (replySize >= 4)) __builtin_trap();
  const std::uint32_t expected =
      replySize >= 4 ? (std::uint32_t{reply[0]} << 24 | std::uint32_t{reply[1]} << 16 |
                        std::uint32_t{reply[2]} << 8 | reply[3])
                     : 0;
  if (collected.Seconds() != expected) __builtin_trap();

  const tolvex::TDateTime local =
      tolvex::TimeProtocolToLocal(collected.Seconds(), halfRoundTrip, bias);
  (void)tolvex::ToLocalTime(local);
  return 0;
}
