#pragma once

// Internal: the hook through which the calls of this folder reach the trace.

#include <cstdint>

#include "fb/Trace.h"

namespace fb::detail {

// True while a trace is being recorded.
bool tracing();
// A fresh number for an attachment, transaction, statement or cursor.
std::uint64_t nextTraceId();
// Records one call; the fetches still counted are recorded first.
void record(TraceEvent event);
// Counts one fetch of `cursor`: a row, or the end of its rows.
void recordFetch(std::uint64_t cursor, bool row);

}  // namespace fb::detail
