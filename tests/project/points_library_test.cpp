#include "project/points_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "project/project_file.h"
#include "project_test_support.h"

namespace orvanta {
namespace {

using testing_support::FileBytes;
using testing_support::FullProject;
using testing_support::MakePoint;
using testing_support::ScratchDir;
using testing_support::WriteBytes;

std::vector<std::string> Names(const LibraryContents& c) {
  std::vector<std::string> names;
  for (const ChartPoint& p : c.points) names.push_back(p.name);
  return names;
}

TEST(PointsLibrary, StoringCreatesTheFileAndAppendsInOrder) {
  ScratchDir dir;
  const std::string path = dir.File("data/orvanta/biblioteka.dbx");  // the folder is made too
  const ChartProject project = FullProject();

  EXPECT_EQ(ReadLibrary(path).status.error, LibraryError::NotFound);
  ASSERT_TRUE(AppendLibraryPoint(path, project.point(0)).ok());
  EXPECT_EQ(std::filesystem::file_size(path), 256u);
  ASSERT_TRUE(AppendLibraryPoint(path, project.point(4)).ok());
  ASSERT_TRUE(AppendLibraryPoint(path, project.point(0)).ok());  // the same name may repeat
  EXPECT_EQ(std::filesystem::file_size(path), 768u);

  const LibraryContents c = ReadLibrary(path);
  ASSERT_TRUE(c.status.ok());
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Zewn", "Łóżko", "Zewn"}));
  EXPECT_EQ(c.points[1], project.point(4));  // the whole record: state, ties, label
  EXPECT_EQ(c.records_in_file, 3);
  EXPECT_EQ(c.stopped_at_record, -1);
  EXPECT_FALSE(c.more_than_listed());

  // Each record is the project file's point record.
  const auto bytes = FileBytes(path);
  const auto image = ProjectImage(project);
  EXPECT_TRUE(std::equal(bytes.begin() + 256, bytes.begin() + 512, image.begin() + 4 * 256));
}

TEST(PointsLibrary, DeleteMovesTheFollowingRecordsUpAndClearEmpties) {
  ScratchDir dir;
  const std::string path = dir.File("biblioteka.dbx");
  for (const char* name : {"A", "B", "C"}) ASSERT_TRUE(AppendLibraryPoint(path, MakePoint(name, 101300, 20, 5)).ok());
  ASSERT_TRUE(DeleteLibraryPoint(path, 1).ok());
  EXPECT_EQ(Names(ReadLibrary(path)), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(DeleteLibraryPoint(path, 2).error, LibraryError::NoSuchRecord);
  EXPECT_EQ(DeleteLibraryPoint(path, -1).error, LibraryError::NoSuchRecord);
  EXPECT_EQ(std::filesystem::file_size(path), 512u);

  ASSERT_TRUE(ClearLibrary(path).ok());
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  const LibraryContents empty = ReadLibrary(path);
  EXPECT_TRUE(empty.status.ok());  // an empty file holds no point: not "missing"
  EXPECT_TRUE(empty.points.empty());
  EXPECT_TRUE(ClearLibrary(dir.File("none.dbx")).ok());
  EXPECT_FALSE(std::filesystem::exists(dir.File("none.dbx")));
}

TEST(PointsLibrary, FiftyPointsAreTheLimit) {
  ScratchDir dir;
  const std::string path = dir.File("biblioteka.dbx");
  for (int k = 0; k < 50; ++k) {
    ASSERT_TRUE(AppendLibraryPoint(path, MakePoint("P" + std::to_string(k), 101300, 20, 5)).ok());
  }
  const LibraryResult full = AppendLibraryPoint(path, MakePoint("P50", 101300, 20, 5));
  EXPECT_EQ(full.error, LibraryError::Full);
  EXPECT_NE(full.Message().find("50 points"), std::string::npos);
  EXPECT_EQ(std::filesystem::file_size(path), 50u * 256);

  // A file made elsewhere with more: the first 50 are listed, the rest kept.
  auto bytes = FileBytes(path);
  std::vector<std::uint8_t> record(256);
  EncodePointRecord(MakePoint("P50", 101300, 20, 5), record);
  bytes.insert(bytes.end(), record.begin(), record.end());
  WriteBytes(path, bytes);
  LibraryContents c = ReadLibrary(path);
  EXPECT_EQ(c.points.size(), 50u);
  EXPECT_EQ(c.records_in_file, 51);
  EXPECT_TRUE(c.more_than_listed());
  ASSERT_TRUE(DeleteLibraryPoint(path, 0).ok());
  c = ReadLibrary(path);
  EXPECT_EQ(c.records_in_file, 50);
  EXPECT_EQ(c.points.back().name, "P50");
}

TEST(PointsLibrary, DamagedFilesAreListedAsFarAsTheyGoAndNeverExtended) {
  ScratchDir dir;
  const std::string path = dir.File("biblioteka.dbx");
  for (const char* name : {"A", "B", "C"}) ASSERT_TRUE(AppendLibraryPoint(path, MakePoint(name, 101300, 20, 5)).ok());
  auto bytes = FileBytes(path);
  bytes[256] = 40;  // record 2: name length beyond its capacity
  bytes.push_back(7);
  WriteBytes(path, bytes);

  const LibraryContents c = ReadLibrary(path);
  EXPECT_TRUE(c.status.ok());
  EXPECT_EQ(Names(c), std::vector<std::string>{"A"});
  EXPECT_EQ(c.stopped_at_record, 1);
  EXPECT_EQ(c.records_in_file, 3);
  EXPECT_EQ(c.trailing_bytes, 1);

  const LibraryResult store = AppendLibraryPoint(path, MakePoint("D", 101300, 20, 5));
  EXPECT_EQ(store.error, LibraryError::Damaged);
  EXPECT_EQ(FileBytes(path), bytes);  // unchanged
  ASSERT_TRUE(ClearLibrary(path).ok());  // the way out
  ASSERT_TRUE(AppendLibraryPoint(path, MakePoint("D", 101300, 20, 5)).ok());
  EXPECT_EQ(Names(ReadLibrary(path)), std::vector<std::string>{"D"});

  EXPECT_EQ(ReadLibrary(dir.path().string()).status.error, LibraryError::CannotRead);
}

TEST(PointsLibrary, AFailedWriteKeepsTheFile) {
  ScratchDir dir;
  const std::string path = dir.File("biblioteka.dbx");
  ASSERT_TRUE(AppendLibraryPoint(path, MakePoint("A", 101300, 20, 5)).ok());
  const auto before = FileBytes(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  const LibraryResult r = AppendLibraryPoint(path, MakePoint("B", 101300, 20, 5));
  EXPECT_EQ(r.error, LibraryError::CannotWrite);
  EXPECT_EQ(DeleteLibraryPoint(path, 0).error, LibraryError::CannotWrite);
  EXPECT_EQ(ClearLibrary(path).error, LibraryError::CannotWrite);
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(dir.Entries().size(), 1u);
}

}  // namespace
}  // namespace orvanta
