#pragma once
// Independent pieces of work shared among the processor's cores.

#include <cstddef>
#include <functional>

namespace orvane {

// Calls work(first, stride) once for each first = 0 .. workers-1, each on its
// own thread, where piece k belongs to the call with first = k % stride; the
// calls must therefore touch disjoint pieces. Fewer than minPieces pieces,
// a single core, or no thread to be had: the calling thread does all of it.
// Returns when every piece is done.
void ShareAmongCores(std::size_t pieces, std::size_t minPieces,
                     const std::function<void(std::size_t first, std::size_t stride)>& work);

}  // namespace orvane
