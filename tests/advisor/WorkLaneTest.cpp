#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <vector>

#include "advisor/WorkLane.h"

namespace orvane::advisor {
namespace {

TEST(WorkLane, JobsRunInTheOrderTheyCame) {
    std::vector<int> order;
    std::promise<void> done;
    {
        WorkLane lane;
        for (int i = 0; i < 5; ++i) {
            lane.Post([&order, i] { order.push_back(i); });
        }
        lane.Post([&done] { done.set_value(); });
        done.get_future().wait();
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(WorkLane, EndingItStopsTheRunningJobAndDropsTheRest) {
    std::promise<void> started;
    std::atomic<bool> sawStop{false};
    std::atomic<int> laterJobs{0};
    {
        WorkLane lane;
        lane.Post([&] {
            started.set_value();
            while (!lane.Stopping().load()) {
                std::this_thread::yield();
            }
            sawStop = true;
        });
        for (int i = 0; i < 3; ++i) {
            lane.Post([&laterJobs] { ++laterJobs; });
        }
        started.get_future().wait();
    }  // would never return if the running job were not told to stop
    EXPECT_TRUE(sawStop);
    EXPECT_EQ(laterJobs, 0);
}

TEST(WorkLane, AFailingJobEndsNothing) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::vector<int> ran;
    std::promise<void> done;
    WorkLane lane;
    lane.Post([released] { released.wait(); });
    lane.Post([] { throw std::runtime_error("no memory"); });
    lane.Post([&ran] { ran.push_back(2); });
    lane.Post([&done] { done.set_value(); });
    release.set_value();
    done.get_future().wait();
    EXPECT_EQ(ran, std::vector<int>{2});
}

}  // namespace
}  // namespace orvane::advisor
