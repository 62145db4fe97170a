// The window against hostile records and input, under the offscreen
// platform: the article viewer reads no file a page names and lays out no
// table a record brings, links open nothing, the word box keeps only what a
// lookup can use, and the list paints once per keystroke, laying out each
// row text once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTextFrame>
#include <filesystem>
#include <memory>

#include "qt/main_window.h"
#include "window_test_support.h"
#include "qt/qt_text.h"
#include "qt/typed_text_limit.h"
#include "support/test_files.h"
#include "ui/display_order.h"
#include "ui/page_markup.h"

namespace orva {
namespace {

std::u16string repeated(std::u16string_view piece, int times) {
  std::u16string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// Every frame below `frame`: tables are frames, so a page without tables
// has none.
int framesBelow(QTextFrame* frame) {
  int count = 0;
  for (QTextFrame* child : frame->childFrames()) count += 1 + framesBelow(child);
  return count;
}

QImage imageOf(const QVariant& resource) {
  if (resource.typeId() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
  if (resource.typeId() == QMetaType::QImage) return resource.value<QImage>();
  return QImage::fromData(resource.toByteArray());
}

class ArticleViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image_ = QString::fromStdString(dir_.file("picture.png"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(image_));
    fifo_ = QString::fromStdString(dir_.file("pipe"));
    ASSERT_EQ(mkfifo(fifo_.toLocal8Bit().constData(), 0600), 0);
    parent_.resize(400, 300);
  }
  // Lays the document out, which is when a browser loads the images a page
  // names.
  void layOut(QTextBrowser* browser) {
    browser->document()->setTextWidth(380);
    (void)browser->document()->size();
  }

  test::TempDir dir_;
  QString image_;
  QString fifo_;
  QWidget parent_;
};

TEST_F(ArticleViewerTest, LoadsNoFileThatAPageNames) {
  QtArticleView view(&parent_, false);
  PageBrowser* browser = view.widget();
  // Straight into the browser, past the sanitiser: every way of naming a
  // file is refused, the named pipe included, which would otherwise block.
  const QString fileUrl = QUrl::fromLocalFile(image_).toString();
  browser->setHtml("<img src=\"" + image_ + "\"><img src=\"" + fileUrl + "\"><img src=\"picture.png\">" +
                   "<img src=\"" + fifo_ + "\"><table background=\"" + image_ + "\"><tr><td>t</td></tr></table>" +
                   "<div style=\"background-image: url(" + image_ + ")\">x</div>" +
                   "<img src=\"data:image/png;base64,iVBORw0KGgo=\">");
  layOut(browser);
  (void)browser->viewport()->grab();  // backgrounds are asked for when painted
  EXPECT_GE(browser->refusedResources(), 4);
  const QSize picture(40, 30);
  for (const QString& name : {image_, fileUrl, QString("picture.png"), fifo_}) {
    EXPECT_NE(imageOf(browser->document()->resource(QTextDocument::ImageResource, QUrl(name))).size(), picture)
        << name.toStdString();
  }
  EXPECT_NE(imageOf(browser->loadResource(QTextDocument::ImageResource, QUrl(fileUrl))).size(), picture);
  EXPECT_TRUE(browser->loadResource(QTextDocument::StyleSheetResource, QUrl::fromLocalFile(image_)).toByteArray().isEmpty());
  // The program's own resources still load.
  (void)applicationIcon();
  EXPECT_FALSE(
      imageOf(browser->loadResource(QTextDocument::ImageResource, QUrl("qrc:/orva/directions.bmp"))).isNull());

  // Through the viewer the image tags are gone before the browser sees them.
  const int refused = browser->refusedResources();
  view.clear();
  view.append(u"<html><body>\r\n<div align=\"left\"><font size=6>a<img src=\"");
  view.append(toU16(fifo_));
  view.append(u"\">b</font></div>\r\n");
  view.endOfSource();
  layOut(browser);
  EXPECT_EQ(browser->refusedResources(), refused);
  EXPECT_EQ(browser->toPlainText().trimmed(), "ab");
  EXPECT_FALSE(browser->toHtml().contains("img"));
  // The page the logic sent stays as it was sent.
  EXPECT_NE(view.shownSource().find(u"<img src="), std::u16string::npos);
}

TEST_F(ArticleViewerTest, LinksOpenNothing) {
  QtArticleView view(&parent_, false);
  PageBrowser* browser = view.widget();
  parent_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent_));
  browser->setGeometry(0, 0, 400, 300);
  browser->setHtml("<a href=\"" + QUrl::fromLocalFile(image_).toString() + "\">a link to a file, long enough to hit</a>");
  layOut(browser);
  int clicked = 0;
  QObject::connect(browser, &QTextBrowser::anchorClicked, browser, [&] { ++clicked; });
  QTextCursor cursor(browser->document());
  cursor.setPosition(3);
  const QPoint onLink = browser->cursorRect(cursor).center();
  ASSERT_FALSE(browser->anchorAt(onLink).isEmpty());
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, onLink);
  QApplication::processEvents();
  EXPECT_TRUE(browser->source().isEmpty());
  EXPECT_EQ(browser->refusedResources(), 0);
  EXPECT_TRUE(browser->toPlainText().startsWith("a link to a file"));
  // Through the viewer there is no link left to click.
  view.clear();
  view.append(u"<a href=\"file:///etc/passwd\">x</a>");
  view.endOfSource();
  EXPECT_TRUE(browser->anchorAt(onLink).isEmpty());
  EXPECT_FALSE(browser->toHtml().contains("href"));
  (void)clicked;
}

TEST_F(ArticleViewerTest, NestedTablesAndDeepNestingAreFlattenedBeforeLayout) {
  for (bool visualOrder : {false, true}) {
    QtArticleView view(&parent_, visualOrder);
    // Laid out as it stands, this record would take longer than any test
    // may run.
    view.clear();
    view.append(u"<html><body>\r\n<div align=\"left\"><font size=6>");
    view.append(repeated(u"<table><tr><td>x", 250) + repeated(u"</td></tr></table>", 250));
    view.append(repeated(u"<div><font size=7>", 300) + u"y" + repeated(u"</font></div>", 300));
    view.append(u"</font></div>\r\n<hr>\r\n");
    view.endOfSource();
    QTextDocument* document = view.widget()->document();
    EXPECT_EQ(framesBelow(document->rootFrame()), 0) << visualOrder;
    const QString text = document->toPlainText();
    EXPECT_EQ(text.count('x'), 250);
    EXPECT_EQ(text.count('y'), 1);
    EXPECT_LE(markupShape(toU16(view.widget()->toHtml())).maxDepth, kMaxPageDepth + 4);
  }
}

TEST_F(ArticleViewerTest, LaysHebrewBlocksOutInTheOrderOfItsOwnBidi) {
  // The headword מכתב with its root כתב in red: the page lists the red span
  // first, as a display that lays runs out left to right needs it.
  const ArticleBlock headword{ArticleBlockKind::HebrewHeadword, u"<font color=red>כתב</font>מ"};
  const ArticleBlock russian{ArticleBlockKind::RussianText, u"письмо"};
  const std::u16string sent = std::u16string(kPageStart) + blockHtml(headword) + blockHtml(russian);
  for (bool visualOrder : {false, true}) {
    QtArticleView view(&parent_, visualOrder);
    view.clear();
    view.append(kPageStart);
    view.appendBlock(headword);
    view.appendBlock(russian);
    view.endOfSource();
    QString text = view.widget()->toPlainText();
    text.remove(QChar(kLeftToRightOverride));
    // Logical order for the browser's own bidi; the stored order under an
    // override when the page is already in visual order.
    EXPECT_TRUE(text.contains(visualOrder ? QString::fromUtf8("כתבמ") : QString::fromUtf8("מכתב")))
        << visualOrder << " " << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("письмо")));
    EXPECT_EQ(view.shownSource(), sent) << visualOrder;
  }
}

// --- the word box -----------------------------------------------------------

QString marks(int count, char16_t mark = u'\u0301') { return QString(count, QChar(mark)); }

TEST(WordBoxLimit, DropsLongRunsOfMarksAndCutsAtWhatALookupUses) {
  QWidget parent;
  QtWordBox box(&parent);
  QLineEdit* edit = box.widget();
  // A paste goes through insert, as Ctrl+V does.
  edit->insert("a" + marks(32000) + "b");
  EXPECT_EQ(edit->text(), "a" + marks(kMaxCombiningRun) + "b");
  EXPECT_EQ(edit->cursorPosition(), edit->text().size());
  edit->clear();
  edit->insert(QString(2000, 'x'));
  EXPECT_EQ(edit->text().size(), kWordBoxMaxUnits);
  // A character outside the first plane is never cut in half.
  edit->clear();
  edit->insert(QString(kWordBoxMaxUnits - 1, 'x') + QString::fromUcs4(U"\U0001F600"));
  EXPECT_EQ(edit->text(), QString(kWordBoxMaxUnits - 1, 'x'));
  // What the logic writes is held to the same limit.
  box.setText(std::u16string(600, u'ב'));
  EXPECT_EQ(edit->text().size(), kWordBoxMaxUnits);
  // Pointed Hebrew keeps its points; typing more marks than a letter
  // carries adds nothing.
  edit->clear();
  const QString pointed = QString::fromUtf16(u"שָׁלוֹם");
  edit->insert(pointed);
  EXPECT_EQ(edit->text(), pointed);
  edit->clear();
  edit->setFocus();
  for (QString key : {QString(u'ש'), marks(1, u'\u05B8'), marks(1, u'\u05C1'), marks(1, u'\u05BC'),
                      marks(1, u'\u05BD'), marks(1, u'\u05B8'), marks(1, u'\u05B8'), QString(u'ל')}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
    QApplication::sendEvent(edit, &press);
  }
  EXPECT_EQ(edit->text().size(), 1 + kMaxCombiningRun + 1);
  EXPECT_TRUE(edit->text().endsWith(u'ל'));
}

TEST(WordBoxLimit, TheCursorMovesWithWhatIsDropped) {
  int cursor = 11;  // after the marks, before "b"
  EXPECT_EQ(limitTypedText("a" + marks(10) + "b", &cursor), "a" + marks(kMaxCombiningRun) + "b");
  EXPECT_EQ(cursor, 1 + kMaxCombiningRun);
  cursor = 0;
  EXPECT_EQ(limitTypedText(marks(6) + "a", &cursor), marks(kMaxCombiningRun) + "a");
  EXPECT_EQ(cursor, 0);
  // Joiners count as marks; a letter between runs starts a new run.
  EXPECT_EQ(limitTypedText(QString(8, QChar(0x200D)) + "a" + marks(3)), QString(4, QChar(0x200D)) + "a" + marks(3));
}

// --- the window -------------------------------------------------------------

class Services : public DesktopServices {
 public:
  explicit Services(std::string directory) : directory_(std::move(directory)) {}
  std::string programDirectory() override { return directory_; }
  DeviceSettings deviceSettings() override { return {kLanguageRussian, CodePage::Cyrillic1251}; }
  void showMessage(QWidget*, const QString& caption, const QString& text, bool) override {
    messages << caption + " | " + text;
  }
  bool openDocument(const QString&) override { return true; }
  void runAbout(QWidget*) override {}
  void exitProcess(int) override {}
  QStringList messages;

 private:
  std::string directory_;
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

class HostileWindowTest : public ::testing::Test {
 protected:
  void open(const std::string& directory) {
    services_ = std::make_unique<Services>(directory);
    window_ = std::make_unique<MainWindow>(*services_);
    window_->resize(480, 536 + MainWindow::kMenuBarHeight);
    window_->start();
    ASSERT_TRUE(test::showActive(*window_));
    // The first article, by hand rather than after its two seconds.
    window_->dialog().timer(kFirstArticleTimer);
    settle();
  }
  void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  void typeKey(const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
  }
  void TearDown() override {
    window_.reset();
    services_.reset();
  }

  std::unique_ptr<Services> services_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(HostileWindowTest, TheListPaintsOncePerKeystrokeAndLaysEachTextOutOnce) {
  open(ORVA_TEST_PROGRAM_DIR);
  QtListControl& list = window_->list();
  PaintCounter counter(&list);
  ASSERT_EQ(QApplication::focusWidget(), window_->wordBox().widget());
  for (const QString& letter : {QString(u'ש'), QString(u'ל'), QString(u'ו')}) {
    counter.paints = 0;
    typeKey(letter);
    settle();
    EXPECT_EQ(counter.paints, 1) << letter.toStdString();
  }
  // Repainting the same rows lays out no text again.
  const int made = list.layoutsMade();
  EXPECT_GT(made, 0);
  list.repaint();
  list.repaint();
  EXPECT_EQ(list.layoutsMade(), made);
}

// A Hebrew-Russian file whose first record carries a page of hostile markup.
std::vector<uint8_t> hostileHebrewDictionary(const std::string& pipe) {
  test::RawDictionary dict;
  const std::string hostile = "z<img src=\"" + pipe + "\"><body background=\"" + pipe + "\">" +
                              test::u8(repeated(u"<table><tr><td>", 250));
  const std::vector<std::string> words = {"אב", "בית"};
  const std::vector<std::string> russian = {hostile, "\xE4\xE0"};
  uint32_t pos = 0;
  for (uint32_t i = 0; i < 2; ++i) {
    auto record = test::plainRecord({test::cp1255(words[i]), "", "", "", "", russian[i]}, 7001 + i, i);
    test::addSearchEntry(dict.searchIndex, test::cp1255(words[i]), pos);
    test::addListEntry(dict.listIndex, pos);
    test::addIdEntry(dict.idIndex, static_cast<int32_t>(7001 + i), pos);
    pos += static_cast<uint32_t>(record.size());
    dict.records.push_back(record);
  }
  return dict.bytes();
}

TEST_F(HostileWindowTest, AHostileRecordShowsItsTextAndNothingElse) {
  test::TempDir dir;
  const std::string pipe = dir.file("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  test::writeBytes(dir.file("hebrus.dic"), hostileHebrewDictionary(pipe));
  std::filesystem::copy_file(std::string(ORVA_TEST_PROGRAM_DIR) + "/rusheb.dic", dir.file("rusheb.dic"));
  open(dir.path());
  EXPECT_TRUE(services_->messages.isEmpty());
  PageBrowser* browser = window_->articleView()->widget();
  ASSERT_NE(window_->articleView()->shownSource().find(u"<table>"), std::u16string::npos);
  (void)browser->document()->documentLayout()->documentSize();
  EXPECT_EQ(framesBelow(browser->document()->rootFrame()), 0);
  EXPECT_EQ(browser->refusedResources(), 0);  // nothing was even asked for
  EXPECT_TRUE(browser->toPlainText().contains('z'));
}

}  // namespace
}  // namespace orva
