// Waiting without spending processor time, while still serving the messages
// addressed to the waiting thread.
#pragma once

#include <cstdint>

// Units of `interval`: 0 milliseconds, 1 seconds, 2 minutes, 3 hours.
// Always takes its interval and returns true, even when the system's timer
// cannot be had.
bool wait_pumping(std::int32_t interval, std::int64_t unit = 0);

// Dispatches the calling thread's waiting messages, leaving a quit message
// at the head of the queue where it is.
void dispatch_waiting_messages();
