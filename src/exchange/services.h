#pragma once
// What the rest of the program calls of the data exchange. The exchange formats of the
// federation and of the clubs' programs are not part of this version: those functions say
// so and change nothing.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The one line the user reads where a data-exchange function is not part of this version.
void showNotIncluded();

// Export file for the clubs' programs. Its layout is not known to this version, so no file
// is created and the result is false.
bool ExportFenkDaten(const std::filesystem::path& fileName);

// Results of ImportBssbMdb (they add up: 3 = clubs and members failed).
enum BssbImportResult {
  BssbOk = 0,
  BssbClubsFailed = 1,
  BssbMembersFailed = 2,
  BssbDeclined = 6,
  BssbNotIncluded = 8,
  BssbInvalid = 9,
};

// Member data from the federation's Access database. 9 when the file cannot be opened;
// the table layout of that database is not known to this version, so a file that opens
// gives 8 and nothing is imported or changed. Shows no message; the caller does.
int ImportBssbMdb(const std::filesystem::path& fileName);

// Owns a list of heap items and frees them with itself.
class PointerListHolder {
 public:
  PointerListHolder() = default;
  PointerListHolder(const PointerListHolder&) = delete;
  PointerListHolder& operator=(const PointerListHolder&) = delete;

  template <class T>
  T* add(std::unique_ptr<T> item) {
    T* raw = item.get();
    items_.emplace_back(std::move(item));  // shared_ptr<void> keeps T's deleter
    return raw;
  }
  size_t size() const { return items_.size(); }

 private:
  std::vector<std::shared_ptr<void>> items_;
};
