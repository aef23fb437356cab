#pragma once
// Writing a file whole: the bytes go into a temporary file beside it, every write is checked
// and the file is flushed to the disk before it is renamed into place. A failure leaves the
// old file as it was and says why.
#include <initializer_list>
#include <string>
#include <string_view>

class QString;

// The parts one after another. False on failure, with the reason in error (when asked) and
// kept for takeSaveError.
bool saveWhole(const QString& fileName, std::initializer_list<std::string_view> parts,
               std::string* error = nullptr);

// The reason of this thread's last failed saveWhole, once: for callers whose writers answer
// only true or false. "" after a success or when it was taken.
std::string takeSaveError();

// Writes every byte to the descriptor; false with errno set when one could not be written.
bool writeAll(int fd, std::string_view bytes);

// The system's reason for an error number, in German where the program knows it.
std::string systemReason(int error);

// The common message of a file that could not be written, with its reason on a line of its
// own.
void showSaveFailed(const std::string& reason);
// The same for a reason that may name a file as the file system spells it.
void showSaveFailed(const QString& reason);
