#include "core/CoreShare.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace orvane {

void ShareAmongCores(std::size_t pieces, std::size_t minPieces,
                     const std::function<void(std::size_t first, std::size_t stride)>& work)
{
    const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    const std::size_t workers = pieces >= minPieces ? std::min(cores, std::max<std::size_t>(pieces, 1)) : 1;
    // The first failure of any share is passed on to the caller once every
    // thread has ended: a throwing share neither terminates the program nor
    // leaves a thread running over the caller's data.
    std::exception_ptr failure;
    std::mutex failureLock;
    auto guarded = [&](std::size_t first) {
        try {
            work(first, workers);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            if (!failure)
                failure = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;  // joined when the block ends, also by an exception
        std::size_t started = 1;
        try {
            for (; started < workers; ++started)
                helpers.emplace_back(guarded, started);
        } catch (const std::system_error&) {
            // No more threads to be had: this thread takes the remaining shares.
        }
        guarded(0);
        for (std::size_t first = started; first < workers; ++first)
            guarded(first);
    }
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace orvane
