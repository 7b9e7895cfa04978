#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// jpeglib.h wants FILE and size_t declared before it.
#include <jpeglib.h>

#include "PeerWithoutRoot.h"
#include "common/FileBytes.h"
#include "platform/Clock.h"
#include "platform/Jpeg.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/Shell.h"

namespace {

TEST(Settings, ValuesRoundTripInTheUsersConfigFolder) {
  platform::Settings s("Vondrix");
  EXPECT_EQ(s.filePath(), std::string(std::getenv("XDG_CONFIG_HOME")) + "/Orsek/Vondrix.ini");
  EXPECT_FALSE(s.read("TV").has_value());
  ASSERT_TRUE(s.write("TV", "4").ok());
  EXPECT_EQ(ReadBytes(s.filePath()), "[General]\nTV=4\n");  // as earlier versions wrote it
  EXPECT_EQ(platform::Settings("Vondrix").read("TV"), "4");
  EXPECT_FALSE(platform::Settings("Calyxon").read("TV").has_value());
}

TEST(Settings, AFileWithUnreadableLinesIsReadAsFarAsItCanAndWrittenAnewWithoutThem) {
  platform::Settings s("Vondrix");
  std::filesystem::create_directories(std::filesystem::path(s.filePath()).parent_path());
  WriteBytes(s.filePath(),
             "; kept by hand\r\n"
             "Early=1\r\n"
             "[General]\n"
             "TV = \"4\" \n"
             "[broken\n"
             "After=2\n"
             "no equals sign\n"
             "=no key\n"
             "Bell=\a\n"
             "[Ports]\n"
             "COM1=/dev/ttyUSB0\n"
             "COM1=/dev/ttyUSB1\n"
             "Tail=a=b");
  const std::pair<std::string, std::string> reads[] = {
      {"Early", "1"},  // before any header: [General]
      {"TV", "4"},
      {"After", "2"},                  // a broken header opens no section
      {"Ports/COM1", "/dev/ttyUSB1"},  // the last one counts
      {"Ports/Tail", "a=b"},
  };
  for (const auto& [name, value] : reads) EXPECT_EQ(s.read(name), value) << name;
  EXPECT_FALSE(s.read("Bell").has_value());

  const platform::Settings::WriteResult written = s.write("TV", "3");
  ASSERT_TRUE(written.ok()) << written.error;
  EXPECT_EQ(written.dropped,
            (std::vector<std::string>{"[broken", "no equals sign", "=no key", "Bell=\a"}));
  EXPECT_EQ(ReadBytes(s.filePath()),
            "; kept by hand\nEarly=1\n[General]\nTV=3\nAfter=2\n[Ports]\n"
            "COM1=/dev/ttyUSB0\nCOM1=/dev/ttyUSB1\nTail=a=b\n");

  // New keys go at the end of their section, or into a new one; values keep their blanks.
  ASSERT_TRUE(s.write("Ports/COM2", "/dev/ttyS0").ok());
  const platform::Settings::WriteResult added = s.write("Demo/Note", " spaced ");
  ASSERT_TRUE(added.ok());
  EXPECT_TRUE(added.dropped.empty());
  EXPECT_EQ(ReadBytes(s.filePath()),
            "; kept by hand\nEarly=1\n[General]\nTV=3\nAfter=2\n[Ports]\n"
            "COM1=/dev/ttyUSB0\nCOM1=/dev/ttyUSB1\nTail=a=b\nCOM2=/dev/ttyS0\n\n"
            "[Demo]\nNote=\" spaced \"\n");
  EXPECT_EQ(s.read("Demo/Note"), " spaced ");
  EXPECT_FALSE(s.write("TV", "4\n[Ports]").ok());  // a value that would end its line
  EXPECT_EQ(s.read("TV"), "3");
}

TEST(Settings, AFileThatCannotBeReplacedOrReadIsKeptAndTheWriteSaysWhy) {
  const struct Row {
    mode_t folderMode, fileMode;
    const char* said;
  } rows[] = {
      {0555, 0644, "Permission denied"},                        // a read-only folder
      {0777, 0000, "it could not be read: Permission denied"},  // its keys would be lost
  };
  for (const Row& r : rows) {
    // A folder the peer can reach (the tests' own folders are the runner's alone).
    char made[] = "/tmp/orsek-settings-XXXXXX";
    ASSERT_NE(mkdtemp(made), nullptr);
    const std::string home = made;
    const std::string folder = home + "/Orsek", file = folder + "/Vondrix.ini";
    std::filesystem::create_directories(folder);
    const std::string old = "[General]\nTV=4\n[broken\n";
    WriteBytes(file, old);
    chmod(home.c_str(), 0755);
    chmod(file.c_str(), r.fileMode);
    chmod(folder.c_str(), r.folderMode);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home));
    const std::optional<std::string> said = PeerWithoutRoot({"settings", "TV", "6"}, env);
    chmod(folder.c_str(), 0755);
    chmod(file.c_str(), 0644);
    const std::string after = ReadBytes(file);
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      names.push_back(e.path().filename());
    std::filesystem::remove_all(home);
    if (!said) GTEST_SKIP() << "running as root and unable to drop to another user here";
    EXPECT_EQ(*said, r.said);
    EXPECT_EQ(after, old) << r.said;
    EXPECT_EQ(names, std::vector<std::string>{"Vondrix.ini"}) << r.said;
  }
}

std::vector<std::pair<std::string, std::string>> launched;
bool recordLaunch(const std::string& program, const std::string& argument,
                  const std::function<void()>&) {
  launched.emplace_back(program, argument);
  return true;
}

TEST(Shell, StartsSiblingProgramsAndIgnoresMissingOnes) {
  platform::setShellLauncher(&recordLaunch);
  launched.clear();
  EXPECT_FALSE(platform::startProgram("no-such-program"));
  EXPECT_TRUE(launched.empty());
  QTemporaryDir tmp;
  std::string tool = tmp.path().toStdString() + "/tool";
  std::ofstream(tool) << "#!/bin/sh\n";
  std::system(("chmod +x " + tool).c_str());
  EXPECT_TRUE(platform::startProgram(tool));
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0].first, tool);
  EXPECT_FALSE(platform::openDocument(tmp.path().toStdString() + "/missing.html"));
  platform::setShellLauncher(nullptr);
}

TEST(Shell, ADocumentHandlerThatFailsIsReportedAndOneThatSucceedsIsNot) {
  QTemporaryDir tmp;
  const std::string folder = tmp.path().toStdString();
  const std::string document = folder + "/page.html", ran = folder + "/ran";
  std::ofstream(document) << "<p>help</p>\n";
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", (tmp.path() + ":").toLocal8Bit() + path);
  const struct Row {
    const char* end;
    int failures;
  } rows[] = {{"exit 0", 0}, {"exit 3", 1}, {"kill -9 $$", 1}};
  for (const Row& r : rows) {
    std::filesystem::remove(ran);
    const std::string handler = folder + "/xdg-open";
    std::ofstream(handler) << "#!/bin/sh\n[ \"$1\" = '" << document << "' ] && : > '" << ran
                           << "'\n"
                           << r.end << "\n";
    std::filesystem::permissions(handler, std::filesystem::perms::owner_all);
    int failures = 0;
    ASSERT_TRUE(platform::openDocument(document, [&] { ++failures; })) << r.end;
    // Its end is seen from the event loop; a success is given a while to be taken for one.
    QElapsedTimer waited;
    waited.start();
    qint64 ranAt = -1;
    while (failures < r.failures || ranAt < 0 || waited.elapsed() < ranAt + 300) {
      if (waited.elapsed() > 10000) break;
      if (ranAt < 0 && std::filesystem::exists(ran)) ranAt = waited.elapsed();
      QCoreApplication::processEvents();
      QThread::msleep(5);
    }
    EXPECT_TRUE(std::filesystem::exists(ran)) << r.end << ": the handler got the page";
    EXPECT_EQ(failures, r.failures) << r.end;
  }
  qputenv("PATH", path);
}

TEST(Clock, AVirtualClockReplacesTheRealOneForItsScope) {
  platform::VirtualClock v(5000);
  {
    platform::ScopedClock scope(v);
    platform::clock().sleep(300);
    EXPECT_EQ(platform::clock().tickCount(), 5300u);
  }
  EXPECT_NE(&platform::clock(), &v);
}

void writeJpeg(const std::string& path, int w, int h, unsigned char r, unsigned char g,
               unsigned char b) {
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  FILE* f = std::fopen(path.c_str(), "wb");
  jpeg_stdio_dest(&info, f);
  info.image_width = w;
  info.image_height = h;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(w * 3);
  for (int x = 0; x < w; ++x) row[x * 3] = r, row[x * 3 + 1] = g, row[x * 3 + 2] = b;
  while (info.next_scanline < info.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(f);
}

TEST(Jpeg, DecodesAPictureAndRejectsOtherFiles) {
  QTemporaryDir tmp;
  std::string good = tmp.path().toStdString() + "/splash.jpg";
  writeJpeg(good, 568, 390, 0, 255, 255);
  QImage img = platform::decodeJpegFile(good);
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(568, 390));
  QColor c = img.pixelColor(100, 100);
  EXPECT_LE(c.red(), 8);
  EXPECT_GE(c.green(), 247);
  EXPECT_GE(c.blue(), 247);

  std::string bad = tmp.path().toStdString() + "/bad.jpg";
  std::ofstream(bad) << "not a picture";
  std::string why;
  EXPECT_TRUE(platform::decodeJpegFile(bad, &why).isNull());
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(platform::decodeJpegFile(tmp.path().toStdString() + "/none.jpg", &why).isNull());
}

}  // namespace
