// The main window on Qt 6 Widgets.
#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>

#include "qt/qt_text.h"
#include "qt/window_geometry.h"

namespace orva {

MainWindow::MainWindow(DesktopServices& services, QWidget* parent)
    : QDialog(parent, Qt::Window), services_(services), toolBar_(new QToolBar(this)) {
  setObjectName("mainWindow");
  wordBox_ = new QtWordBox(this);
  list_ = new QtListControl(this);
  hintLine_ = new QtHintLine(this);
  toolBar_->setObjectName("menuBar");
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  scaleIcons();
  timers_ = std::make_unique<QtTimers>(this, [this](uint32_t id) { dialog_->timer(id); });
  menuBar_ = std::make_unique<QtMenuBar>(toolBar_, [this](uint16_t id) { dialog_->command(0, id); });
  dialog_ = std::make_unique<MainDialog>(
      WindowPlatform{*this, *wordBox_, *list_, *menuBar_, *timers_, keyboard_, *hintLine_});
  wordBox_->connectTo(*dialog_, [this] {
    return dialog_->direction() == Direction::HebrewRussian && !dialog_->device().isHebrew();
  });
  list_->connectTo(dialog_->headwordList(), *dialog_);
  hintLine_->connectTo([this](int link) { dialog_->followHint(link); });
  keyFilter_ = std::make_unique<WindowKeyFilter>(this, *dialog_, list_, wordBox_->widget());
  qApp->installEventFilter(keyFilter_.get());
  shortcuts_ = std::make_unique<WindowShortcuts>(this, *dialog_, [this] { return view_ ? view_->widget() : nullptr; });
  const auto zoomKey = [this](const QKeySequence& keys, void (MainWindow::*action)()) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  zoomKey(QKeySequence::ZoomIn, &MainWindow::zoomIn);
  zoomKey(QKeySequence(Qt::CTRL | Qt::Key_Equal), &MainWindow::zoomIn);  // the plus key unshifted
  zoomKey(QKeySequence::ZoomOut, &MainWindow::zoomOut);
  zoomKey(QKeySequence(Qt::CTRL | Qt::Key_0), &MainWindow::resetZoom);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(keyFilter_.get());
  timers_->stopAll();
}

void MainWindow::start() {
  dialog_->start();
  WindowShortcuts::showInTooltip(menuBar_->button(IDM_RUSSIAN_HEBREW), WindowShortcuts::russianHebrew());
  WindowShortcuts::showInTooltip(menuBar_->button(IDM_HEBREW_RUSSIAN), WindowShortcuts::hebrewRussian());
}

int MainWindow::menuBarHeight() const { return std::max(kMenuBarHeight, toolBar_->sizeHint().height()); }

QSize MainWindow::wishedSize() const { return {480, 536 + menuBarHeight()}; }

QSize MainWindow::smallestSize() const { return {240, 268 + menuBarHeight()}; }

void MainWindow::fitToScreen() {
  const QScreen* screen = this->screen();
  const QSize smallest = smallestSize();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), wishedSize());
  setMinimumSize(smallest.boundedTo(available.size()));
  setGeometry(fittedWindowGeometry(available, wishedSize(), smallest));
}

void MainWindow::zoomIn() {
  zoom_.zoomIn();
  applyZoom();
}

void MainWindow::zoomOut() {
  zoom_.zoomOut();
  applyZoom();
}

void MainWindow::resetZoom() {
  zoom_.reset();
  applyZoom();
}

void MainWindow::applyZoom() {
  const QFont desktop = QApplication::font();
  list_->setFont(zoom_.apply(desktop));
  if (view_) view_->widget()->setFont(zoom_.apply(desktop));
  if (dialog_->started()) dialog_->resize(clientSize());
}

void MainWindow::scaleIcons() {
  const int factor = std::max(1, QFontMetrics(QApplication::font()).height() / (kDirectionImageSize + 4));
  toolBar_->setIconSize(QSize(kDirectionImageSize * factor, kDirectionImageSize * factor));
}

void MainWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // A new desktop palette: the hint line, which sets colours of its own,
  // takes them from it again.
  if (event->type() == QEvent::PaletteChange) hintLine_->followPalette();
  // A new desktop font: the zoom starts from it.
  if (event->type() == QEvent::ApplicationFontChange) {
    scaleIcons();
    applyZoom();
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  toolBar_->setGeometry(0, height() - menuBarHeight(), width(), menuBarHeight());
  dialog_->resize(clientSize());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window manager's close button is the system's close message.
  if (dialog_->started() && !dialog_->destroyed()) dialog_->close();
  event->accept();
}

std::string MainWindow::programDirectory() const { return services_.programDirectory(); }

DeviceSettings MainWindow::deviceSettings() const { return services_.deviceSettings(); }

void MainWindow::setTitle(std::u16string_view title) { setWindowTitle(toQString(title)); }

void MainWindow::setIcon() { setWindowIcon(applicationIcon()); }

void MainWindow::centre() {
  // Centred, and kept inside the screen with room for the frame.
  if (const QScreen* screen = this->screen()) move(fittedWindowGeometry(screen->availableGeometry(), size(), size()).topLeft());
}

Size MainWindow::clientSize() const { return {width(), std::max(0, height() - menuBarHeight())}; }

ArticleView& MainWindow::createArticleView(const Rect& rect) {
  view_ = std::make_unique<QtArticleView>(this, !dialog_->device().isHebrew());
  view_->widget()->setFont(zoom_.apply(QApplication::font()));
  moveArticleView(rect);
  view_->widget()->show();
  keyFilter_->setArticle(view_->widget());
  return *view_;
}

void MainWindow::moveArticleView(const Rect& rect) {
  if (view_) view_->widget()->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

void MainWindow::destroyArticleView() {
  keyFilter_->setArticle(nullptr);
  view_.reset();
}

void MainWindow::showMessage(std::u16string_view caption, std::u16string_view text) {
  services_.showMessage(this, toQString(caption), toQString(text), caption == kErrorCaption);
}

bool MainWindow::openDocument(const std::string& path) { return services_.openDocument(QString::fromStdString(path)); }

void MainWindow::runAbout() { services_.runAbout(this); }

void MainWindow::destroyAndExit(int exitCode) {
  timers_->stopAll();
  hide();
  services_.exitProcess(exitCode);
}

}  // namespace orva
