#include "files/background_writer.h"

#include "files/atomic_file.h"

#include <utility>

namespace ondulix {

BackgroundWriter::BackgroundWriter()
    : m_thread([this] { run(); })
{ }

BackgroundWriter::~BackgroundWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void BackgroundWriter::write(std::filesystem::path path, std::string bytes)
{
    add({std::move(path), std::move(bytes)});
}

void BackgroundWriter::remove(std::filesystem::path path)
{
    add({std::move(path), std::nullopt});
}

void BackgroundWriter::add(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_jobs.empty() && m_jobs.back().path == job.path && m_jobs.back().bytes && job.bytes)
            m_jobs.back() = std::move(job);
        else
            m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void BackgroundWriter::finish()
{
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_jobs.empty() && !m_working; });
}

std::optional<std::string> BackgroundWriter::takeFailure()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_failure, std::nullopt);
}

// The lock is held only to take a job and to report it done, never while the disk works.
void BackgroundWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_ending || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_working = true;
        lock.unlock();
        std::optional<std::string> failure;
        if (job.bytes) {
            failure = writeFileAtomically(job.path, *job.bytes);
        } else {
            std::error_code error;
            if (!std::filesystem::remove(job.path, error) && error)
                failure = error.message();
        }
        lock.lock();
        m_working = false;
        if (failure)
            m_failure = job.path.string() + ": " + *failure;
        m_done.notify_all();
    }
}

} // namespace ondulix
