#include "WorkLane.h"

#include <exception>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace orvane::advisor {

namespace {

// On Linux the nice value belongs to the thread and passes to the threads it starts.
void LowerThisThread() {
#if defined(__linux__)
    constexpr int Nice = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), Nice);
#endif
}

}  // namespace

WorkLane::WorkLane(Priority priority) : thread_([this, priority] { Run(priority); }) {}

WorkLane::~WorkLane() {
    Stop();
    thread_.join();
}

void WorkLane::Stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_all();
}

void WorkLane::Post(Job job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void WorkLane::Run(Priority priority) {
    if (priority == Priority::Background) {
        LowerThisThread();
    }
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        try {
            job();
        } catch (const std::exception&) {
            // A job that fails (out of memory, say) gives no answer; the lane goes on.
        }
    }
}

}  // namespace orvane::advisor
