// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the trace asks of the system (TraceFilePosix.cpp, TraceFileWin32.cpp):
// a look for the marker, its files as descriptors, and the calendar time.
#include <ctime>
#include <string>
#include <string_view>

// Whether the marker file can be opened for reading in the working directory.
bool TraceMarkerPresent(const char* name);
// A new or emptied file for writing; -1 when it cannot be created.
int TraceFileCreate(const std::string& name);
// Bytes as they are (CR LF stays CR LF); the count written, or -1.
int TraceFileWrite(int file, std::string_view bytes);
void TraceFileClose(int file);
std::tm UtcCalendar(std::time_t secs);
