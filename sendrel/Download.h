#pragma once
// Fetching the remote version file through the internet library's
// asynchronous mode. The calling thread waits for each step with its window
// messages processed, so the host stays responsive and can cancel, and
// starts no thread of its own (the library's own threads do the network
// work). Every fetch ends within its time limit, whatever the server does.
// A step given up on may still end in the library's threads after the fetch
// has returned: the library then writes and signals only into memory kept
// for it until it has closed the request's handles, never into the
// caller's, and its status callback stays loaded: the internet library and
// this server stay loaded for the rest of the process once a fetch began.
#include <cstddef>
#include <functional>
#include <string>

namespace aSendrel {

enum class Fetched {
    Complete,  // a 2xx reply whose whole body came
    Failed,    // no reply, an error reply, a body cut short, a read error, too many redirects, too long, out of time
    Cancelled, // `stop` said so
};

// Redirects followed in one fetch; one more fails it.
constexpr int kMaxRedirects = 5;
// The time one fetch may take, all its steps and redirects together.
constexpr unsigned kTimeLimitMs = 15000;

// Downloads the http or https address `address` (no cached copy) into
// `bytes`. `stop` is asked between the steps and after every batch of window
// messages; true, or WM_QUIT among the messages, ends the fetch at once as
// cancelled. A body longer than `maxBytes` fails it.
Fetched Download(const std::string& address, std::size_t maxBytes, const std::function<bool()>& stop,
                 std::string& bytes);

// Test seam: the time limit of the fetches that start from now on (0: the
// usual kTimeLimitMs). Returns the previous one.
unsigned SetTimeLimit(unsigned milliseconds) noexcept;

} // namespace aSendrel
