#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace ondulix {

// Writes files through the atomic writer on a thread of its own, so that a slow disk (each
// write syncs the file and its folder) never holds up the window. Jobs run in the order given;
// a write given while an earlier one for the same file still waits takes its place.
class BackgroundWriter
{
public:
    BackgroundWriter();
    // Does the jobs given so far, then ends.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    void write(std::filesystem::path path, std::string bytes);
    void remove(std::filesystem::path path);
    // Waits until every job given so far is done.
    void finish();
    // The reason the last job that failed gave, once; nothing when none failed since.
    std::optional<std::string> takeFailure();

private:
    struct Job
    {
        std::filesystem::path path;
        std::optional<std::string> bytes; // nothing: remove the file
    };

    void add(Job job);
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<Job> m_jobs;
    bool m_working = false;
    bool m_ending = false;
    std::optional<std::string> m_failure;
    std::thread m_thread; // last, so that it starts once all it uses exists
};

} // namespace ondulix
