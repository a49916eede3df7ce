// What users hand the readers and writers besides good files: pipes,
// devices, sockets and links to them, names at the length limit, values no
// air can have, files cut short or zeroed, and indices far out of range.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "project/binary_record.h"
#include "project/points_library.h"
#include "project/project_file.h"
#include "project/safe_file.h"
#include "project_test_support.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::FileBytes;
using testing_support::FullProject;
using testing_support::MakePoint;
using testing_support::ScratchDir;
using testing_support::WriteBytes;
using Image = std::vector<std::uint8_t>;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The special files a user could point the program at, made in the scratch
// folder: a FIFO (no writer: opening it for reading would wait for ever), a
// socket and, where allowed, a character device equal to /dev/null.
struct SpecialFiles {
  std::string fifo, socket, device;
  int socket_fd = -1;
  explicit SpecialFiles(const ScratchDir& dir) {
    fifo = dir.File("fifo.ovt");
    if (::mkfifo(fifo.c_str(), 0666) != 0) fifo.clear();
    socket = dir.File("socket.ovt");
    socket_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (socket.size() < sizeof addr.sun_path) {
      std::strcpy(addr.sun_path, socket.c_str());
      if (::bind(socket_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) socket.clear();
    } else {
      socket.clear();
    }
    device = dir.File("null.ovt");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device.clear();
  }
  ~SpecialFiles() {
    if (socket_fd >= 0) ::close(socket_fd);
  }
  std::vector<std::string> All() const {
    std::vector<std::string> v;
    for (const auto* p : {&fifo, &socket, &device}) {
      if (!p->empty()) v.push_back(*p);
    }
    return v;
  }
};

bool StillSpecial(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

TEST(SpecialFiles, ReadersRefuseThemAtOnceAlsoThroughLinks) {
  ScratchDir dir;
  SpecialFiles special(dir);
  ASSERT_FALSE(special.fifo.empty());
  std::vector<std::string> paths = special.All();
  fs::create_symlink(special.fifo, dir.File("link-to-fifo.ovt"));
  paths.push_back(dir.File("link-to-fifo.ovt"));
  for (const std::string& path : paths) {
    const FileReadResult raw = ReadFileBytes(path, 100);
    EXPECT_TRUE(raw.exists) << path;
    EXPECT_FALSE(raw.ok) << path;
    EXPECT_TRUE(Contains(raw.error, "not a regular file")) << path << ": " << raw.error;

    ChartProject project = FullProject();
    const ProjectFileResult r = ReadProjectFile(path, project);
    EXPECT_EQ(r.error, ProjectFileError::CannotRead) << path;
    EXPECT_TRUE(project.ContentEquals(FullProject()));
    EXPECT_EQ(ReadLibrary(path).status.error, LibraryError::CannotRead) << path;
  }
  EXPECT_TRUE(Contains(ReadFileBytes(special.fifo, 1).error, "pipe"));
}

TEST(SpecialFiles, WritersLeaveThemAsTheyAreAndSaySo) {
  ScratchDir dir;
  SpecialFiles special(dir);
  std::vector<std::string> paths = special.All();
  ASSERT_FALSE(paths.empty());
  fs::create_symlink(special.fifo, dir.File("link-to-fifo.ovt"));
  paths.push_back(dir.File("link-to-fifo.ovt"));
  const std::size_t entries = dir.Entries().size();
  for (const std::string& path : paths) {
    const ProjectFileResult r = WriteProjectFile(path, FullProject());
    EXPECT_EQ(r.error, ProjectFileError::CannotWrite) << path;
    EXPECT_TRUE(Contains(r.Message(), "not a regular file")) << r.Message();
    EXPECT_TRUE(StillSpecial(fs::weakly_canonical(path).string())) << path;
    EXPECT_EQ(AppendLibraryPoint(path, FullProject().point(0)).error, LibraryError::CannotRead) << path;
    EXPECT_EQ(ClearLibrary(path).error, LibraryError::CannotWrite) << path;
    EXPECT_TRUE(StillSpecial(fs::weakly_canonical(path).string())) << path;
  }
  EXPECT_EQ(dir.Entries().size(), entries);  // no temporary file left behind
}

TEST(LongNames, AFileWhoseNameFillsTheLimitIsSavedAndReadAgain) {
  ScratchDir dir;
  for (std::size_t length : {200u, 242u, 250u, 255u}) {
    const std::string name = std::string(length - 4, 'p') + ".ovt";
    const std::string path = dir.File(name);
    const ProjectFileResult w = WriteProjectFile(path, FullProject());
    ASSERT_TRUE(w.ok()) << length << ": " << w.Message();
    ChartProject read;
    ASSERT_TRUE(ReadProjectFile(path, read).ok()) << length;
    EXPECT_TRUE(read.ContentEquals(FullProject()));
    ASSERT_TRUE(WriteProjectFile(path, FullProject()).ok()) << "replacing, " << length;
    fs::remove(path);
  }
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(LongNames, TheTemporaryNameAlwaysFitsAndKeepsWholeCharacters) {
  const std::string polish = "\xC5\x82";  // "ł", two bytes
  for (std::size_t name_max : {255u, 100u, 20u}) {
    for (const std::string& base : {std::string("a.ovt"), std::string(255, 'x'), [&] {
           std::string s;
           while (s.size() < 254) s += polish;
           return s;
         }()}) {
      const std::string temp = TemporaryNameFor("/some/folder/" + base, 3, name_max);
      const std::string name = fs::path(temp).filename().string();
      EXPECT_LE(name.size(), name_max) << base.size();
      EXPECT_EQ(fs::path(temp).parent_path(), "/some/folder");
      EXPECT_EQ(name.front(), '.');
      EXPECT_TRUE(name.ends_with(".tmp"));
      // No UTF-8 character is cut in two.
      const std::size_t lead = name.find(polish.substr(0, 1));
      if (lead != std::string::npos) {
        const std::size_t suffix = name.rfind('.', name.size() - 5);
        EXPECT_EQ((suffix - lead) % 2, 0u) << name;
      }
    }
  }
  // A short name is kept whole, so a left-over file tells what it belonged to.
  EXPECT_TRUE(Contains(TemporaryNameFor("/f/Biuro.ovt", 0, 255), "/f/.Biuro.ovt."));
}

// ---- Values no air can have ----

TEST(FileValues, OutsideTheTypedLimitsTheFileIsRefusedWithTheFieldNamed) {
  const Image good = ProjectImage(FullProject());
  auto put = [](std::size_t offset, double v) { return [=](Image& i) { record::PutDouble(i, offset, v); }; };
  struct Case {
    const char* what;
    std::function<void(Image&)> spoil;
    const char* named;
  };
  const std::vector<Case> cases = {
      {"x below 0", put(256 + 48, -0.001), "point 2: the moisture content -1 g/kg"},
      {"x of 10 kg/kg", put(48, 10), "point 1: the moisture content 10000 g/kg"},
      {"x just above the chart", put(48, 0.2001), "point 1: the moisture content"},
      {"t of 1000 °C", put(56, 1000), "point 1: the temperature 1000 °C"},
      {"t below -60 °C", put(2 * 256 + 56, -60.5), "point 3: the temperature -60.5 °C"},
      {"air flow 1e308", put(12800 + 48, 1e308), "process 1: the air flow 1e+308 m3/h"},
      {"negative air flow", put(12800 + 56 + 48, -10), "process 2: the air flow -10 m3/h"},
      {"pressure 10 hPa", put(15360, 1000), "the pressure 10 hPa is outside 800 to 1200 hPa"},
      {"pressure 100 000 hPa", put(15360, 1e7), "the pressure 100000 hPa"},
      {"pressure 799 hPa", put(15360, 79900), "the pressure 799 hPa"},
  };
  for (const Case& c : cases) {
    Image image = good;
    c.spoil(image);
    ChartProject project = FullProject();
    const ProjectFileResult r = ProjectFromImage(image, project);
    EXPECT_EQ(r.error, ProjectFileError::Damaged) << c.what;
    EXPECT_TRUE(Contains(r.Message(), c.named)) << c.what << ": " << r.Message();
    EXPECT_TRUE(project.ContentEquals(FullProject())) << c.what;
  }
}

TEST(FileValues, TheLimitsThemselvesAndAZeroPressureStillOpen) {
  ChartProject p;
  p.set_pb(80000);
  ASSERT_TRUE(p.AddPoint(MakePoint("Hot", 80000, 200, 0)));
  ASSERT_TRUE(p.AddPoint(MakePoint("Cold", 80000, -60, 0)));
  ASSERT_TRUE(p.AddPoint(MakePoint("Wet", 80000, 60, 200)));
  ASSERT_TRUE(p.AddProcess({.name = "a", .start_point = "Hot", .end_point = "Cold", .air_flow = kMaxAirFlow}));
  ASSERT_TRUE(p.AddProcess({.name = "b", .start_point = "Hot", .end_point = "Wet", .air_flow = 0}));
  ChartProject read;
  ASSERT_TRUE(ProjectFromImage(ProjectImage(p), read).ok());
  EXPECT_EQ(read.point_count(), 3);
  Image image = ProjectImage(p);
  record::PutDouble(image, 15360, 120000);
  EXPECT_TRUE(ProjectFromImage(image, read).ok());
  record::PutDouble(image, 15360, 0);
  const ProjectFileResult zero = ProjectFromImage(image, read);
  ASSERT_TRUE(zero.ok());
  EXPECT_EQ(zero.pb, kStandardPressure);
}

TEST(FileValues, AProjectTheReaderWouldRefuseIsNotWritten) {
  ScratchDir dir;
  const std::string path = dir.File("keep.ovt");
  ASSERT_TRUE(WriteProjectFile(path, FullProject()).ok());
  const Image before = FileBytes(path);
  ChartProject hot = FullProject();
  ChartPoint p = MakePoint("Suszarka", hot.pb(), 250, 5);  // made by a dialog without the typed limits
  ASSERT_TRUE(hot.AddPoint(p));
  const ProjectFileResult r = WriteProjectFile(path, hot);
  EXPECT_EQ(r.error, ProjectFileError::CannotWrite);
  EXPECT_TRUE(Contains(r.Message(), "point 6: the temperature 250 °C")) << r.Message();
  EXPECT_TRUE(Contains(r.Message(), "unchanged")) << r.Message();
  EXPECT_EQ(FileBytes(path), before);
  ChartProject thin = FullProject();
  thin.set_pb(50000);
  EXPECT_EQ(WriteProjectFile(path, thin).error, ProjectFileError::CannotWrite);
  EXPECT_EQ(FileBytes(path), before);
}

TEST(FileValues, ALibraryPointTheListWouldStopAtIsNotStored) {
  ScratchDir dir;
  const std::string path = dir.File(kLibraryFileName);
  ASSERT_TRUE(AppendLibraryPoint(path, FullProject().point(0)).ok());
  const Image before = FileBytes(path);
  const LibraryResult r = AppendLibraryPoint(path, MakePoint("Hot", 101300, 250, 5));
  EXPECT_EQ(r.error, LibraryError::CannotWrite);
  EXPECT_TRUE(Contains(r.Message(), "the temperature 250 °C")) << r.Message();
  EXPECT_EQ(FileBytes(path), before);
}

TEST(FileValues, ATiedPointIsNeverMovedWhereNoAirIs) {
  // A steep coefficient line through a dry point reaches x < 0 at 40 °C; a
  // process line extended past its ends likewise.
  ChartProject p;
  const double pb = 101300;
  ASSERT_TRUE(p.AddPoint(MakePoint("Dry", pb, 20, 0.5)));
  ChartPoint tied = MakePoint("Tied", pb, 40, 3);
  tied.on_coefficient = true;
  tied.coefficient_name = "steep";
  ASSERT_TRUE(p.AddPoint(tied));
  ASSERT_TRUE(p.AddCoefficient({.name = "steep", .epsilon = 100, .point_name = "Dry"}));
  ASSERT_TRUE(p.AddPoint(MakePoint("A", pb, 20, 1)));
  ASSERT_TRUE(p.AddPoint(MakePoint("B", pb, 30, 0.5)));
  ChartPoint on_line = MakePoint("OnAB", pb, 45, 2);
  on_line.on_process = true;
  on_line.process_name = "AB";
  ASSERT_TRUE(p.AddPoint(on_line));
  ASSERT_TRUE(p.AddProcess({.name = "AB", .start_point = "A", .end_point = "B"}));
  const ChartProject before = p;
  p.RefreshDependentPoints();
  for (int k = 0; k < p.point_count(); ++k) {
    EXPECT_GE(p.point(k).state.x, 0) << p.point(k).name;
  }
  EXPECT_EQ(p.point(1).state, before.point(1).state);
  // Whatever the refresh did, the project still saves and opens.
  ChartProject read;
  EXPECT_TRUE(ProjectFromImage(ProjectImage(p), read).ok());
}

TEST(FileValues, ALinkedFlowBeyondAnyPlantIsNotApplied) {
  ChartProject p = FullProject();
  const int c = p.FindCoefficient("eps2");
  DirectionCoefficient huge = p.coefficient(c);
  huge.heat_gain = "9999999999";
  ASSERT_TRUE(p.ReplaceCoefficient(c, huge));
  // Two points 0.0001 kJ/kg apart: the flow would be some 1e17 m3/h.
  ChartPoint a = MakePoint("A1", p.pb(), 20, 5);
  ChartPoint b = a;
  b.name = "B1";
  b.state.i += 1e-4;
  ASSERT_TRUE(p.AddPoint(a));
  ASSERT_TRUE(p.AddPoint(b));
  ASSERT_TRUE(p.AddProcess({.name = "AB", .start_point = "A1", .end_point = "B1", .air_flow = 777}));
  p.SetAirFlowLink({.process_name = "AB", .coefficient_name = "eps2", .enabled = true});
  const ChartProject before = p;
  p.RefreshDependentPoints();
  for (int k = 0; k < p.process_count(); ++k) EXPECT_EQ(p.process(k).air_flow, before.process(k).air_flow) << k;
}

// ---- Damaged files that looked valid ----

TEST(DamagedFiles, ACurrentFileCutToTheOlderLengthIsRefused) {
  const Image good = ProjectImage(FullProject());
  const Image cut(good.begin(), good.begin() + kOlderProjectFileSize);
  ChartProject project = FullProject();
  const ProjectFileResult r = ProjectFromImage(cut, project);
  EXPECT_EQ(r.error, ProjectFileError::Damaged);
  EXPECT_TRUE(Contains(r.Message(), "current-layout project file cut short at 10968 bytes")) << r.Message();
  EXPECT_TRUE(project.ContentEquals(FullProject()));

  // Through a file as well.
  ScratchDir dir;
  WriteBytes(dir.File("cut.ovt"), cut);
  EXPECT_EQ(ReadProjectFile(dir.File("cut.ovt"), project).error, ProjectFileError::Damaged);
}

TEST(DamagedFiles, AllZeroFilesOfEitherLengthAreRefused) {
  for (std::size_t size : {kProjectFileSize, kOlderProjectFileSize}) {
    ChartProject project = FullProject();
    const ProjectFileResult r = ProjectFromImage(Image(size, 0), project);
    EXPECT_EQ(r.error, ProjectFileError::Damaged) << size;
    EXPECT_TRUE(Contains(r.Message(), "only zero bytes")) << r.Message();
    EXPECT_TRUE(project.ContentEquals(FullProject()));
  }
  // An empty project as the program writes it still opens.
  ChartProject empty;
  ChartProject read;
  EXPECT_TRUE(ProjectFromImage(ProjectImage(empty), read).ok());
}

// ---- The air-flow link's ten kept characters ----

// Two coefficients sharing their first ten characters, the link on the second.
ChartProject TwoOffices(const std::string& second_gain) {
  ChartProject p;
  const double pb = 101300;
  (void)p.AddPoint(MakePoint("Out", pb, 30, 10));
  (void)p.AddPoint(MakePoint("Sup", pb, 16, 8));
  (void)p.AddProcess({.name = "Out-Sup", .start_point = "Out", .end_point = "Sup", .air_flow = 1});
  (void)p.AddProcess({.name = "Other", .start_point = "Sup", .end_point = "Out", .air_flow = 2});
  (void)p.AddCoefficient({.name = "Zyski ciepła biuro", .epsilon = 8000, .point_name = "Sup", .heat_gain = "3"});
  (void)p.AddCoefficient(
      {.name = "Zyski ciepła sala", .epsilon = 9000, .point_name = "Sup", .heat_gain = second_gain});
  p.SetAirFlowLink({.process_name = "Out-Sup", .coefficient_name = "Zyski ciepła sala", .enabled = true});
  p.RefreshDependentPoints();
  return p;
}

TEST(LinkPrefix, ReopeningKeepsTheCoefficientThatGivesTheSavedFlows) {
  const ChartProject saved = TwoOffices("12");
  ASSERT_NE(saved.process(0).air_flow, 1);
  ChartProject read;
  const ProjectFileResult r = ProjectFromImage(ProjectImage(saved), read);
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(read.air_flow_link().coefficient_name, "Zyski ciepła sala");
  EXPECT_TRUE(r.notice.empty()) << r.notice;
  read.RefreshDependentPoints();
  for (int k = 0; k < read.process_count(); ++k) EXPECT_EQ(read.process(k).air_flow, saved.process(k).air_flow);
}

TEST(LinkPrefix, WhenTheFlowsDoNotDecideTheUserIsToldWhichWasTaken) {
  // Both gains give the same flow: either coefficient reproduces the file.
  ChartProject same = TwoOffices("3");
  ChartProject read;
  ProjectFileResult r = ProjectFromImage(ProjectImage(same), read);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(read.air_flow_link().coefficient_name, "Zyski ciepła biuro");
  EXPECT_TRUE(Contains(r.notice, "tied to \"Zyski ciepła biuro\"")) << r.notice;
  // Flows edited after the link worked: neither reproduces them.
  ChartProject edited = TwoOffices("12");
  AirProcess changed = edited.process(1);
  changed.air_flow = 5;
  ASSERT_TRUE(edited.ReplaceProcess(1, changed));
  r = ProjectFromImage(ProjectImage(edited), read);
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(Contains(r.notice, "2 coefficients share")) << r.notice;
  // A switched-off link changes no flow and needs no word.
  ChartProject off = TwoOffices("12");
  AirFlowLink link = off.air_flow_link();
  link.enabled = false;
  off.SetAirFlowLink(link);
  r = ProjectFromImage(ProjectImage(off), read);
  EXPECT_TRUE(r.notice.empty());
  EXPECT_EQ(read.air_flow_link().coefficient_name, "Zyski ciepła biuro");
}

TEST(LinkPrefix, ANameOfExactlyTheKeptLengthIsNotTakenForALongerOne) {
  // The link on the long name; another coefficient is named by its first ten characters.
  ChartProject p = TwoOffices("12");
  DirectionCoefficient first = p.coefficient(0);
  first.name = "Zyski ciep";
  first.heat_gain = "3";
  ASSERT_TRUE(p.ReplaceCoefficient(0, first));
  p.RefreshDependentPoints();
  ChartProject read;
  ProjectFileResult r = ProjectFromImage(ProjectImage(p), read);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(read.air_flow_link().coefficient_name, "Zyski ciepła sala");
  EXPECT_TRUE(r.notice.empty()) << r.notice;
  // Linked to the short one itself, the short one comes back.
  p.SetAirFlowLink({.process_name = "Out-Sup", .coefficient_name = "Zyski ciep", .enabled = true});
  p.RefreshDependentPoints();
  r = ProjectFromImage(ProjectImage(p), read);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(read.air_flow_link().coefficient_name, "Zyski ciep");
}

TEST(LinkPrefix, TypingANameThatWouldMakeTheLinkAmbiguousIsRefused) {
  ChartProject p = TwoOffices("12");
  // Only the link's own coefficient keeps the second name: the first is renamed away.
  DirectionCoefficient first = p.coefficient(0);
  first.name = "Biuro";
  ASSERT_TRUE(p.ReplaceCoefficient(0, first));
  EXPECT_EQ(LinkPrefixConflict(p, 0, "Biuro 2"), "");
  const std::string refused = LinkPrefixConflict(p, 0, "Zyski ciepła kuchnia");
  EXPECT_TRUE(Contains(refused, "first 10 characters")) << refused;
  EXPECT_TRUE(Contains(refused, "Zyski ciepła sala")) << refused;
  EXPECT_NE(LinkPrefixConflict(p, -1, "Zyski ciep"), "");  // a new coefficient: exact prefix taken first on reopening
  // Renaming the linked coefficient itself to a name another one starts like.
  first.name = "Sala konferencyjna";
  ASSERT_TRUE(p.ReplaceCoefficient(0, first));
  EXPECT_NE(LinkPrefixConflict(p, 1, "Sala konferencyjna B"), "");
  EXPECT_EQ(LinkPrefixConflict(p, 1, "Sala konfe"), "");  // ten characters or fewer are kept whole
  EXPECT_EQ(LinkPrefixConflict(p, 1, "Biuro na piętrze"), "");
  // Without a link nothing is refused.
  p.SetAirFlowLink({});
  EXPECT_EQ(LinkPrefixConflict(p, 0, "Zyski ciepła kuchnia"), "");
}

// ---- Index guards ----

TEST(IndexGuards, LibraryDeleteWithAnyIntIsRefusedWithoutOverflow) {
  ScratchDir dir;
  const std::string path = dir.File(kLibraryFileName);
  ASSERT_TRUE(AppendLibraryPoint(path, FullProject().point(0)).ok());
  const Image before = FileBytes(path);
  for (int index : {INT_MAX, INT_MAX - 1, INT_MIN, -1, 1, 1 << 24}) {
    EXPECT_EQ(DeleteLibraryPoint(path, index).error, LibraryError::NoSuchRecord) << index;
  }
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_TRUE(DeleteLibraryPoint(path, 0).ok());
}

TEST(IndexGuards, ReadingWithTheLargestLimitDoesNotWrap) {
  ScratchDir dir;
  WriteBytes(dir.File("f"), Image(10, 7));
  const FileReadResult r = ReadFileBytes(dir.File("f"), SIZE_MAX);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.bytes.size(), 10u);
  EXPECT_FALSE(r.longer);
}

}  // namespace
}  // namespace orvanta
