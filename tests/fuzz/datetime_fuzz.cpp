// fuzz-sources: src/text/dates.cpp src/platform/codepage.cpp src/platform/host/codepage.cpp
// Stored dates and times read and rendered with every pattern.
#include "fuzz_input.h"
#include "text/dates.h"

namespace {

void CheckDate(const text::CivilDate& date, std::wstring_view stored) {
    fuzz::Require(date.month >= 1 && date.month <= 12, "the month is a month");
    fuzz::Require(date.day >= 1 && date.day <= text::DaysInMonth(date.year, date.month), "the day is in its month");
    const int weekday = text::WeekdayNumber(date);
    fuzz::Require(weekday >= 1 && weekday <= 7, "the weekday counts 1 to 7");
    fuzz::Require(text::RenderDateKey(stored) == text::FormatDateKey(date), "the date key is the date's");
    const auto reading = text::ReadDateTime(text::RenderIsoDate(stored));
    fuzz::Require(reading && reading->date == date && !reading->time, "the rendered date reads back as the date");
}

void CheckTime(const text::TimeOfDay& time, std::wstring_view stored) {
    fuzz::Require(time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
                      time.second <= 59,
                  "the time is on the clock");
    fuzz::Require(text::RenderTimeKey(stored) == text::FormatTimeKey(time), "the time key is the time's");
    const auto shortTime = text::ReadDateTime(text::RenderShortTime(stored));
    fuzz::Require(shortTime && !shortTime->date && shortTime->time == text::TimeOfDay{time.hour, time.minute, 0},
                  "the rendered time reads back as its hour and minute");
    const auto clock = text::ReadDateTime(text::FormatClock(time));
    fuzz::Require(clock && clock->time == time, "the clock text reads back as the time");
}

void Check(const std::wstring& stored) {
    const auto reading = text::ReadDateTime(stored);
    if (!reading) {
        fuzz::Require(text::RenderDateKey(stored) == stored && text::RenderIsoDate(stored) == stored &&
                          text::RenderTimeKey(stored) == stored && text::RenderShortTime(stored) == stored,
                      "a text that reads as neither renders unchanged");
        return;
    }
    fuzz::Require(reading->date || reading->time, "a reading holds a date or a time");
    if (reading->date) {
        CheckDate(*reading->date, stored);
    } else {
        fuzz::Require(text::RenderIsoDate(stored) == stored, "a time renders unchanged as a date");
    }
    // A date alone is midnight.
    CheckTime(reading->time.value_or(text::TimeOfDay{}), stored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(fuzz::FromGbk(data, size));
    Check(fuzz::ByteForByte(data, size));
    return 0;
}
