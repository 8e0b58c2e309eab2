#include "core/CoreShare.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace orvane {

void ShareAmongCores(std::size_t pieces, std::size_t minPieces,
                     const std::function<void(std::size_t first, std::size_t stride)>& work)
{
    const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    const std::size_t workers = pieces >= minPieces ? std::min(cores, std::max<std::size_t>(pieces, 1)) : 1;
    std::vector<std::thread> helpers;
    std::size_t started = 1;
    try {
        for (; started < workers; ++started)
            helpers.emplace_back(work, started, workers);
    } catch (const std::system_error&) {
        // No more threads to be had: this thread takes the remaining shares.
    }
    work(0, workers);
    for (std::size_t first = started; first < workers; ++first)
        work(first, workers);
    for (std::thread& helper : helpers)
        helper.join();
}

}  // namespace orvane
