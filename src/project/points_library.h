// The points library "biblioteka.dbx": 256-byte point records (the project
// file's point record) one after another, no header. The caller chooses the
// folder (a per-user data folder: the program's folder is often not
// writable); these functions take the full path.
//
// At most 50 points are listed. Storing a 51st is refused with LibraryFull
// rather than written where no window would ever show it; a file that
// already holds more (made elsewhere) lists its first 50, reports how many
// there are, and keeps the rest untouched when a listed point is deleted.
#pragma once

#include <string>
#include <vector>

#include "project/chart_project.h"

namespace orvanta {

inline constexpr const char* kLibraryFileName = "biblioteka.dbx";
inline constexpr int kLibraryMaxPoints = 50;

// Language texts of the library window.
inline constexpr int kTextPointStoredInLibrary = 118;
inline constexpr int kTextLibraryMissing = 311;
inline constexpr int kTextLibraryPointNameTaken = 312;
inline constexpr int kTextClearLibraryQuestion = 313;

enum class LibraryError {
  None,
  NotFound,      // there is no library file (language text 311 in the window)
  CannotRead,    // the system refused to read it
  CannotWrite,   // the system refused to write; the file is unchanged
  Damaged,       // its length is no multiple of 256 (store refused; clear it)
  Full,          // it already holds 50 points (store refused)
  NoSuchRecord,  // delete: the index is not a record of the file
};

struct LibraryResult {
  LibraryError error = LibraryError::None;
  std::string detail;  // the system's message or what is damaged
  bool ok() const { return error == LibraryError::None; }
  // The text for a message box (empty on success).
  std::string Message() const;
};

struct LibraryContents {
  LibraryResult status;
  // The listed points in file order; points[k] is record k of the file.
  std::vector<ChartPoint> points;
  int records_in_file = 0;  // whole records in the file (may exceed 50)
  // Listing stopped early at a record that is damaged or has no name
  // (-1: it did not); the records from there on are not listed.
  int stopped_at_record = -1;
  int trailing_bytes = 0;   // bytes after the last whole record
  // More records than the window lists (records_in_file > 50).
  bool more_than_listed() const { return records_in_file > kLibraryMaxPoints; }
};

LibraryContents ReadLibrary(const std::string& path);
// Appends the point's record; creates the file (and its folder) when missing.
LibraryResult AppendLibraryPoint(const std::string& path, const ChartPoint& point);
// Removes record `index` (0-based); the following records move up.
LibraryResult DeleteLibraryPoint(const std::string& path, int index);
// Empties the file (zero length); a missing file stays missing.
LibraryResult ClearLibrary(const std::string& path);

}  // namespace orvanta
