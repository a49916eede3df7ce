// The command line: --help and unknown options without a window, empty
// values refused, project paths used as their bytes, and a settings file
// that is a pipe or damaged never blocking or switching the chart off.
#include "app/ui/command_line.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/ui/kit/qsettings_store.h"
#include "chart/ui/chart_export.h"
#include "project/project_file.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

// argv as a program receives it.
class Argv {
 public:
  explicit Argv(std::vector<std::string> args) : args_(std::move(args)) {
    args_.insert(args_.begin(), "orvanta");
    for (std::string& a : args_) pointers_.push_back(a.data());
    pointers_.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(args_.size()); }
  char** argv() { return pointers_.data(); }

 private:
  std::vector<std::string> args_;
  std::vector<char*> pointers_;
};

std::optional<int> Answer(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
  Argv a(std::move(args));
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const std::optional<int> code = AnswerWithoutWindow(a.argc(), a.argv(), "9.9");
  const std::string o = testing::internal::GetCapturedStdout();
  const std::string e = testing::internal::GetCapturedStderr();
  if (out) *out = o;
  if (err) *err = e;
  return code;
}

TEST(CommandLine, HelpPrintsEveryOptionAndExitsZero) {
  for (const char* help : {"--help", "-h"}) {
    std::string out;
    EXPECT_EQ(Answer({help}), 0);
    EXPECT_EQ(Answer({"project.ovt", help}, &out), 0);
    for (const char* option : {"--export", "--layout", "--units", "--size", "--help", "-h", "--version",
                               "project.ovt", "mollier", "carrier", ".png", ".pdf", "100 to 8000"})
      EXPECT_NE(out.find(option), std::string::npos) << help << " lacks " << option;
  }
  std::string out;
  EXPECT_EQ(Answer({"--version"}, &out), 0);
  EXPECT_EQ(out, "ORVANTA 9.9\n");
}

TEST(CommandLine, UnknownOptionPrintsTheUsageAndExitsTwoWithoutAWindow) {
  std::string err;
  EXPECT_EQ(Answer({"--bogus"}, nullptr, &err), 2);
  EXPECT_NE(err.find("unknown option --bogus"), std::string::npos) << err;
  EXPECT_NE(err.find("usage: orvanta"), std::string::npos);
  EXPECT_EQ(Answer({"a.ovt", "--colour=red"}), 2);
  // A plain project name, and the export (which checks its own options), go on.
  EXPECT_EQ(Answer({"a.ovt"}), std::nullopt);
  EXPECT_EQ(Answer({"--export", "c.png", "--bogus"}), std::nullopt);
  EXPECT_EQ(Answer({}), std::nullopt);
  Argv export_eq({"--export=c.png"});
  EXPECT_TRUE(WantsExport(export_eq.argc(), export_eq.argv()));
  Argv window({"a.ovt"});
  EXPECT_FALSE(WantsExport(window.argc(), window.argv()));
}

TEST(CommandLine, WindowArgumentsLeftAfterQt) {
  testing::internal::CaptureStderr();
  Argv dash({"-nosuch"});
  EXPECT_EQ(ReadWindowArguments(dash.argc(), dash.argv()).exit_code, 2);
  Argv empty({""});
  EXPECT_EQ(ReadWindowArguments(empty.argc(), empty.argv()).exit_code, 2);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("unknown option -nosuch"), std::string::npos) << err;
  EXPECT_NE(err.find("the project file name is empty"), std::string::npos) << err;
  Argv two({"a\xff.ovt", "b.ovt"});
  const WindowArguments w = ReadWindowArguments(two.argc(), two.argv());
  EXPECT_FALSE(w.exit_code);
  EXPECT_EQ(w.project, "a\xff.ovt");  // the bytes as given
}

class ExportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("settings"));
    ChartProject p;
    ChartPoint pt;
    pt.name = "A";
    pt.state = StateFromTX(101300, 20, 0.008);
    ASSERT_TRUE(p.AddPoint(pt));
    project_ = QFile::encodeName(dir_.filePath("p.ovt")).toStdString();
    ASSERT_TRUE(WriteProjectFile(project_, p).ok());
  }
  int Run(const std::vector<std::string>& args) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = RunChartExportBytes(args);
    testing::internal::GetCapturedStdout();
    err_ = testing::internal::GetCapturedStderr();
    return code;
  }
  std::string Out(const char* name) const { return QFile::encodeName(dir_.filePath(name)).toStdString(); }
  QTemporaryDir dir_;
  std::string project_;
  std::string err_;
};

TEST_F(ExportCommand, EmptyValuesAndAnEmptyProjectAreRefusedWithNothingWritten) {
  const std::string out = Out("c.png");
  EXPECT_EQ(Run({"--export", out, ""}), 2);
  EXPECT_NE(err_.find("the project file name is empty"), std::string::npos) << err_;
  for (const char* empty : {"--size=", "--layout=", "--units="}) {
    EXPECT_EQ(Run({"--export", out, empty, project_}), 2) << empty;
    EXPECT_NE(err_.find("needs a value"), std::string::npos) << empty << ": " << err_;
  }
  EXPECT_EQ(Run({"--export", out, "--size", "", project_}), 2);
  EXPECT_EQ(Run({"--export=", project_}), 2);
  EXPECT_EQ(Run({"--export", out, "-q", project_}), 2);
  EXPECT_FALSE(QFile::exists(QFile::decodeName(out.c_str())));
  // The same options with values draw.
  EXPECT_EQ(Run({"--export", out, "--size=300x200", "--layout=carrier", "--units=ip", project_}), 0) << err_;
  EXPECT_TRUE(QFile::exists(QFile::decodeName(out.c_str())));
}

TEST_F(ExportCommand, AProjectPathThatIsNotUtf8Opens) {
  const std::string odd = QFile::encodeName(dir_.path()).toStdString() + "/proj\xff\xfe\xe9.ovt";
  ASSERT_EQ(::rename(project_.c_str(), odd.c_str()), 0);
  EXPECT_EQ(Run({"--export", Out("odd.png"), "--size", "300x200", odd}), 0) << err_;
  EXPECT_TRUE(QFile::exists(dir_.filePath("odd.png")));
}

// ---- the settings file

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    ASSERT_TRUE(QDir(dir_.path()).mkpath("ORVANTA"));
    path_ = QFile::encodeName(dir_.filePath("ORVANTA/SETTINGS.conf")).toStdString();
  }
  QTemporaryDir dir_;
  std::string path_;
};

TEST_F(SettingsFile, IsWhereQSettingsKeepsIt) {
  EXPECT_EQ(QFile::encodeName(UserSettingsFilePath()).toStdString(), path_);
}

TEST_F(SettingsFile, APipeOrALinkToOneNeverBlocksAndGivesTheFirstRunValues) {
  const std::string fifo = QFile::encodeName(dir_.filePath("pipe")).toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (bool link : {false, true}) {
    ::unlink(path_.c_str());
    if (link)
      ASSERT_EQ(::symlink(fifo.c_str(), path_.c_str()), 0);
    else
      ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    const QString problem = PrepareUserSettingsFile();
    EXPECT_TRUE(problem.contains("pipe")) << problem.toStdString();
    EXPECT_TRUE(problem.contains("first-run settings")) << problem.toStdString();
    const ChartSettings s = LoadChartSettingsForExport();
    EXPECT_EQ(s.comfort_zone, 5);
    EXPECT_EQ(s.range, (ChartRange{-30, 40, 20}));
    // Written values stay in memory: the pipe is never opened for writing.
    QSettingsStore store;
    WriteDefaultSettings(store);
    store.Set("Torgup", "55");
    store.Flush();
    EXPECT_EQ(store.Get("Torgup"), "55");
    struct stat st{};
    ASSERT_EQ(::lstat(path_.c_str(), &st), 0);
    EXPECT_EQ(S_ISLNK(st.st_mode), link);
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
  }
}

TEST_F(SettingsFile, ADamagedStoreIsReportedOnceKeptAsACopyAndReplacedByDefaults) {
  const QByteArray damaged("garbage\x01\x02\xff\xfe\n[[[\nCB1=0\n");
  {
    QFile f(QFile::decodeName(path_.c_str()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(damaged);
  }
  const QString problem = PrepareUserSettingsFile();
  EXPECT_TRUE(problem.contains("damaged")) << problem.toStdString();
  QFile copy(QFile::decodeName(path_.c_str()) + ".damaged");
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), damaged);
  EXPECT_FALSE(QFile::exists(QFile::decodeName(path_.c_str())));
  // The first run's values, every isoline on, and they are written again.
  const ChartSettings s = LoadChartSettingsForExport();
  EXPECT_TRUE(s.DrawIsenthalps());
  EXPECT_EQ(s.comfort_zone, 5);
  {
    QSettingsStore store;
    WriteDefaultSettings(store);
  }
  EXPECT_TRUE(QFile::exists(QFile::decodeName(path_.c_str())));
  // Reported once: the next start finds a sound file.
  EXPECT_TRUE(PrepareUserSettingsFile().isEmpty());
}

}  // namespace
}  // namespace orvanta
