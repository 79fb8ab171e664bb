// N calls of the decision on a full model, for counting instructions under callgrind:
// (instructions with N calls - instructions with 0 calls) / N.
#include <cstdio>
#include <cstdlib>

#include "bench_support.h"
#include "scheduler/evaluation.h"

int main(int argc, char** argv) {
    const long calls = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    const ScheduleModel model = bench::FullModel();
    int due = 0;
    for (long i = 0; i < calls; ++i) {
        const auto trigger = FindDueTrigger(bench::kQuietDate, bench::kQuietTime, bench::kQuietTick, model);
        due += trigger ? 1 : 0;
    }
    std::printf("%ld calls, %d due\n", calls, due);
    return 0;
}
