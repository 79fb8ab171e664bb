#include "bench_support.h"

namespace bench {

ScheduleModel FullModel() {
    ActionSchedule schedule;
    schedule.onceDate = L"2026-12-05";
    schedule.onceTime = L"23:05";
    schedule.dailyTime = L"23:00";
    schedule.weeklyDay = L"周五";
    schedule.weeklyDayNumber = 6;
    schedule.weeklyTime = L"08:30";
    schedule.monthlyDay = 4;
    schedule.monthlyTime = L"23:00";
    schedule.bootMinutes = 480;
    ScheduleModel model;
    model.shutdownSchedule = schedule;
    model.restartSchedule = schedule;
    return model;
}

}  // namespace bench
