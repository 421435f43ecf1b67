#pragma once

namespace fb {

// Ends every embedded attachment and releases the client library's
// dispatcher. Call once before the process exits.
void shutdown();

}  // namespace fb
