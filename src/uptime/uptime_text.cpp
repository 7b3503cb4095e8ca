#include "uptime/uptime_text.h"

#include "uptime/block.h"
#include "uptime/constant_block.h"
#include "uptime/text.h"

char* FormatUptime(std::int64_t count) {
  // 64-bit integer arithmetic: C++ division truncates toward zero and the remainder takes
  // the dividend's sign, and it stays exact for counts beyond 2^53 where doubles do not.
  const std::int64_t totalSeconds = count / 1000;
  const std::int64_t days = totalSeconds / 86400;
  const std::int64_t hours = totalSeconds % 86400 / 3600;
  const std::int64_t withinHour = totalSeconds % 3600;
  const std::int64_t minutes = withinHour / 60;
  const std::int64_t seconds = withinHour % 60;

  char* daysText = Int64ToText(days);
  char* hoursText = Int64ToText(hours);
  char* minutesText = Int64ToText(minutes);
  char* secondsText = Int64ToText(seconds);
  char* text = ConcatTexts(daysText, kConstantBlock.daysUnit, hoursText, kConstantBlock.hoursUnit,
                           minutesText, kConstantBlock.minutesUnit, secondsText,
                           kConstantBlock.secondsUnit);
  FreeBlock(daysText);
  FreeBlock(hoursText);
  FreeBlock(minutesText);
  FreeBlock(secondsText);
  return text;
}
