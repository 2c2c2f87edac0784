// An import's job, whose work runs on its thread while the window's thread asks how far it got.
#include "files/import_job.h"

#include <gtest/gtest.h>

using namespace ondulix;

namespace {

// Work that goes on until it is stopped, as a long decode does, reporting as it goes.
ReadResult<ImportedWaves> endless(LongWork& work)
{
    for (double done = 0; !work.stopRequested(); done += 1e-7)
        work.report(done);
    return ImportedWaves {Wave {1}, {}};
}

TEST(ImportJob, GivesWhatItsWorkMadeAndNothingOnceCancelledInTheMiddle)
{
    ImportJob quick([](LongWork&) {
        return ReadResult<ImportedWaves>(ImportedWaves {Wave {7}, {}});
    });
    while (!quick.finished()) { }
    EXPECT_EQ(std::get<ImportedWaves>(*quick.take()).currentWave, Wave {7});

    ImportJob slow(endless);
    while (slow.permille() == 0) { }
    EXPECT_FALSE(slow.take()) << "it runs still";
    slow.cancel();
    while (!slow.finished()) { }
    EXPECT_FALSE(slow.take());
}

} // namespace
