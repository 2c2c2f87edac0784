#include "files/import_job.h"

namespace ondulix {

ImportJob::ImportJob(Work work)
    : m_thread([this, work = std::move(work)] {
        m_result = work(m_work);
        m_finished.store(true, std::memory_order_release);
    })
{ }

ImportJob::~ImportJob()
{
    m_work.requestStop();
    m_thread.join();
}

std::optional<ReadResult<ImportedWaves>> ImportJob::take()
{
    if (!finished() || m_work.stopRequested())
        return std::nullopt;
    return std::move(m_result);
}

} // namespace ondulix
