// Where the tool's output goes: named pipes, devices and links kept as they are, a full
// disk reported and an existing file left alone, pictures in the format their name asks
// for or on standard output, and a failed standard output noticed.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include "CliTestUtil.h"

namespace vt::test {
namespace {

class CliWrites : public CliTest {
 protected:
  QString Path(const QString& name) const { return Dir.filePath(name); }
  QStringList RenderTo(const QString& output) const {
    return {"render", DemoSkin("demo-light"), "Form", "30x20", output};
  }
};

bool IsFileType(const QString& path, mode_t type) {
  struct stat info {};
  return ::lstat(path.toLocal8Bit().constData(), &info) == 0 && (info.st_mode & S_IFMT) == type;
}

// A run whose standard output is `device` (a buffer, a device file), not a string.
TToolRun RunToolInto(QIODevice& device, const QStringList& args) {
  TToolRun run;
  QTextStream out(&device), err(&run.Err);
  run.Code = RunVtSkin(args, out, err);
  err.flush();
  return run;
}

TEST_F(CliWrites, NamedPipesGetTheBytesAndStayPipes) {
  TSeSkinSource tiny;
  AddTopLevel(tiny, "Form");
  const QString skin = SaveSkin(tiny, Dir, "tiny.uskn");
  struct TCase {
    QString Pipe;
    QStringList Args;
    QByteArray Start;
  };
  const TCase cases[] = {
      {Path("picture.png"), RenderTo(Path("picture.png")), "\x89PNG"},
      {Path("skin.mskn"), {"convert", skin, Path("skin.mskn")}, "_MCT"},
  };
  for (const TCase& c : cases) {
    ASSERT_EQ(::mkfifo(c.Pipe.toLocal8Bit().constData(), 0600), 0);
    // Opened for reading first and without waiting, so that the tool's open does not
    // block and its few bytes wait in the pipe.
    const int reader = ::open(c.Pipe.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const TToolRun run = RunTool(c.Args);
    QByteArray received(65536, '\0');
    const ssize_t got = ::read(reader, received.data(), received.size());
    ::close(reader);
    EXPECT_EQ(run.Code, kExitOk) << run.Err.toStdString();
    EXPECT_TRUE(received.left(qMax<ssize_t>(got, 0)).startsWith(c.Start)) << c.Pipe.toStdString();
    EXPECT_TRUE(IsFileType(c.Pipe, S_IFIFO)) << c.Pipe.toStdString();
  }
}

TEST_F(CliWrites, ALinkToAFileKeepsTheLinkAndReplacesTheFile) {
  QFile old(Path("real.png"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
  old.close();
  ASSERT_TRUE(QFile::link(Path("real.png"), Path("link.png")));
  ASSERT_EQ(RunTool(RenderTo(Path("link.png"))).Code, kExitOk);
  EXPECT_TRUE(IsFileType(Path("link.png"), S_IFLNK));
  EXPECT_EQ(QImage(Path("real.png")).size(), QSize(30, 20));
}

TEST_F(CliWrites, AFullDeviceIsAFailureNamingTheFile) {
  ASSERT_TRUE(QFile::link("/dev/full", Path("full.mskn")));
  struct TCase {
    QStringList Args;
    QString Named;
  };
  const TCase cases[] = {
      {RenderTo("/dev/full"), "/dev/full"},
      {{"convert", DemoSkin("demo-light"), Path("full.mskn")}, Path("full.mskn")},
  };
  for (const TCase& c : cases) {
    const TToolRun run = RunTool(c.Args);
    EXPECT_EQ(run.Code, kExitProblem) << c.Named.toStdString();
    EXPECT_TRUE(run.Err.contains(c.Named) && run.Err.contains("no space left"))
        << run.Err.toStdString();
  }
  EXPECT_TRUE(IsFileType("/dev/full", S_IFCHR));
  EXPECT_TRUE(IsFileType(Path("full.mskn"), S_IFLNK));
}

// A file-size limit makes every write past it fail as a full disk would, without needing
// a small file system.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &FSaved);
    FSavedHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = FSaved;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &FSaved);
    ::signal(SIGXFSZ, FSavedHandler);
  }

 private:
  rlimit FSaved{};
  sighandler_t FSavedHandler;
};

TEST_F(CliWrites, AWriteThatRunsOutOfRoomLeavesTheOldFileAndSaysSo) {
  QFile old(Path("keep.png"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old picture") == 11);
  old.close();
  TToolRun render, exported;
  {
    const TFileSizeLimit limit(40);
    render = RunTool({"render", DemoSkin("demo-light"), "Form", "200x150", Path("keep.png")});
    exported = RunTool({"export", DemoSkin("demo-light"), Path("images")});
  }
  EXPECT_EQ(render.Code, kExitProblem);
  EXPECT_TRUE(render.Err.contains(Path("keep.png"))) << render.Err.toStdString();
  EXPECT_EQ(ReadFile(Path("keep.png")), "old picture");
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.png"});
  EXPECT_EQ(exported.Code, kExitProblem);
  EXPECT_FALSE(exported.Out.contains("saved")) << exported.Out.toStdString();
  EXPECT_TRUE(QDir(Path("images")).isEmpty(QDir::Files | QDir::Hidden));
}

TEST_F(CliWrites, PicturesComeInTheFormatTheirNameAsksFor) {
  const std::pair<QString, QByteArray> cases[] = {
      {"out.bmp", "BM"}, {"out.PNG", "\x89PNG"}, {"plain", "\x89PNG"}};
  for (const auto& [name, start] : cases) {
    EXPECT_EQ(RunTool(RenderTo(Path(name))).Code, kExitOk) << name.toStdString();
    EXPECT_TRUE(ReadFile(Path(name)).startsWith(start)) << name.toStdString();
  }
  // Transparent corners of the window are magenta in a bitmap, which has no alpha.
  EXPECT_EQ(QImage(Path("out.bmp")).pixel(0, 0), qRgb(255, 0, 255));
}

TEST_F(CliWrites, ADashWritesThePictureToStandardOutput) {
  QBuffer picture, mask;
  ASSERT_TRUE(picture.open(QIODevice::WriteOnly) && mask.open(QIODevice::WriteOnly));
  EXPECT_EQ(RunToolInto(picture, RenderTo("-")).Code, kExitOk);
  EXPECT_EQ(QImage::fromData(picture.data(), "PNG").size(), QSize(30, 20));
  EXPECT_FALSE(QFile::exists("-"));
  // The region's numbers then go to standard error, so that the picture stays whole.
  const TToolRun region =
      RunToolInto(mask, {"region", DemoSkin("demo-light"), "Form", "30x20", "-"});
  EXPECT_EQ(region.Code, kExitOk);
  EXPECT_EQ(QImage::fromData(mask.data(), "PNG").size(), QSize(30, 20));
  EXPECT_TRUE(region.Err.contains("Rectangles: "));
}

TEST_F(CliWrites, AStandardOutputThatCannotBeWrittenIsAFailure) {
  QFile full("/dev/full");
  ASSERT_TRUE(full.open(QIODevice::WriteOnly));
  const TToolRun run = RunToolInto(full, {"info", DemoSkin("demo-light")});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_TRUE(run.Err.contains("cannot write to standard output: no space left"))
      << run.Err.toStdString();
}

}  // namespace
}  // namespace vt::test
