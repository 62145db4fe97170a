// The real window on the example dictionaries, under the offscreen platform:
// start-up, typing in both scripts, the filter of Enter and Escape, the
// direction buttons, the list's keys and scroll bar, resizing, hide, help,
// close, and screenshots of articles in both directions and both orders.
// Timers are fired by hand rather than waited for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <memory>

#include "qt/main_window.h"
#include "window_test_support.h"
#include "store/list_index.h"
#include "store/record_reader.h"
#include "text/display_text.h"
#include "text/utf.h"

namespace orva {
namespace {

// The desktop as the tests see it: the example dictionaries, a chosen
// language, and every modal box or document only recorded.
class RecordingServices : public DesktopServices {
 public:
  explicit RecordingServices(uint32_t language) : language_(language) {}
  std::string programDirectory() override { return ORVA_TEST_PROGRAM_DIR; }
  DeviceSettings deviceSettings() override { return {language_, codePageForLanguage(language_)}; }
  void showMessage(QWidget*, const QString& caption, const QString& text, bool) override {
    messages << caption + " | " + text;
  }
  bool openDocument(const QString& path) override {
    opened << path;
    return true;
  }
  void runAbout(QWidget*) override { ++aboutRuns; }
  void exitProcess(int code) override { exitCode = code; }

  QStringList messages;
  QStringList opened;
  int aboutRuns = 0;
  int exitCode = -1;

 private:
  uint32_t language_;
};

class WindowTest : public ::testing::Test {
 protected:
  void open(uint32_t language) {
    services_ = std::make_unique<RecordingServices>(language);
    window_ = std::make_unique<MainWindow>(*services_);
    window_->resize(480, 536 + MainWindow::kMenuBarHeight);
    window_->start();
    ASSERT_TRUE(test::showActive(*window_));
  }
  void TearDown() override {
    window_.reset();
    services_.reset();
  }

  void type(const QString& text) { test::typeText(text); }
  void fire(uint32_t timer) { window_->dialog().timer(timer); }
  QLineEdit* edit() { return window_->wordBox().widget(); }
  QString pageText() { return window_->articleView()->widget()->toPlainText(); }
  MainDialog& dialog() { return window_->dialog(); }

  // Saves the window into the build directory and checks the picture.
  void screenshot(const QString& name) {
    QApplication::processEvents();
    const QImage image = window_->grab().toImage();
    EXPECT_EQ(image.size(), window_->size() * window_->devicePixelRatio());
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20) << name.toStdString();
    const QString path = QStringLiteral(ORVA_RUNTIME_DIR "/") + name;
    ASSERT_TRUE(image.save(path));
    EXPECT_GT(QFileInfo(path).size(), 1000);
  }

  std::unique_ptr<RecordingServices> services_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowTest, StartsOnTheBundledDictionaries) {
  open(kLanguageRussian);
  EXPECT_EQ(window_->windowTitle(), "ORVA Pocket");
  EXPECT_TRUE(services_->messages.isEmpty());
  EXPECT_TRUE(pageText().contains("Welcome to ORVA CE"));
  EXPECT_EQ(edit()->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute), Qt::AlignRight | Qt::AlignAbsolute);
  QToolButton* heRu = window_->directionButton(IDM_HEBREW_RUSSIAN);
  QToolButton* ruHe = window_->directionButton(IDM_RUSSIAN_HEBREW);
  ASSERT_TRUE(heRu && ruHe);
  EXPECT_TRUE(heRu->isChecked());
  EXPECT_FALSE(ruHe->isChecked());
  EXPECT_EQ(heRu->toolTip(), "Hebrew-Russian (Ctrl+2)");
  EXPECT_EQ(ruHe->toolTip(), "Russian-Hebrew (Ctrl+1)");
  // Options, separator, Help, separator, the two image buttons.
  EXPECT_EQ(window_->menuBarWidget()->actions().size(), 6);
  EXPECT_EQ(window_->timerInterval(kFirstArticleTimer), 2000);
  EXPECT_EQ(window_->timerInterval(kKeyboardWatchTimer), 200);
  EXPECT_TRUE(edit()->hasFocus());
  EXPECT_TRUE(dialog().wordEditActive());
  // Rows fill the list exactly.
  QtListControl& list = window_->list();
  EXPECT_GT(list.rows(), 8);
  EXPECT_EQ(list.height() - 2, list.rows() * list.rowHeight());
  EXPECT_EQ(list.y(), 28);
  EXPECT_EQ(window_->articleView()->widget()->geometry(), QRect(2, 268, 476, 266));
  EXPECT_EQ(list.scrollBar()->maximum(), static_cast<int>(dialog().headwordList().entryCount()) - list.rows());

  fire(kFirstArticleTimer);
  EXPECT_EQ(list.selection(), 0);
  EXPECT_EQ(window_->timerInterval(kFirstArticleTimer), -1);
  EXPECT_FALSE(pageText().contains("Welcome"));
}

TEST_F(WindowTest, TypingHebrewInVisualModeFindsTheWordAndEnterAndEscapeDoNothing) {
  open(kLanguageRussian);
  type(QString::fromUtf8("ספר"));
  EXPECT_EQ(edit()->text(), QString::fromUtf8("ספר"));  // the box shows what was typed
  EXPECT_EQ(window_->list().selection(), 0);
  EXPECT_TRUE(window_->articleView()->shownSource().find(u"книга") != std::u16string::npos);
  const int top = dialog().headwordList().topIndex();
  QTest::keyClick(edit(), Qt::Key_Return);
  QTest::keyClick(edit(), Qt::Key_Escape);
  window_->list().setFocus();
  QTest::keyClick(&window_->list(), Qt::Key_Escape);
  QTest::keyClick(&window_->list(), Qt::Key_Enter);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(window_->isMinimized());
  EXPECT_EQ(dialog().headwordList().topIndex(), top);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("ספר"));
}

TEST_F(WindowTest, ATapWritesTheHeadwordBackInLogicalOrder) {
  open(kLanguageRussian);
  fire(kFirstArticleTimer);
  QtListControl& list = window_->list();
  QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, list.rowRect(2).center());
  EXPECT_TRUE(list.hasFocus());
  EXPECT_EQ(list.selection(), 2);
  EXPECT_FALSE(dialog().wordEditActive());
  // The logic wrote visual order; the box shows the headword as typed.
  DictionaryFile& file = dialog().dictionaries().hebrewRussian;
  RecordBuffer buffer{};
  EntryRecord record{};
  ASSERT_TRUE(readRecord(file.handle, file.recordBase(), file.formatVersion(), list.itemData(2), buffer, record));
  const std::u16string logical = HebrewDisplayText(record.headword(), {kLanguageHebrew, CodePage::Hebrew1255});
  EXPECT_EQ(edit()->text().toStdU16String(), logical);
  EXPECT_EQ(dialog().headwordList().topIndex(), 0);  // no lookup followed the write
}

TEST_F(WindowTest, DirectionButtonsSwitchAndPressingTheOneInForceRunsItAgain) {
  open(kLanguageRussian);
  QToolButton* heRu = window_->directionButton(IDM_HEBREW_RUSSIAN);
  QToolButton* ruHe = window_->directionButton(IDM_RUSSIAN_HEBREW);
  ruHe->click();
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(ruHe->isChecked());
  EXPECT_FALSE(heRu->isChecked());
  EXPECT_EQ(edit()->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute), Qt::AlignLeft | Qt::AlignAbsolute);
  EXPECT_EQ(window_->timerInterval(kFirstArticleTimer), 100);
  EXPECT_TRUE(pageText().isEmpty());
  fire(kFirstArticleTimer);
  EXPECT_FALSE(pageText().isEmpty());
  ruHe->click();  // already in force: the whole command again
  EXPECT_TRUE(ruHe->isChecked());
  EXPECT_FALSE(heRu->isChecked());
  EXPECT_TRUE(pageText().isEmpty());
  EXPECT_TRUE(edit()->text().isEmpty());
  EXPECT_EQ(window_->timerInterval(kFirstArticleTimer), 100);
}

TEST_F(WindowTest, ListKeysAndTheScrollBarMoveTheWindowOverTheIndex) {
  open(kLanguageRussian);
  QtListControl& list = window_->list();
  HeadwordList& headwords = dialog().headwordList();
  const int rows = list.rows();
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_End);
  EXPECT_EQ(headwords.topIndex(), static_cast<int>(headwords.entryCount()) - rows);
  EXPECT_EQ(list.selection(), rows - 1);
  EXPECT_EQ(list.scrollBar()->value(), headwords.topIndex());
  QTest::keyClick(&list, Qt::Key_Home);
  EXPECT_EQ(headwords.topIndex(), 0);
  list.scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(headwords.topIndex(), rows);
  EXPECT_EQ(list.scrollBar()->value(), rows);
  list.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(headwords.topIndex(), rows - 1);
  list.scrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(headwords.topIndex(), list.scrollBar()->maximum());
  QTest::keyClick(&list, Qt::Key_Down);  // the last row at the end stays
  QTest::keyClick(&list, Qt::Key_Left);  // sideways keys do nothing in the list
  EXPECT_EQ(headwords.topIndex(), list.scrollBar()->maximum());
  EXPECT_EQ(list.itemData(0), readListRecordPos(dialog().dictionaries().hebrewRussian,
                                                static_cast<uint32_t>(headwords.topIndex()))
                                  .value());
}

TEST_F(WindowTest, ResizingKeepsTheTopEntryAndWholeRows) {
  open(kLanguageRussian);
  QtListControl& list = window_->list();
  list.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  list.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  window_->resize(400, 400 + MainWindow::kMenuBarHeight);
  EXPECT_EQ(dialog().headwordList().topIndex(), 2);
  EXPECT_EQ(list.height() - 2, list.rows() * list.rowHeight());
  EXPECT_EQ(list.rows(), (400 / 2 - 30 - 2) / list.rowHeight());
  EXPECT_EQ(window_->articleView()->widget()->geometry(), QRect(2, 200, 396, 198));
}

TEST_F(WindowTest, ExitHidesHelpAndAboutGoToTheDesktopAndCloseEndsTheProgram) {
  open(kLanguageRussian);
  QTest::keyClick(edit(), Qt::Key_F1);
  ASSERT_EQ(services_->opened.size(), 1);
  EXPECT_EQ(services_->opened[0], QStringLiteral(ORVA_TEST_PROGRAM_DIR "/help.html"));
  dialog().command(0, IDM_ABOUT);
  EXPECT_EQ(services_->aboutRuns, 1);
  dialog().command(0, IDM_EXIT);
  EXPECT_TRUE(window_->isMinimized());
  EXPECT_TRUE(window_->list().hasFocus() || QApplication::focusWidget() == nullptr);
  EXPECT_FALSE(dialog().wordEditActive());
  window_->showNormal();
  window_->close();
  EXPECT_EQ(services_->exitCode, 0);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(dialog().dictionaries().hebrewRussian.isOpen());
  EXPECT_EQ(window_->timerInterval(kKeyboardWatchTimer), -1);
  EXPECT_EQ(window_->articleView(), nullptr);
}

struct ShotCase {
  const char* name;
  uint32_t language;
  bool russianHebrew;
  const char* word;
  const char16_t* expected;  // in the page source
};

void PrintTo(const ShotCase& shot, std::ostream* out) { *out << shot.name; }

class ScreenshotTest : public WindowTest, public ::testing::WithParamInterface<ShotCase> {};

TEST_P(ScreenshotTest, ArticleAfterTyping) {
  const ShotCase& shot = GetParam();
  open(shot.language);
  if (shot.russianHebrew) {
    window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
    fire(kFirstArticleTimer);
    window_->list().setFocus();
    edit()->setFocus();
    fire(kSelectAllTimer);  // typing replaces the headword written back
  }
  type(QString::fromUtf8(shot.word));
  EXPECT_NE(window_->articleView()->shownSource().find(shot.expected), std::u16string::npos);
  screenshot(shot.name);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ScreenshotTest,
    ::testing::Values(ShotCase{"window-he-ru-logical.png", kLanguageHebrew, false, "ספר", u"библиотека"},
                      ShotCase{"window-he-ru-visual.png", kLanguageRussian, false, "ספר", u"библиотека"},
                      ShotCase{"window-ru-he-logical.png", kLanguageHebrew, true, "дом", u"בית"},
                      ShotCase{"window-ru-he-visual.png", kLanguageRussian, true, "дом", u"תיב"},
                      // Red root letters: the page lists the runs right to left.
                      ShotCase{"window-he-ru-highlight-logical.png", kLanguageHebrew, false, "מכתב",
                               u"<font color=red>כתב</font>מ"},
                      ShotCase{"window-he-ru-highlight-visual.png", kLanguageRussian, false, "מכתב",
                               u"<font color=red>בתכ</font>מ"}),
    [](const ::testing::TestParamInfo<ShotCase>& info) {
      std::string name = info.param.name;
      name = name.substr(0, name.find('.'));
      for (char& c : name)
        if (c == '-') c = '_';
      return name;
    });

}  // namespace
}  // namespace orva
