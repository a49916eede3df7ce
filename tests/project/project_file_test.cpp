#include "project/project_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>

#include "project/binary_record.h"
#include "project_test_support.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

using testing_support::FileBytes;
using testing_support::FullProject;
using testing_support::MakePoint;
using testing_support::ScratchDir;
using testing_support::WriteBytes;
using Image = std::vector<std::uint8_t>;

double DoubleAt(const Image& image, std::size_t offset) { return record::GetDouble(image, offset); }

// The raw bytes of a short string: length byte and the significant bytes.
std::string RawStringAt(const Image& image, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&image[offset + 1]), image[offset]);
}

void ExpectAllZero(const Image& image, std::size_t from, std::size_t to) {
  for (std::size_t k = from; k < to; ++k) ASSERT_EQ(image[k], 0) << "byte " << k;
}

// A project that must stay exactly as it is when a read is refused.
struct Bystander {
  ChartProject project = FullProject();
  Bystander() {
    project.set_file_name("/somewhere/current.ovt");
    project.set_modified(true);
  }
  void ExpectUntouched() const {
    EXPECT_TRUE(project.ContentEquals(FullProject()));
    EXPECT_EQ(project.file_name(), "/somewhere/current.ovt");
    EXPECT_TRUE(project.modified());
  }
};

TEST(ProjectFileRoundTrip, EveryFieldComesBackIdentical) {
  const ChartProject original = FullProject();
  const Image image = ProjectImage(original);
  ASSERT_EQ(image.size(), 15368u);
  ChartProject read;
  const ProjectFileResult r = ProjectFromImage(image, read);
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, ProjectFileLayout::Current);
  EXPECT_EQ(r.pb, 98500);
  EXPECT_TRUE(read.ContentEquals(original));
  EXPECT_EQ(read.point_count(), 5);
  EXPECT_EQ(read.process_count(), 2);
  EXPECT_EQ(read.coefficient_count(), 2);
  EXPECT_EQ(read.point(4).description, "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");
  EXPECT_EQ(ProjectImage(read), image);
}

TEST(ProjectFileRoundTrip, ThroughAFileSetsNameAndClearsModified) {
  ScratchDir dir;
  const std::string path = dir.File("project.ovt");
  const ChartProject original = FullProject();
  ASSERT_TRUE(WriteProjectFile(path, original).ok());
  EXPECT_EQ(std::filesystem::file_size(path), 15368u);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"project.ovt"});  // no temporary left

  ChartProject read;
  int hook_calls = 0;
  read.SetMixingRefresh([&](ChartProject&) { ++hook_calls; });
  read.set_modified(true);
  const ProjectFileResult r = ReadProjectFile(path, read);
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_TRUE(read.ContentEquals(original));
  EXPECT_EQ(read.file_name(), path);
  EXPECT_FALSE(read.modified());
  read.RefreshDependentPoints();
  EXPECT_EQ(hook_calls, 1);  // the reader keeps the project's mixing hook
}

TEST(ProjectFileLayout, RecordTablesSitAtTheirOffsets) {
  const ChartProject p = FullProject();
  const Image image = ProjectImage(p);

  // Point 2 ("Pokój") at 256: name, description, state, ties, label, reserved.
  const std::size_t pt = 256;
  EXPECT_EQ(RawStringAt(image, pt + 0), "Pok\xF3j");  // Windows-1250 ó
  EXPECT_EQ(RawStringAt(image, pt + 11), "room air");
  const AirState& s = p.point(1).state;
  const double expected[] = {s.x, s.t, s.phi, s.i, s.rho, s.pp, s.pa, s.tw, s.td};
  for (int k = 0; k < 9; ++k) EXPECT_EQ(DoubleAt(image, pt + 48 + 8 * k), expected[k]) << k;
  EXPECT_EQ(RawStringAt(image, pt + 164), "_L");
  ExpectAllZero(image, pt + 167, pt + 256);
  ExpectAllZero(image, pt + 42, pt + 48);  // padding

  // Point 4 is tied to a process, point 5 to a coefficient.
  EXPECT_EQ(image[3 * 256 + 120], 1);
  EXPECT_EQ(RawStringAt(image, 3 * 256 + 121), "Zewn-Chl");
  EXPECT_EQ(image[3 * 256 + 142], 0);
  EXPECT_EQ(image[4 * 256 + 120], 0);
  EXPECT_EQ(image[4 * 256 + 142], 1);
  EXPECT_EQ(RawStringAt(image, 4 * 256 + 143), "Zyski ciep\xB3" "a pokoju");
  EXPECT_EQ(RawStringAt(image, 0 * 256 + 164), "_G");
  EXPECT_EQ(RawStringAt(image, 2 * 256 + 164), "_D");
  EXPECT_EQ(RawStringAt(image, 3 * 256 + 164), "_P");
  ExpectAllZero(image, 5 * 256, 12800);  // unused point slots

  // Process 2 at 12800 + 56.
  const std::size_t pr = 12800 + 56;
  EXPECT_EQ(RawStringAt(image, pr + 0), "Chl-Pok\xF3j");
  EXPECT_EQ(RawStringAt(image, pr + 21), "Chl");
  EXPECT_EQ(RawStringAt(image, pr + 32), "Pok\xF3j");
  EXPECT_EQ(image[pr + 43], 0);
  EXPECT_EQ(DoubleAt(image, pr + 48), 2000);
  EXPECT_EQ(image[12800 + 43], 1);
  EXPECT_EQ(DoubleAt(image, 12800 + 48), 1234.5);
  ExpectAllZero(image, 12800 + 2 * 56, 13920);

  // Coefficient 1 at 13920.
  const std::size_t co = 13920;
  EXPECT_EQ(image[co], 19);
  EXPECT_EQ(DoubleAt(image, co + 24), 8500.25);
  EXPECT_EQ(RawStringAt(image, co + 32), "Pok\xF3j");
  EXPECT_EQ(image[co + 43], 1);
  EXPECT_EQ(RawStringAt(image, co + 44), "12,5");
  EXPECT_EQ(RawStringAt(image, co + 55), "0.00147");
  EXPECT_EQ(DoubleAt(image, co + 72 + 24), -1200);
  ExpectAllZero(image, co + 2 * 72, 15288);

  // The link in slot 20, the pressure last.
  EXPECT_EQ(RawStringAt(image, 15288), "Chl-Pok\xF3j");
  EXPECT_EQ(RawStringAt(image, 15320), "eps2");
  EXPECT_EQ(image[15331], 1);
  EXPECT_EQ(DoubleAt(image, 15360), 98500);
}

TEST(ProjectFileLayout, AnEmptyProjectIsZerosAndThePressure) {
  ChartProject empty;
  empty.set_pb(95000);
  const Image image = ProjectImage(empty);
  ASSERT_EQ(image.size(), 15368u);
  ExpectAllZero(image, 0, 15360);
  EXPECT_EQ(DoubleAt(image, 15360), 95000);
}

TEST(ProjectFilePressure, AZeroOrImpossiblePressureIsWrittenAsStandard) {
  for (double pb : {0.0, -5.0, std::nan("")}) {
    ChartProject p;
    p.set_pb(pb);
    EXPECT_EQ(DoubleAt(ProjectImage(p), 15360), 101300) << pb;
  }
  // A file that holds 0 opens at the standard pressure.
  Image image = ProjectImage(FullProject());
  record::PutDouble(image, 15360, 0);
  ChartProject read;
  const ProjectFileResult r = ProjectFromImage(image, read);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.pb, 101300);
  EXPECT_EQ(read.pb(), 101300);
}

TEST(ProjectFileOpen, PointsKeepTAndXAndAreRecomputedAtTheFilesPressure) {
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("A", 101300, 20, 7.26)));
  p.set_pb(90000);  // the file says 900 hPa; the stored state was computed at 1013
  const Image image = ProjectImage(p);

  ChartProject opened;
  ASSERT_TRUE(ProjectFromImage(image, opened).ok());
  EXPECT_EQ(opened.point(0).state, StateFromTX(90000, 20, 0.00726));

  // Start-up with a file argument keeps the stored states.
  ChartProject kept;
  ASSERT_TRUE(ProjectFromImage(image, kept, {.refresh_points = false}).ok());
  EXPECT_EQ(kept.point(0).state, StateFromTX(101300, 20, 0.00726));
}

TEST(ProjectFileLink, TwentiethCoefficientSlotComesBackAsTheLink) {
  ChartProject p;
  for (int k = 0; k < 19; ++k) ASSERT_TRUE(p.AddCoefficient({.name = "c" + std::to_string(k + 1)}));
  Image image = ProjectImage(p);
  // What a program that kept 20 coefficients would have written in slot 20.
  DirectionCoefficient twentieth{.name = "c20", .epsilon = 4000, .point_name = "P", .draw_line = true,
                                 .heat_gain = "3", .moisture_gain = "0.001"};
  const std::span<std::uint8_t> slot(image.data() + 15288, 72);
  record::PutShortString(slot, 0, 20, twentieth.name);
  record::PutDouble(slot, 24, twentieth.epsilon);
  record::PutShortString(slot, 32, 10, twentieth.point_name);
  record::PutBool(slot, 43, true);

  ChartProject read;
  ASSERT_TRUE(ProjectFromImage(image, read).ok());
  EXPECT_EQ(read.coefficient_count(), 19);
  EXPECT_FALSE(read.coefficient(19).Used());
  EXPECT_EQ(read.air_flow_link(), (AirFlowLink{.process_name = "c20", .coefficient_name = "P", .enabled = true}));
}

TEST(ProjectFileLink, ALongCoefficientNameIsFoundAgainByItsFirstTenCharacters) {
  ChartProject p;
  ASSERT_TRUE(p.AddProcess({.name = "A-B"}));
  ASSERT_TRUE(p.AddCoefficient({.name = "gains", .heat_gain = "1"}));
  ASSERT_TRUE(p.AddCoefficient({.name = "Zyski ciepła pokoju", .heat_gain = "10"}));
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "Zyski ciepła pokoju", .enabled = true});
  const Image image = ProjectImage(p);
  EXPECT_EQ(RawStringAt(image, 15320), "Zyski ciep");  // the file keeps ten characters

  ChartProject read;
  ASSERT_TRUE(ProjectFromImage(image, read).ok());
  EXPECT_EQ(read.air_flow_link().coefficient_name, "Zyski ciepła pokoju");
  EXPECT_TRUE(read.ContentEquals(p));
}

// The older layout: 168-byte points without label position, shifted tables.
Image OlderImage() {
  Image image(10968, 0);
  const std::span<std::uint8_t> all(image);
  auto point = [&](int k, const std::string& name, double t, double x, bool on_process, const std::string& process,
                   bool on_coefficient, const std::string& coefficient) {
    const auto rec = all.subspan(k * 168, 168);
    record::PutShortString(rec, 0, 10, name);
    record::PutShortString(rec, 11, 30, "old " + name);
    const AirState s = StateFromTX(101300, t, x);
    const double v[] = {s.x, s.t, s.phi, s.i, s.rho, s.pp, s.pa, s.tw, s.td};
    for (int f = 0; f < 9; ++f) record::PutDouble(rec, 48 + 8 * f, v[f]);
    record::PutBool(rec, 120, on_process);
    record::PutShortString(rec, 121, 20, process);
    record::PutBool(rec, 142, on_coefficient);
    record::PutShortString(rec, 143, 20, coefficient);
  };
  point(0, "Zewn", 30, 0.012, false, "", false, "");
  point(1, "Chl", 12, 0.008, false, "", true, "eps");
  point(2, "T", 20, 0.001, true, "Zewn-Chl", false, "");
  const auto pr = all.subspan(8400, 56);
  record::PutShortString(pr, 0, 20, "Zewn-Chl");
  record::PutShortString(pr, 21, 10, "Zewn");
  record::PutShortString(pr, 32, 10, "Chl");
  record::PutBool(pr, 43, true);
  record::PutDouble(pr, 48, 3000);
  const auto co = all.subspan(9520, 72);
  record::PutShortString(co, 0, 20, "eps");
  record::PutDouble(co, 24, 7000);
  record::PutShortString(co, 32, 10, "Chl");
  record::PutBool(co, 43, true);
  record::PutShortString(co, 44, 10, "4,2");
  record::PutShortString(co, 55, 10, "0.0005");
  const auto link = all.subspan(9520 + 19 * 72, 72);
  record::PutShortString(link, 0, 20, "Zewn-Chl");
  record::PutShortString(link, 32, 10, "eps");
  record::PutBool(link, 43, false);
  record::PutDouble(all, 10960, 99000);
  return image;
}

TEST(ProjectFileOlderLayout, OpensAndConverts) {
  ChartProject read;
  const ProjectFileResult r = ProjectFromImage(OlderImage(), read);
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, ProjectFileLayout::Older);
  EXPECT_EQ(r.pb, 99000);
  ASSERT_EQ(read.point_count(), 3);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(read.point(k).label_position, LabelPosition::Right) << k;
    EXPECT_FALSE(read.point(k).on_coefficient) << k;
  }
  EXPECT_EQ(read.point(1).coefficient_name, "eps");  // the name is taken, the tie is not
  EXPECT_EQ(read.point(0).description, "old Zewn");
  EXPECT_TRUE(read.point(2).on_process);
  EXPECT_EQ(read.point(2).process_name, "Zewn-Chl");
  // Shown at the stored t and x, recomputed at the file's pressure.
  EXPECT_EQ(read.point(0).state, StateFromTX(99000, 30, 0.012));
  ASSERT_EQ(read.process_count(), 1);
  EXPECT_EQ(read.process(0), (AirProcess{.name = "Zewn-Chl", .start_point = "Zewn", .end_point = "Chl",
                                         .draw_line = true, .air_flow = 3000}));
  ASSERT_EQ(read.coefficient_count(), 1);
  EXPECT_EQ(read.coefficient(0), (DirectionCoefficient{.name = "eps", .epsilon = 7000, .point_name = "Chl",
                                                       .draw_line = true, .heat_gain = "4,2",
                                                       .moisture_gain = "0.0005"}));
  EXPECT_EQ(read.air_flow_link(),
            (AirFlowLink{.process_name = "Zewn-Chl", .coefficient_name = "eps", .enabled = false}));

  // Saved again it is a current-layout file with the same content.
  ChartProject again;
  ASSERT_TRUE(ProjectFromImage(ProjectImage(read), again).ok());
  EXPECT_TRUE(again.ContentEquals(read));
}

TEST(ProjectFileCounts, CountsAreTheLeadingUsedSlots) {
  Image image = ProjectImage(FullProject());
  image[2 * 256] = 0;           // point 3 loses its name: points 4 and 5 follow a gap
  image[13920 + 72] = 0;        // coefficient 2 unused
  ChartProject read;
  ASSERT_TRUE(ProjectFromImage(image, read).ok());
  EXPECT_EQ(read.point_count(), 2);
  EXPECT_FALSE(read.point(3).Used());  // nothing after the gap is kept
  EXPECT_EQ(read.process_count(), 2);
  EXPECT_EQ(read.coefficient_count(), 1);
}

// ---- Damaged files ----

TEST(ProjectFileDamage, EveryOtherLengthIsRefused) {
  const Image full = ProjectImage(FullProject());
  Bystander b;
  for (std::size_t n = 0; n < full.size(); ++n) {
    if (n == 10968) continue;
    const ProjectFileResult r = ProjectFromImage(std::span(full.data(), n), b.project);
    ASSERT_EQ(r.error, ProjectFileError::WrongSize) << n;
  }
  Image longer = full;
  longer.push_back(0);
  EXPECT_EQ(ProjectFromImage(longer, b.project).error, ProjectFileError::WrongSize);
  b.ExpectUntouched();

  const ProjectFileResult r = ProjectFromImage(std::span(full.data(), 100), b.project);
  EXPECT_NE(r.Message().find("15368"), std::string::npos);
  EXPECT_NE(r.Message().find("100 bytes"), std::string::npos);
}

TEST(ProjectFileDamage, ImpossibleFieldsAreRefusedAndNamed) {
  const Image good = ProjectImage(FullProject());
  struct Case {
    const char* what;
    std::function<void(Image&)> spoil;
    const char* named;
  };
  auto put_double = [](std::size_t offset, double v) { return [=](Image& i) { record::PutDouble(i, offset, v); }; };
  auto put_byte = [](std::size_t offset, std::uint8_t v) { return [=](Image& i) { i[offset] = v; }; };
  const std::vector<Case> cases = {
      {"point name length", put_byte(256, 11), "point 2"},
      {"description length", put_byte(11, 31), "point 1"},
      {"process tie byte", put_byte(120, 2), "point 1"},
      {"process name length", put_byte(4 * 256 + 121, 21), "point 5"},
      {"coefficient tie byte", put_byte(142, 0xFF), "point 1"},
      {"coefficient name length", put_byte(143, 200), "point 1"},
      {"label length", put_byte(164, 3), "point 1"},
      {"t not a number", put_double(56, NAN), "point 1"},
      {"x infinite", put_double(256 + 48, INFINITY), "point 2"},
      {"t absurd", put_double(56, 1e300), "point 1"},
      {"x absurd", put_double(48, -50), "point 1"},
      {"process name length", put_byte(12800 + 56, 21), "process 2"},
      {"process start length", put_byte(12800 + 21, 11), "process 1"},
      {"process end length", put_byte(12800 + 32, 250), "process 1"},
      {"process line byte", put_byte(12800 + 43, 7), "process 1"},
      {"air flow", put_double(12800 + 48, NAN), "process 1"},
      {"coefficient name length", put_byte(13920, 21), "coefficient 1"},
      {"epsilon", put_double(13920 + 24, -INFINITY), "coefficient 1"},
      {"coefficient point length", put_byte(13920 + 72 + 32, 11), "coefficient 2"},
      {"coefficient line byte", put_byte(13920 + 43, 2), "coefficient 1"},
      {"heat gain length", put_byte(13920 + 44, 11), "coefficient 1"},
      {"moisture gain length", put_byte(13920 + 55, 12), "coefficient 1"},
      {"link process length", put_byte(15288, 21), "link"},
      {"link coefficient length", put_byte(15320, 11), "link"},
      {"link switch", put_byte(15331, 3), "link"},
      {"pressure not a number", put_double(15360, NAN), "pressure"},
      {"pressure negative", put_double(15360, -1), "pressure"},
      {"pressure absurd", put_double(15360, 1e-300), "pressure"},
  };
  for (const Case& c : cases) {
    Image image = good;
    c.spoil(image);
    Bystander b;
    const ProjectFileResult r = ProjectFromImage(image, b.project);
    EXPECT_EQ(r.error, ProjectFileError::Damaged) << c.what;
    EXPECT_NE(r.Message().find(c.named), std::string::npos) << c.what << ": " << r.Message();
    b.ExpectUntouched();
  }
}

TEST(ProjectFileDamage, BytesThatCarryNothingAreIgnored) {
  Image image = ProjectImage(FullProject());
  image[42] = 0xAA;              // padding after a description
  image[200] = 0x55;             // reserved text
  image[5 * 256 + 3] = 0xFF;     // inside an unused point slot
  image[256 + 1 + 6] = 'Z';      // behind the significant bytes of a name
  image[12800 + 45] = 9;         // process padding
  image[13920 + 22] = 9;         // coefficient padding
  image[15288 + 24] = 0x7F;      // slot 20's epsilon bytes
  ChartProject read;
  ASSERT_TRUE(ProjectFromImage(image, read).ok());
  EXPECT_TRUE(read.ContentEquals(FullProject()));
}

// Random damage: whatever comes out is either refused with the project
// untouched, or a sound project (counts within bounds, no gaps, and it
// survives saving and reading again).
TEST(ProjectFileDamage, FuzzedImagesNeverCrashOrHalfApply) {
  std::mt19937 rng(20240611);
  const Image good = ProjectImage(FullProject());
  const Image older = OlderImage();
  int accepted = 0, refused = 0;
  auto check = [&](const Image& image) {
    Bystander b;
    const ProjectFileResult r = ProjectFromImage(image, b.project);
    if (!r.ok()) {
      ++refused;
      b.ExpectUntouched();
      return;
    }
    ++accepted;
    const ChartProject& p = b.project;
    ASSERT_LE(p.point_count(), 50);
    ASSERT_LE(p.process_count(), 20);
    ASSERT_LE(p.coefficient_count(), 19);
    for (int k = 0; k < 50; ++k) ASSERT_EQ(p.point(k).Used(), k < p.point_count());
    for (int k = 0; k < 20; ++k) ASSERT_EQ(p.process(k).Used(), k < p.process_count());
    for (int k = 0; k < 20; ++k) ASSERT_EQ(p.coefficient(k).Used(), k < p.coefficient_count());
    ChartProject again;
    ASSERT_TRUE(ProjectFromImage(ProjectImage(p), again, {.refresh_points = false}).ok());
    ASSERT_TRUE(again.ContentEquals(p));
  };
  for (int round = 0; round < 3000; ++round) {
    Image image = (round % 3 == 0) ? older : good;
    const int flips = 1 + static_cast<int>(rng() % 12);
    for (int f = 0; f < flips; ++f) image[rng() % image.size()] = static_cast<std::uint8_t>(rng());
    check(image);
  }
  for (int round = 0; round < 200; ++round) {
    Image image(round % 2 ? 15368 : 10968);
    for (auto& byte : image) byte = static_cast<std::uint8_t>(rng());
    check(image);
  }
  for (int round = 0; round < 200; ++round) {  // truncated, with garbage appended
    Image image(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(rng() % good.size()));
    image.resize(15368, static_cast<std::uint8_t>(rng()));
    check(image);
  }
  EXPECT_GT(accepted, 0);
  EXPECT_GT(refused, 0);
}

// ---- Files ----

TEST(ProjectFileRead, MissingUnreadableAndWrongFilesLeaveTheProjectAlone) {
  ScratchDir dir;
  Bystander b;
  const ProjectFileResult missing = ReadProjectFile(dir.File("none.ovt"), b.project);
  EXPECT_EQ(missing.error, ProjectFileError::NotFound);
  EXPECT_EQ(ReadProjectFile(dir.path().string(), b.project).error, ProjectFileError::CannotRead);
#ifdef __unix__
  const ProjectFileResult device = ReadProjectFile("/dev/zero", b.project);  // never ends
  EXPECT_EQ(device.error, ProjectFileError::CannotRead);
  EXPECT_NE(device.Message().find("not a regular file"), std::string::npos);
#endif

  const Image good = ProjectImage(FullProject());
  WriteBytes(dir.File("cut.ovt"), Image(good.begin(), good.begin() + 15000));
  EXPECT_EQ(ReadProjectFile(dir.File("cut.ovt"), b.project).error, ProjectFileError::WrongSize);
  WriteBytes(dir.File("big.ovt"), Image(1 << 20, 0));
  const ProjectFileResult big = ReadProjectFile(dir.File("big.ovt"), b.project);
  EXPECT_EQ(big.error, ProjectFileError::WrongSize);
  EXPECT_NE(big.Message().find("more than 15368"), std::string::npos);
  WriteBytes(dir.File("empty.ovt"), {});
  EXPECT_EQ(ReadProjectFile(dir.File("empty.ovt"), b.project).error, ProjectFileError::WrongSize);
  b.ExpectUntouched();

  WriteBytes(dir.File("old.ovt"), OlderImage());
  ChartProject read;
  const ProjectFileResult older = ReadProjectFile(dir.File("old.ovt"), read);
  ASSERT_TRUE(older.ok());
  EXPECT_EQ(older.layout, ProjectFileLayout::Older);
  EXPECT_EQ(read.file_name(), dir.File("old.ovt"));
}

TEST(ProjectFileWrite, ReplacesAnExistingFileWhole) {
  ScratchDir dir;
  const std::string path = dir.File("p.ovt");
  WriteBytes(path, Image(40000, 0xEE));
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("A", 101300, 20, 5)));
  ASSERT_TRUE(WriteProjectFile(path, p).ok());
  EXPECT_EQ(FileBytes(path), ProjectImage(p));
  EXPECT_EQ(dir.Entries().size(), 1u);
}

TEST(ProjectFileWrite, ThroughASymbolicLinkTheLinkedFileIsReplaced) {
  ScratchDir dir;
  WriteBytes(dir.File("real.ovt"), {});
  std::filesystem::create_symlink(dir.File("real.ovt"), dir.File("link.ovt"));
  const ChartProject p = FullProject();
  ASSERT_TRUE(WriteProjectFile(dir.File("link.ovt"), p).ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ovt")));
  EXPECT_EQ(FileBytes(dir.File("real.ovt")), ProjectImage(p));
}

TEST(ProjectFileWrite, AFailedSaveKeepsTheOldFile) {
  ScratchDir dir;
  const std::string path = dir.File("keep.ovt");
  const Image old_image = ProjectImage(FullProject());
  WriteBytes(path, old_image);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  ChartProject changed;
  const ProjectFileResult r = WriteProjectFile(path, changed);
  EXPECT_EQ(r.error, ProjectFileError::CannotWrite);
  EXPECT_NE(r.Message().find("unchanged"), std::string::npos);
  EXPECT_EQ(FileBytes(path), old_image);
  EXPECT_EQ(dir.Entries().size(), 1u);

  EXPECT_EQ(WriteProjectFile(dir.File("no/such/folder/p.ovt"), changed).error, ProjectFileError::CannotWrite);
  EXPECT_EQ(WriteProjectFile(dir.path().string(), changed).error, ProjectFileError::CannotWrite);
  EXPECT_EQ(dir.Entries().size(), 1u);
}

}  // namespace
}  // namespace orvanta
