#pragma once

#include "files/wave_import.h"

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace ondulix {

// An import on a thread of its own, so that the window goes on painting and answering while a
// long recording decodes, and Cancel can stop it. Its result is taken on the thread that made
// the job, which writes the lines.
class ImportJob
{
public:
    using Work = std::function<ReadResult<ImportedWaves>(LongWork&)>;

    // Starts at once.
    explicit ImportJob(Work work);
    // Asks the work to stop, and waits until it has.
    ~ImportJob();
    ImportJob(const ImportJob&) = delete;
    ImportJob& operator=(const ImportJob&) = delete;

    bool finished() const { return m_finished.load(std::memory_order_acquire); }
    int permille() const { return m_work.permille(); }
    void cancel() { m_work.requestStop(); }
    // Once finished: what the file became; nothing while it runs, or when it was cancelled.
    std::optional<ReadResult<ImportedWaves>> take();

private:
    LongWork m_work;
    std::atomic<bool> m_finished {false};
    std::optional<ReadResult<ImportedWaves>> m_result; // the thread's until m_finished
    std::thread m_thread; // last, so that it starts once all it uses exists
};

} // namespace ondulix
