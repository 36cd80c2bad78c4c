#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace orvane::advisor {

// One worker thread that runs jobs in the order they come. Ending the lane drops the jobs
// not started, raises Stopping() for the one running, and waits for it to return.
class WorkLane {
  public:
    using Job = std::function<void()>;
    // Background: the lane's thread, and the threads its jobs start, give way to the
    // table's own work when both want the processor.
    enum class Priority { Normal, Background };

    explicit WorkLane(Priority priority = Priority::Normal);
    ~WorkLane();
    WorkLane(const WorkLane&) = delete;
    WorkLane& operator=(const WorkLane&) = delete;

    void Post(Job job);
    // Drops the jobs not started and raises Stopping() without waiting; nothing posted
    // afterwards runs.
    void Stop();

    // Raised when the lane ends; a long job looks at it and gives up.
    const std::atomic<bool>& Stopping() const { return stopping_; }

  private:
    void Run(Priority priority);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace orvane::advisor
