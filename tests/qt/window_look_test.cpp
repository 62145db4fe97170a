// The real window's look under the offscreen platform, at the scale factor
// and on the screen the test run is given: it opens inside the screen with
// whole rows, reads on a light and a dark palette, zooms with Ctrl+plus,
// Ctrl+minus and Ctrl+0, and paints the list once per keystroke.
// Screenshots go to the build directory's screenshots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <memory>

#include "qt/main_window.h"
#include "window_test_support.h"
#include "qt/page_colours.h"
#include "qt/readable_colours.h"

namespace orva {
namespace {

// A dark desktop theme: light text on dark rows, and a bright highlight on
// which the palette's white highlighted text reads poorly.
QPalette darkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(0x2B2B2B));
  palette.setColor(QPalette::WindowText, QColor(0xE0E0E0));
  palette.setColor(QPalette::Base, QColor(0x1E1E1E));
  palette.setColor(QPalette::AlternateBase, QColor(0x2B2B2B));
  palette.setColor(QPalette::Text, QColor(0xE0E0E0));
  palette.setColor(QPalette::Button, QColor(0x353535));
  palette.setColor(QPalette::ButtonText, QColor(0xE0E0E0));
  palette.setColor(QPalette::Highlight, QColor(0x3DAEE9));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Mid, QColor(0x505050));
  return palette;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class WindowLookTest : public ::testing::Test {
 protected:
  void open() {
    window_ = std::make_unique<MainWindow>(services_);
    window_->fitToScreen();
    window_->start();
    ASSERT_TRUE(test::showActive(*window_));
  }
  void TearDown() override {
    window_.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
  }

  void type(const QString& text) { test::typeText(text); }
  void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  void fire(uint32_t timer) { window_->dialog().timer(timer); }
  QLineEdit* edit() { return window_->wordBox().widget(); }
  QtListControl& list() { return window_->list(); }
  PageBrowser& browser() { return *window_->articleView()->widget(); }
  const std::u16string& source() { return window_->articleView()->shownSource(); }

  static QString scaleName() {
    return QStringLiteral("scale%1").arg(qRound(QApplication::primaryScreen()->devicePixelRatio()));
  }

  // Everything the user needs is on the screen and whole: the window
  // inside the available area, the word box, whole rows, the article and
  // the menu bar inside the window and in that order.
  void expectFitsTheScreen() {
    const QRect available = window_->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window_->frameGeometry())) << scaleName().toStdString();
    EXPECT_GE(window_->width(), window_->minimumWidth());
    EXPECT_GE(window_->height(), window_->minimumHeight());
    const QRect inside = window_->rect();
    const QRect box = edit()->geometry();
    EXPECT_TRUE(inside.contains(box));
    EXPECT_TRUE(edit()->isVisible());
    EXPECT_GE(box.height(), edit()->fontMetrics().height());
    EXPECT_GT(list().rows(), 3);
    EXPECT_EQ(list().height() - 2, list().rows() * list().rowHeight());  // no half row
    EXPECT_LE(box.bottom(), list().y());
    const QRect article = browser().geometry();
    EXPECT_LE(list().geometry().bottom(), article.top());
    EXPECT_TRUE(inside.contains(article));
    EXPECT_GT(article.height(), 3 * browser().fontMetrics().height());
    EXPECT_LE(article.bottom(), window_->menuBarWidget()->y());
    EXPECT_TRUE(inside.contains(window_->menuBarWidget()->geometry()));
  }

  // Saves the window under `name` and checks the picture's size.
  QImage screenshot(const QString& name) {
    settle();
    const QImage image = window_->grab().toImage();
    EXPECT_EQ(image.size(), window_->size() * window_->devicePixelRatio());
    QDir().mkpath(ORVA_SCREENSHOT_DIR);
    EXPECT_TRUE(image.save(QStringLiteral(ORVA_SCREENSHOT_DIR "/") + name)) << name.toStdString();
    return image;
  }

  // Every text the list and the article draw, against what it is drawn on.
  void expectReadable(const char* when) {
    settle();
    ASSERT_FALSE(list().paintedText().empty()) << when;
    for (const auto& [text, background] : list().paintedText())
      EXPECT_GE(contrastRatio(QColor(text), QColor(background)), kReadableContrast)
          << when << ": list text " << QColor(text).name().toStdString() << " on "
          << QColor(background).name().toStdString();
    const QColor base = browser().palette().color(QPalette::Base);
    const QList<QColor> colours = documentTextColours(*browser().document(), browser().palette().color(QPalette::Text));
    ASSERT_FALSE(colours.isEmpty()) << when;
    for (const QColor& colour : colours)
      EXPECT_GE(contrastRatio(colour, base), kReadableContrast)
          << when << ": article text " << colour.name().toStdString() << " on " << base.name().toStdString();
  }

  test::QuietServices services_{ORVA_TEST_PROGRAM_DIR, {kLanguageHebrew, CodePage::Hebrew1255}};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowLookTest, OpensInsideTheScreenWithWholeRows) {
  open();
  expectFitsTheScreen();
  EXPECT_LE(window_->minimumHeight(), window_->screen()->availableGeometry().height());
  fire(kFirstArticleTimer);
  type(QString::fromUtf8("ספר"));
  const QImage image = screenshot(QStringLiteral("window-fit-%1.png").arg(scaleName()));
  // On a screen too low for the wished size the window is lower, not cut.
  const QRect available = window_->screen()->availableGeometry();
  if (available.height() < window_->wishedSize().height()) {
    EXPECT_LT(window_->height(), window_->wishedSize().height());
  } else if (available.height() >= window_->wishedSize().height() + 48) {
    EXPECT_EQ(window_->size(), window_->wishedSize());
  }
  // The bottom row is a whole row: the list's frame follows right under it.
  const qreal ratio = window_->devicePixelRatio();
  const QRect last = list().rowRect(list().rows() - 1).translated(list().pos());
  EXPECT_LE((last.bottom() + 1) * ratio, image.height());
  // A smaller window keeps whole rows and never goes below its minimum.
  window_->resize(window_->minimumSize() - QSize(50, 50));
  settle();
  EXPECT_EQ(window_->size(), window_->minimumSize());
  EXPECT_EQ(list().height() - 2, list().rows() * list().rowHeight());
  EXPECT_GT(list().rows(), 2);
}

struct PaletteCase {
  const char* name;
  bool dark;
};

void PrintTo(const PaletteCase& shot, std::ostream* out) { *out << shot.name; }

class PaletteTest : public WindowLookTest, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(PaletteTest, EveryTextOfTheListAndTheArticleReads) {
  if (GetParam().dark) QApplication::setPalette(darkPalette());
  open();
  expectReadable("welcome page");
  EXPECT_NE(source().find(u"#FF5A00"), std::u16string::npos);
  fire(kFirstArticleTimer);
  // Red root letters in a Hebrew word, black Hebrew blocks.
  type(QString::fromUtf8("מכתב"));
  ASSERT_NE(source().find(u"<font color=red>"), std::u16string::npos);
  expectReadable("red highlight");
  // The Russian grammar labels' dark blue.
  window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
  fire(kFirstArticleTimer);
  list().setFocus();
  edit()->setFocus();
  fire(kSelectAllTimer);
  type(QString::fromUtf8("дом"));
  ASSERT_NE(source().find(u"#234567"), std::u16string::npos);
  ASSERT_NE(list().selection(), -1);
  expectReadable("grammar labels");
  // The hint line's text and links on its background; a theme whose link
  // colour is meant for dark windows must not vanish on the light hint.
  QPalette hinted = QApplication::palette();
  hinted.setColor(QPalette::Link, GetParam().dark ? QColor(0x8AB4F8) : QColor(0x0000EE));
  QApplication::setPalette(hinted);
  settle();
  const HintPiece pieces[] = {{u"«xyz» — form of ", false, -1}, {u"книга", true, 0}};
  window_->hintLine().show(pieces);
  const QtHintLine::Colours hint = window_->hintLine().colours();
  EXPECT_GE(contrastRatio(hint.text, hint.background), kReadableContrast);
  EXPECT_GE(contrastRatio(hint.link, hint.background), kReadableContrast);
  EXPECT_EQ(window_->hintLine().palette().color(QPalette::Link), hint.link);
  EXPECT_EQ(window_->hintLine().palette().color(QPalette::Window), hint.background);
  window_->hintLine().show({});  // shown here by hand, beside the logic's layout
  const QImage image = screenshot(QStringLiteral("window-%1%2.png").arg(GetParam().name, scaleName()));
  // The rows' background as drawn follows the palette.
  const QPoint row = list().rowRect(list().rows() - 1).center() + list().pos();
  const QColor drawn = image.pixelColor(row * window_->devicePixelRatio());
  EXPECT_EQ(relativeLuminance(drawn) < 0.2, GetParam().dark) << drawn.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Window, PaletteTest,
                         ::testing::Values(PaletteCase{"", false}, PaletteCase{"dark-", true}),
                         [](const ::testing::TestParamInfo<PaletteCase>& info) {
                           return std::string(info.param.dark ? "Dark" : "Light");
                         });

TEST_F(WindowLookTest, ADesktopThemeChangedWhileOpenIsFollowed) {
  open();
  fire(kFirstArticleTimer);
  type(QString::fromUtf8("מכתב"));
  const std::u16string page = source();
  QApplication::setPalette(darkPalette());
  expectReadable("after switching to dark");
  EXPECT_EQ(source(), page);  // the page itself is untouched
  QApplication::setPalette(QApplication::style()->standardPalette());
  expectReadable("after switching back");
}

TEST_F(WindowLookTest, ControlPlusMinusAndZeroZoomTheListAndTheArticle) {
  open();
  fire(kFirstArticleTimer);
  const int rowHeight = list().rowHeight();
  const qreal articleSize = browser().font().pointSizeF();
  const int rows = list().rows();
  QTest::keyClick(edit(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(window_->zoomPercent(), 115);
  QTest::keyClick(edit(), Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(window_->zoomPercent(), 130);
  EXPECT_GT(list().rowHeight(), rowHeight);
  EXPECT_LT(list().rows(), rows);
  EXPECT_GT(browser().font().pointSizeF(), articleSize);
  EXPECT_EQ(list().height() - 2, list().rows() * list().rowHeight());
  EXPECT_TRUE(edit()->text().isEmpty());  // the keys typed nothing
  type(QString::fromUtf8("ספר"));
  EXPECT_NE(source().find(u"книга"), std::u16string::npos);
  for (int i = 0; i < 12; ++i) QTest::keyClick(edit(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(window_->zoomPercent(), 300);
  EXPECT_GE(list().rows(), 1);
  EXPECT_EQ(list().height() - 2, list().rows() * list().rowHeight());
  screenshot(QStringLiteral("window-zoomed-%1.png").arg(scaleName()));
  list().setFocus();
  QTest::keyClick(&list(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(window_->zoomPercent(), 250);
  QTest::keyClick(&list(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(window_->zoomPercent(), 100);
  EXPECT_EQ(list().rowHeight(), rowHeight);
  EXPECT_EQ(list().rows(), rows);
  EXPECT_DOUBLE_EQ(browser().font().pointSizeF(), articleSize);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("ספר"));
}

TEST_F(WindowLookTest, EachKeystrokePaintsTheListOnce) {
  open();
  fire(kFirstArticleTimer);
  settle();
  PaintCounter counter(&list());
  for (const char* letter : {"ס", "פ", "ר"}) {
    counter.paints = 0;
    type(QString::fromUtf8(letter));
    EXPECT_EQ(counter.paints, 0) << "the list paints when the events are handled, not inside the lookup";
    settle();
    EXPECT_EQ(counter.paints, 1) << letter;
  }
  EXPECT_NE(source().find(u"книга"), std::u16string::npos);
}

}  // namespace
}  // namespace orva
