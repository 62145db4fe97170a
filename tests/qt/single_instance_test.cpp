// One window per user and display: a second start of the real program
// hands its word to the running window, which looks it up and shows that
// word's article; the window's socket refuses what no start sends; a start
// with no window running opens its own and listens. Under the offscreen
// platform, on the example dictionaries.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "qt/main_window.h"
#include "window_test_support.h"
#include "qt/outside_lookup.h"
#include "qt/single_instance.h"

namespace orva {
namespace {

// Generous: the machine may be loaded, and nothing here measures time.
constexpr int kPatienceMs = 60000;

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runtimeDir_.isValid());
    // The programs started here find their socket in this directory.
    qputenv("XDG_RUNTIME_DIR", runtimeDir_.path().toUtf8());
    window_ = std::make_unique<MainWindow>(services_);
    window_->resize(480, 536 + MainWindow::kMenuBarHeight);
    window_->start();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->dialog().timer(kFirstArticleTimer);
  }
  void TearDown() override {
    server_.reset();
    window_.reset();
    qunsetenv("XDG_RUNTIME_DIR");
  }

  void listen() {
    server_ = std::make_unique<InstanceServer>([this](const InstanceRequest& r) { showAndLookUp(*window_, r); });
    ASSERT_TRUE(server_->listen(instanceServerName()));
  }
  // Runs the program with `arguments` and keeps this window's event loop
  // going until it ends; its exit code, or -1 when it did not end.
  int runProgram(const QStringList& arguments) {
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(ORVA_RUNTIME_DIR "/orva"), arguments);
    if (!program.waitForStarted(kPatienceMs)) return -1;
    if (!QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, kPatienceMs)) {
      program.kill();
      program.waitForFinished();
      return -1;
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  }
  bool pageHas(const char* utf8) {
    return window_->articleView()->shownSource().find(QString::fromUtf8(utf8).toStdU16String()) !=
           std::u16string::npos;
  }
  QLineEdit* edit() { return window_->wordBox().widget(); }

  QTemporaryDir runtimeDir_;
  test::QuietServices services_{ORVA_TEST_PROGRAM_DIR};
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<InstanceServer> server_;
};

TEST_F(SingleInstanceTest, ASecondStartHandsItsWordToTheRunningWindow) {
  listen();
  EXPECT_TRUE(QFileInfo(server_->fullServerName()).absolutePath() == runtimeDir_.path());
  window_->showMinimized();

  // A Russian word: the window comes back, switches to Russian-Hebrew and
  // shows the article of книга (ספר, in visual order on this device).
  ASSERT_EQ(runProgram({QString::fromUtf8("книга")}), 0);
  EXPECT_FALSE(window_->isMinimized());
  EXPECT_EQ(window_->dialog().direction(), Direction::RussianHebrew);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  EXPECT_TRUE(pageHas("רפס"));
  EXPECT_FALSE(pageHas("תיב"));

  // Another word, given after "--": the article follows it.
  ASSERT_EQ(runProgram({QStringLiteral("--"), QString::fromUtf8("дом")}), 0);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("дом"));
  EXPECT_TRUE(pageHas("תיב"));
  EXPECT_FALSE(pageHas("רפס"));

  // A Hebrew word switches back; the same word twice is looked up again
  // even after the list moved away from it.
  ASSERT_EQ(runProgram({QString::fromUtf8("ספר")}), 0);
  EXPECT_EQ(window_->dialog().direction(), Direction::HebrewRussian);
  EXPECT_TRUE(pageHas("книга"));
  window_->dialog().headwordList().ScrollToIndex(0);
  window_->dialog().ShowArticle();
  ASSERT_EQ(runProgram({QString::fromUtf8("ספר")}), 0);
  EXPECT_TRUE(pageHas("книга"));
  EXPECT_EQ(edit()->selectedText(), QString::fromUtf8("ספר"));  // typing replaces it

  // Without a word the window is only shown.
  const std::u16string before = window_->articleView()->shownSource();
  window_->showMinimized();
  ASSERT_EQ(runProgram({}), 0);
  EXPECT_FALSE(window_->isMinimized());
  EXPECT_EQ(window_->articleView()->shownSource(), before);
}

TEST_F(SingleInstanceTest, TheSocketDropsWhatNoStartSends) {
  listen();
  const std::u16string before = window_->articleView()->shownSource();
  // Each connection sends `bytes`; whether the window answered "ok".
  const auto send = [&](const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(server_->fullServerName());
    if (!QTest::qWaitFor([&] { return socket.state() == QLocalSocket::ConnectedState; }, kPatienceMs)) return false;
    socket.write(bytes);
    socket.flush();
    QByteArray answer;
    (void)QTest::qWaitFor(
        [&] {
          answer += socket.readAll();
          return socket.state() == QLocalSocket::UnconnectedState || answer.contains('\n');
        },
        kPatienceMs);
    return answer == "ok\n";
  };
  EXPECT_FALSE(send("look-up \xD0\xBA\xD0\n"));                                    // cut UTF-8
  EXPECT_FALSE(send("look-up " + QByteArray(int(kMaxRequestBytes), 'a') + "\n"));  // too long
  EXPECT_FALSE(send("run /bin/sh\n"));
  EXPECT_EQ(window_->articleView()->shownSource(), before);
  EXPECT_TRUE(edit()->text().isEmpty());

  // Controls and direction marks never reach the word box.
  ASSERT_TRUE(send("look-up \xE2\x80\xAE\xD0\xB4\xD0\xBE\xD0\xBC\x1B\n"));
  EXPECT_EQ(edit()->text(), QString::fromUtf8("дом"));
  EXPECT_TRUE(pageHas("תיב"));
}

TEST_F(SingleInstanceTest, AStartWithNoWindowRunningOpensItsOwnAndListens) {
  // Nothing listens here yet.
  EXPECT_FALSE(handToRunningInstance(instanceServerName(), InstanceRequest{}, 2000));
  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QStringLiteral(ORVA_RUNTIME_DIR "/orva"), {QString::fromUtf8("книга")});
  ASSERT_TRUE(program.waitForStarted(kPatienceMs));
  const QString socketPath = instanceServerName();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(socketPath); }, kPatienceMs));
  // That program's window takes the next start's request.
  EXPECT_TRUE(handToRunningInstance(socketPath, requestToLookUp(u"дом"), kPatienceMs));
  EXPECT_EQ(program.state(), QProcess::Running);
  program.kill();
  program.waitForFinished(kPatienceMs);
}

TEST(DesktopSelection, FallsBackToTheClipboard) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText(QString::fromUtf8("  «книги», "));
  if (clipboard->supportsSelection()) clipboard->setText(QString(), QClipboard::Selection);
  EXPECT_EQ(desktopSelection(*clipboard), QString::fromUtf8("  «книги», "));
  EXPECT_EQ(requestToLookUp(desktopSelection(*clipboard).toStdU16String()).word, u"книги");
  if (clipboard->supportsSelection()) {
    clipboard->setText(QString::fromUtf8("שלום"), QClipboard::Selection);
    EXPECT_EQ(desktopSelection(*clipboard), QString::fromUtf8("שלום"));
  }
}

}  // namespace
}  // namespace orva
