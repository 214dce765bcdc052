// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileCalls.h"
#include "FileErrorText.h"
#include "SaveTarget.h"

namespace {

constexpr std::string_view kSaving = "gespeichert werden";
constexpr std::string_view kReading = "gelesen werden";

std::string SizeText(std::size_t bytes)
{
    constexpr std::size_t mebibyte = 1u << 20;
    if (bytes >= mebibyte && bytes % mebibyte == 0)
        return std::to_string(bytes / mebibyte) + " MiB";
    return std::to_string(bytes) + " Bytes";
}

std::string TooLarge(std::size_t maxBytes)
{
    return "sie ist zu groß (mehr als " + SizeText(maxBytes) + ")";
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error)
{
    const SaveTarget target = ResolveSaveTarget(path);
    int failure = target.error;
    if (failure == 0)
        failure = target.inPlace ? WriteInPlace(target.path, bytes) : ReplaceWholeFile(target.path, bytes);
    if (failure != 0) {
        error = FileErrorMessage(path, kSaving, FileErrorReason(failure));
        return false;
    }
    error.clear();
    return true;
}

bool CheckSavable(const std::string& path, std::string& error)
{
    const int failure = SaveBlocker(ResolveSaveTarget(path));
    if (failure != 0) {
        error = FileErrorMessage(path, kSaving, FileErrorReason(failure));
        return false;
    }
    error.clear();
    return true;
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::string& error, std::size_t maxBytes)
{
    error.clear();
    const FileRead read = ReadFileCapped(path, maxBytes, bytes, false);
    if (read.outcome == ReadOutcome::Read)
        return ReadStatus::Read;
    bytes.clear();
    if (read.outcome == ReadOutcome::Missing)
        return ReadStatus::Missing;
    const std::string reason =
        read.outcome == ReadOutcome::TooLarge ? TooLarge(maxBytes) : FileErrorReason(read.errorNumber);
    error = FileErrorMessage(path, kReading, reason);
    return ReadStatus::Failed;
}
