#pragma once

// The clock timer is re-armed on every tick so that it fires just after the next
// whole second of the wall clock, instead of keeping the phase it started with and
// drifting by the platform's timer resolution.
namespace TickSchedule {

// Milliseconds after the second boundary that the next tick aims at.
constexpr int kAimAfterBoundary = 10;

// Delay for the timer, given the milliseconds already gone in the current second.
// A tick that fires early, just before a boundary, aims at the boundary after it.
int DelayToNextTick(int millisecondInSecond);

} // namespace TickSchedule
