// The start-up record (startup_times.h) written out for whoever asks for it: the environment
// variable TELVANA_STARTUP_TIMES names a file, or "-" for standard output, which is how the
// start-up probe of the benchmarks reads it. Without the variable nothing is recorded.
#pragma once

namespace telvana {

inline constexpr wchar_t kStartupTimesVariable[] = L"TELVANA_STARTUP_TIMES";

// First thing in the program: starts the record when the environment asks for it.
void BeginStartupReport();

// Once every window has painted for the first time: writes the report and ends the record.
// Lines of "key value": the counter frequency, the counter at the program's entry and at
// this moment (the same counter in every process, so a parent that read it before starting
// us knows how long loading took), the milliseconds from process creation to the entry by
// the system clock, and one "part NAME MILLISECONDS" line per part of the start.
void EndStartupReport();

}  // namespace telvana
