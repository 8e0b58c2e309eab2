#include "core/CoreShare.h"

#include <atomic>
#include <stdexcept>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A share that throws reaches the caller as its exception, after every other
// share has run to its end (nothing is left running over the caller's data).
TEST(ShareAmongCores, AFailingSharePassesItsExceptionOnAfterAllShares)
{
    std::atomic<std::size_t> shares {0};
    std::atomic<std::size_t> finished {0};
    auto run = [&](std::size_t first, std::size_t stride) {
        shares = stride;
        if (first == 0)
            throw std::runtime_error("share 0");
        finished.fetch_add(1);
    };
    EXPECT_THROW(ShareAmongCores(1000, 1, run), std::runtime_error);
    EXPECT_EQ(finished.load(), shares.load() - 1);
}

}  // namespace
}  // namespace orvane
