#pragma once
// What the transfer window and the command line tell the user (UTF-8).
#include <string>

class CSio;

// The text while a mode runs, and after it failed (mode 4: the port failed).
const char* TransferRunningText(int mode);
const char* TransferFailureText(int mode);

// Why the port could not be opened and what to do, for the text of mode 4.
std::string PortOpenFailureReason(const CSio& sio);
