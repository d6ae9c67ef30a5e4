#pragma once

#include <cstdint>
#include <functional>

#include "records/output_buffer.h"

namespace rekkan {

/// Formats one chunk into an emptied buffer on worker `worker` (0 to workers - 1); false makes
/// it the last chunk of the run.
using ChunkFormatter = std::function<bool(int worker, std::int64_t chunk, OutputBuffer& out)>;
/// Takes the output of the next chunk; false stops the run.
using ChunkWriter = std::function<bool(const OutputBuffer& out)>;

/// Formats the chunks 0 to count - 1 on `workers` threads (the calling thread alone for one)
/// and hands their output to `write` on the calling thread in chunk order, so the result is the
/// same whatever the number of workers. At most two chunks per worker wait at a time, so
/// memory stays flat. Returns the chunks written.
std::int64_t RunOrderedChunks(std::int64_t count, int workers, const ChunkFormatter& format, const ChunkWriter& write);

}  // namespace rekkan
