// The real programs: the single instance, a window message from another process,
// calyxon-drive's scripts, under the C locale and under one with a decimal comma, and a
// download over a pseudo-terminal to receiver-sim.
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
#include "common/CommaLocale.h"
#include "common/FileBytes.h"
#include "common/FileSizeSignal.h"
#include "platform/SingleInstance.h"
#include "platform/WindowDirectory.h"
#include "tests/calyxon/DownloadTables.h"

namespace calyxon {
namespace {

struct ProcessRun {
  int exitCode = -1;
  QString errors;
};

ProcessRun RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    rlim_t fileSizeLimit = RLIM_INFINITY) {
  QProcess process;
  process.setProcessEnvironment(environment);
  StartWithDefaultFileSizeSignal(process, fileSizeLimit);
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

TEST(CalyxonProgram, IgnoresTheFileSizeSignalSoThatASaveCanFailInstead) {
  EXPECT_TRUE(RunningProgramIgnoresFileSizeSignal(CALYXON_EXE, "Calyxon"));
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
  if (!BuildGermanLocale(folder.toStdString())) return std::nullopt;
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
    if (!written.isEmpty()) {
      EXPECT_EQ(bytes, written);  // the same file whatever the locale
    }
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

// A script passes only when it has performed every line: one whose window closes early (its
// own close, File>Exit, a close that waits for the fit to stop) fails and names the first
// line it skipped; a close on the last line passes.
TEST(CalyxonDrive, AWindowClosedBeforeTheScriptsEndFailsAtTheFirstSkippedLine) {
  const QString fit = "answer-dialog " CALYXON_FIXTURES
                      "/target.dat\n"
                      "menu File>Load Target Mic File\n"
                      "answer-dialog " CALYXON_FIXTURES
                      "/source.dat\n"
                      "menu File>Load Source Mic File\n"
                      "menu Tool>Calibration>Start>Normal\n";  // lines 1-5
  const struct {
    const char* name;
    QString script;
    int exitCode;
    const char* skipped;  // what stderr says of the first line not performed
  } cases[] = {
      {"close last", "expect Edit6 0.06\nclose\n", 0, nullptr},
      {"close during a fit last", fit + "close\n", 0, nullptr},
      {"close, then more", "close\nexpect Edit6 0.06\nexpect Edit6 1\n", 2,
       "calyxon-drive: line 2 (expect): not performed: the window closed before this line\n"},
      {"File>Exit, then more", "menu File>Exit\nwrite-bands /nonexistent/bands.json\n", 2,
       "calyxon-drive: line 2 (write-bands): not performed: the window closed before this line\n"},
      {"close during a fit, then more", fit + "close\nexpect Label1 Done\n", 2,
       "calyxon-drive: line 7 (expect): not performed: the window closed before this line\n"},
  };
  QTemporaryDir scratch;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile file(scratch.path() + "/close.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.script.toUtf8());
    file.close();
    const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {file.fileName()});
    EXPECT_EQ(run.exitCode, c.exitCode) << run.errors.toStdString();
    EXPECT_EQ(run.errors.count("calyxon-drive:"), c.skipped ? 1 : 0) << run.errors.toStdString();
    if (c.skipped) {
      EXPECT_TRUE(run.errors.contains(c.skipped)) << run.errors.toStdString();
    }
  }
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
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LC_ALL", "C");  // the script types its numbers with "."
  const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {file.fileName()}, env);
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

// Under "ulimit -f" the project crosses the limit part way: the save fails as on a full disk
// and says so, and the driver goes on to the end of its script.
TEST(CalyxonDrive, AProjectSaveOverTheFileSizeLimitFailsAndKeepsThePreviousFile) {
  QTemporaryDir scratch;
  const QString dir = scratch.path();
  const std::string kept = (dir + "/kept.prj").toStdString();
  WriteBytes(kept, "the previous project\r\n");
  QFile script(dir + "/save.txt");
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(QString("answer-dialog DIR/kept.prj\n"
                       "menu File>Save Project\n"
                       "write-status-texts DIR/status.json\n")
                   .replace("DIR", dir)
                   .toUtf8());
  script.close();
  const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {script.fileName()},
                                    QProcessEnvironment::systemEnvironment(), 64 * 1024);
  ASSERT_EQ(run.exitCode, 0) << "killed by the limit? " << run.errors.toStdString();
  EXPECT_EQ(ReadBytes(kept), "the previous project\r\n");
  EXPECT_EQ(QDir(dir).entryList({".orsek-save-*"}, QDir::AllEntries | QDir::Hidden), QStringList());
  QFile status(dir + "/status.json");
  ASSERT_TRUE(status.open(QIODevice::ReadOnly));
  const QJsonArray texts = QJsonDocument::fromJson(status.readAll())["statusTexts"].toArray();
  ASSERT_FALSE(texts.isEmpty());
  EXPECT_TRUE(texts.last().toString().contains("Save Failed (File too large)"))
      << texts.last().toString().toStdString();
}

// What receiver-sim stored of slot 9 at address 07, from the last lines of its log.
std::optional<testing::SlotTable160> StoredSlot9(const QStringList& log) {
  for (const QString& line : log) {
    if (!line.startsWith("EQ 07 9:")) continue;
    const QStringList values = line.mid(8).split(' ', Qt::SkipEmptyParts);
    if (values.size() != 160) return std::nullopt;
    testing::SlotTable160 table{};
    for (int n = 0; n < 160; ++n) table[n] = std::int32_t(values[n].toUInt(nullptr, 16));
    return table;
  }
  return std::nullopt;
}

// The designer fits the fixture pair, takes the address Vondrix would post and downloads the
// design through the port directory's COM1 into a receiver of the second model.
TEST(CalyxonDrive, DownloadsTheFittedDesignIntoTheSimulatedReceiver) {
  QTemporaryDir scratch;
  const QString dir = scratch.path();
  QFile network(dir + "/network.json");
  ASSERT_TRUE(network.open(QIODevice::WriteOnly));
  network.write(R"({"receivers": [{"address": 7, "model": "Z3K", "name": "VOCAL2"}]})");
  network.close();
  QProcess sim;
  sim.start(RECEIVER_SIM, {"--network", network.fileName(), "--link", dir + "/ttySIM", "--log",
                           dir + "/bus.log"});
  ASSERT_TRUE(sim.waitForReadyRead(10000)) << "receiver-sim did not start";
  WriteTestPorts("COM1=" + (dir + "/ttySIM").toStdString() + "\n");

  QFile script(dir + "/download.txt");
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(QString("answer-dialog " CALYXON_FIXTURES "/target.dat\n"
                       "menu File>Load Target Mic File\n"
                       "answer-dialog " CALYXON_FIXTURES "/source.dat\n"
                       "menu File>Load Source Mic File\n"
                       "menu Tool>Calibration>Start>Fast\n"
                       "wait-idle\n"
                       "post-message 0x8750 7\n"
                       "menu Tool>Upload>7\n"
                       "expect-status End of EQ Download.\\n\n"
                       "write-bands DIR/bands.json\n"
                       "write-coefficients DIR/table.json\n"
                       "write-status-texts DIR/status.json\n")
                   .replace("DIR", dir)
                   .toUtf8());
  script.close();
  const ProcessRun run = RunProgram(CALYXON_DRIVE_EXE, {script.fileName()});
  sim.terminate();
  ASSERT_TRUE(sim.waitForFinished(10000));
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

  // The table the window computed: of the fitted bands, and what the receiver stored.
  QFile tableFile(dir + "/table.json");
  ASSERT_TRUE(tableFile.open(QIODevice::ReadOnly));
  const QJsonArray rows = QJsonDocument::fromJson(tableFile.readAll())["coefficients"].toArray();
  ASSERT_EQ(rows.size(), kBandCount);
  testing::SlotTable160 table{};
  for (int n = 0; n < 160; ++n) table[n] = rows[n / 5].toArray()[n % 5].toInt();
  const auto bands = ReadBands(dir + "/bands.json");
  ASSERT_EQ(bands.size(), std::size_t(kBandCount));
  testing::BandTable fc, bw, gain;
  for (int j = 0; j < kBandCount; ++j) {
    fc[j] = bands[j][0];
    bw[j] = bands[j][1];
    gain[j] = bands[j][2];
  }
  EXPECT_EQ(table, testing::ExpectedTable(fc, bw, gain));
  EXPECT_LT(std::count(gain.begin(), gain.end(), 0.0), kBandCount) << "a design, not all flat";

  QFile logFile(dir + "/bus.log");
  ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
  const QStringList log = QString::fromLatin1(logFile.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(log.size(), 163);
  EXPECT_EQ(log[0], "#07A1\\r");
  for (int n = 0; n < 160; ++n)
    EXPECT_TRUE(log[1 + n].startsWith(QString("#07P9%1").arg(n, 2, 16, QChar('0')).toUpper()))
        << log[1 + n].toStdString();
  EXPECT_EQ(log[161], "#07A0\\r");
  EXPECT_EQ(StoredSlot9(log), table);

  QFile statusFile(dir + "/status.json");
  ASSERT_TRUE(statusFile.open(QIODevice::ReadOnly));
  QStringList texts;
  for (const QJsonValue& t : QJsonDocument::fromJson(statusFile.readAll())["statusTexts"].toArray())
    texts << t.toString();
  const qsizetype search = texts.indexOf("Search COM1.\n");
  ASSERT_GE(search, 0);
  const QStringList download = texts.mid(search);
  ASSERT_EQ(download.size(), 2 + 160 + 1) << "no Data Error, no time-out";
  EXPECT_EQ(download[1], "Serial port COM1 successfully reconfigured.\n");
  EXPECT_EQ(download[2], " i   0   j   0 \n");
  EXPECT_EQ(download[161], " i  31   j   4 \n");
  EXPECT_EQ(download.back(), "End of EQ Download.\n");
}

}  // namespace
}  // namespace calyxon
