// The real programs: the single instance, a window message from another process, and
// calyxon-drive's scripts, under the C locale and under one with a decimal comma.
#include <langinfo.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>

#include "DesignerFixture.h"
#include "calyxon/eq/AutoTune.h"
#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/files/CurveLoading.h"
#include "platform/SingleInstance.h"
#include "platform/WindowDirectory.h"

namespace calyxon {
namespace {

struct ProcessRun {
  int exitCode = -1;
  QString errors;
};

ProcessRun RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return {-1, "did not end within 60 s"};
  }
  ProcessRun run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                 QString::fromLocal8Bit(process.readAllStandardError())};
  return run;
}

TEST(CalyxonProgram, ASecondStartEndsWithCode1AndNoWindow) {
  platform::SingleInstance running("ORSEK CALYXON");
  ASSERT_TRUE(running.acquired());
  const ProcessRun second = RunProgram(CALYXON_EXE, {});
  EXPECT_EQ(second.exitCode, 1) << second.errors.toStdString();
  EXPECT_TRUE(platform::findWindows("Calyxon").empty());
}

using CalyxonWindow = DesignerTest;

TEST_F(CalyxonWindow, TakesTheUploadAddressPostedByAnotherProcess) {
  const ProcessRun poster = RunProgram(POST_MESSAGE_EXE, {"Calyxon", "0x8750", "12"});
  ASSERT_EQ(poster.exitCode, 0);
  ASSERT_TRUE(WaitUntil([&] { return form->UploadAddressReceived == 1; }));
  EXPECT_EQ(form->UploadAddressValue, 12);
  EXPECT_TRUE(Menu("Tool>Upload>12"));
  EXPECT_FALSE(Menu("Tool>Upload>11"));
}

// A locale with a decimal comma, compiled into a scratch folder (none when the machine
// cannot make one).
std::optional<QString> CommaLocaleFolder(const QTemporaryDir& scratch) {
  const QString folder = scratch.path() + "/locales";
  QDir().mkpath(folder);
  if (QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", folder + "/de_DE.UTF-8"}) < 0)
    return std::nullopt;
  const QByteArray previous = qgetenv("LOCPATH");
  qputenv("LOCPATH", folder.toLocal8Bit());
  locale_t german = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
  const bool comma = german && QString(nl_langinfo_l(RADIXCHAR, german)) == ",";
  if (german) freelocale(german);
  qputenv("LOCPATH", previous);
  if (previous.isEmpty()) qunsetenv("LOCPATH");
  return comma ? std::optional<QString>(folder) : std::nullopt;
}

// The bands of a file written by write-bands, read back with "." as decimal separator.
std::vector<std::array<double, 3>> ReadBands(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::vector<std::array<double, 3>> bands;
  for (const QJsonValue& band : QJsonDocument::fromJson(file.readAll())["bands"].toArray())
    bands.push_back({band["Fc"].toDouble(), band["BW"].toDouble(), band["Gain"].toDouble()});
  return bands;
}

TEST(CalyxonDrive, FitsFromTheMenusAsTheCoreDoesInEitherLocale) {
  auto core = std::make_unique<EqDesign>();
  BuildFrequencyGrid(*core);
  ClearAllBands(*core);
  ASSERT_TRUE(LoadTargetCurve(*core, CALYXON_FIXTURES "/target.dat").loaded());
  ASSERT_TRUE(LoadSourceCurve(*core, CALYXON_FIXTURES "/source.dat").loaded());
  core->AutoTuneMode = 1;
  AutoTuneObserver quiet;
  RunAutoTune(*core, quiet);

  QTemporaryDir scratch;
  const std::optional<QString> commaLocale = CommaLocaleFolder(scratch);
  struct Case {
    const char* locale;
    const char* presetText;  // how the edits show 60 Hz in kHz
  };
  QByteArray written;
  for (const Case& c : {Case{"C", "0.06"}, Case{"de_DE.UTF-8", "0,06"}}) {
    SCOPED_TRACE(c.locale);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", c.locale);
    if (QString(c.locale) != "C") {
      if (!commaLocale) GTEST_SKIP() << "no locale with a decimal comma could be made here";
      env.insert("LOCPATH", *commaLocale);
    }
    const QString bands = scratch.path() + "/bands-" + c.locale + ".json";
    const QString script = scratch.path() + "/fit.txt";
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QString("expect Edit6 %1\n"
                       "answer-dialog " CALYXON_FIXTURES "/target.dat\n"
                       "menu File>Load Target Mic File\n"
                       "expect Edit1 target\n"
                       "answer-dialog " CALYXON_FIXTURES "/source.dat\n"
                       "menu File>Load Source Mic File\n"
                       "menu Tool>Calibration>Start>Fast\n"
                       "wait-idle\n"
                       "expect Label1 Done\n"
                       "expect-status  Calibration Done !!\n"
                       "expect ProgressBar1 100\n"
                       "write-bands %2\n")
                   .arg(c.presetText, bands)
                   .toUtf8());
    file.close();
    const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {script}, env);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    QFile result(bands);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    const QByteArray bytes = result.readAll();
    if (!written.isEmpty()) EXPECT_EQ(bytes, written);  // the same file whatever the locale
    written = bytes;
    const auto read = ReadBands(bands);
    ASSERT_EQ(read.size(), std::size_t(kBandCount));
    for (int n = 0; n < kAutoBandCount; ++n) {  // the manual bands hold Preset EQ
      EXPECT_EQ(read[n][0], core->BandFc[n]) << n;
      EXPECT_EQ(read[n][1], core->BandBw[n]) << n;
      EXPECT_EQ(read[n][2], core->BandGain[n]) << n;
    }
  }
}

TEST(CalyxonDrive, ACloseDuringAFitEndsTheProgramOnceTheFitHasStopped) {
  QTemporaryDir scratch;
  const QString script = scratch.path() + "/close.txt";
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("answer-dialog " CALYXON_FIXTURES
             "/target.dat\n"
             "menu File>Load Target Mic File\n"
             "answer-dialog " CALYXON_FIXTURES
             "/source.dat\n"
             "menu File>Load Source Mic File\n"
             "menu Tool>Calibration>Start>Normal\n"
             "close\n"
             "expect Label1 the program has ended before this line\n");
  file.close();
  const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {script});
  EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
}

// The operator's whole path through the manual bands and the files, driven by a script: the
// edits, a radio button and a bar, a project saved and loaded, the hidden page's ten slots and
// their export, a hidden curve file.
TEST(CalyxonDrive, SetsBandsByHandSavesLoadsAndExportsTheSlots) {
  QTemporaryDir scratch;
  const QString dir = scratch.path();
  QString script =
      "type Edit6 1\n"
      "type Edit7 2.3\n"
      "key Edit7 Enter\n"
      "expect Edit7 2.29\n"
      "expect BwBar 229\n"
      "key GainBar Right\n"
      "expect Edit8 0.01\n"
      "type Edit7 2.5\n"
      "key Edit7 Enter\n"
      "click RadioButton3\n"
      "expect FcBar 305\n"
      "type Edit14 25\n"
      "key Edit14 Enter\n"
      "expect Edit14 20\n"
      "expect GainBar 2000\n"
      "type Edit13 1..2\n"
      "key Edit13 Enter\n"
      "expect-box '1..2' is not a valid floating point value.\n"
      "type Edit13 2\n"
      "key Edit13 Enter\n"
      "answer-dialog DIR/a.prj\n"
      "menu File>Save Project\n"
      "menu Tool>Preset EQ\n"
      "expect Edit14 0\n"
      "answer-dialog DIR/a.prj\n"
      "menu File>Load Project\n"
      "expect Edit6 1\n"
      "expect Edit7 2.5\n"
      "expect Edit13 2\n"
      "expect Edit14 20\n"
      "expect RadioButton1 checked\n"
      "expect BwBar 250\n";
  for (int s = 0; s < 10; ++s)
    script += QString("answer-dialog DIR/a.prj\ninvoke Button%1\n").arg(5 + s);
  script +=
      "expect Edit35 DIR/a.prj\n"
      "answer-dialog DIR/slots.log\n"
      "invoke Button15\n"
      "expect Edit36 DIR/slots.log\n"
      "answer-dialog DIR/target.flt\n"
      "invoke SaveTarget1\n"
      "write-bands DIR/bands.json\n"
      "write-curves DIR/curves.json\n";
  QFile file(dir + "/files.txt");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(script.replace("DIR", dir).toUtf8());
  file.close();
  const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {file.fileName()});
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

  QFile project(dir + "/a.prj"), program(dir + "/slots.log"), curve(dir + "/target.flt");
  ASSERT_TRUE(project.open(QIODevice::ReadOnly));
  EXPECT_EQ(project.readAll().count("\r\n"), 30539);
  EXPECT_EQ(program.size(), 35200);
  ASSERT_TRUE(curve.open(QIODevice::ReadOnly));
  EXPECT_EQ(curve.readAll().count("\r\n"), 661);
  const auto bands = ReadBands(dir + "/bands.json");
  ASSERT_EQ(bands.size(), std::size_t(kBandCount));
  EXPECT_EQ(bands[26][0], 1000);
  EXPECT_EQ(bands[26][1], 400);
  EXPECT_EQ(bands[26][2], 0.01);
  EXPECT_EQ(bands[28][1], 400);  // 800 Hz, Q 2
  EXPECT_EQ(bands[28][2], 20);
  QFile curves(dir + "/curves.json");
  ASSERT_TRUE(curves.open(QIODevice::ReadOnly));
  const QJsonObject json = QJsonDocument::fromJson(curves.readAll()).object();
  EXPECT_EQ(json["GridFrequency"].toArray().size(), 660);
  EXPECT_EQ(json["GridFrequency"].toArray()[40].toDouble(), 60);
  EXPECT_EQ(json["BandSumCurve"].toArray().size(), 660);
}

}  // namespace
}  // namespace calyxon
