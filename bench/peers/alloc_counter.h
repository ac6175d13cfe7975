// Counts heap allocations (malloc, calloc, realloc; operator new ends in malloc) made by this process
// while counting is switched on.
#pragma once

#include <cstddef>

void StartCountingAllocations();
// The allocations since StartCountingAllocations; counting stops.
std::size_t StopCountingAllocations();
