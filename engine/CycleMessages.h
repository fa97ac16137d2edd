// What the cycle model says about a cycle: the refusals of its checks and its warnings, as
// values with their arguments, and their Korean texts (UTF-8). A front end shows its own
// translation of a message's template, filled with the same arguments.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brivane {

enum class CycleMessageCode {
  // Refusals: the cycle is not rated.
  NoSegment,
  TooManySegments,    // value: the number of segments
  AxisOutOfRange,     // field, value, range
  SegmentOutOfRange,  // segment, field, value, range
  DriveOutOfRange,    // field, value, range
  // Warnings: the cycle is rated as given.
  NotReturning,    // value: the net displacement per cycle, mm
  ForceNeverActs,  // segment
};

struct CycleMessage {
  CycleMessageCode code = CycleMessageCode::NoSegment;
  std::size_t segment = 0;  // counted from 1; 0 when the message is not about one segment
  std::string_view field;   // the cycle file's key ("velocity"); empty when none
  double value = 0.0;       // the value refused, the count or the displacement
  std::string_view range;   // what the check accepts, "0 < velocity ≤ 30 m/s"; empty when none

  friend bool operator==(const CycleMessage&, const CycleMessage&) = default;
};

// The message's Korean template: %1 the segment, %2 the field, %3 the value, %4 the range.
std::string_view CycleMessageTemplate(CycleMessageCode code);

// `templateText` (the Korean one or a translation of it) with the message's arguments.
std::string FillCycleMessage(std::string_view templateText, const CycleMessage& message);

// The Korean text of the message.
std::string CycleMessageText(const CycleMessage& message);

// The stable name of the code for scripts ("not-returning"); JSON carries it beside the text.
std::string_view CycleMessageName(CycleMessageCode code);

}  // namespace brivane
