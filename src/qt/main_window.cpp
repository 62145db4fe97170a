// The main window on Qt 6 Widgets.
#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "qt/qt_text.h"

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
  toolBar_->setIconSize(QSize(kDirectionImageSize, kDirectionImageSize));
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

void MainWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  toolBar_->setGeometry(0, height() - kMenuBarHeight, width(), kMenuBarHeight);
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
  if (const QScreen* screen = this->screen()) {
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

Size MainWindow::clientSize() const { return {width(), std::max(0, height() - kMenuBarHeight)}; }

ArticleView& MainWindow::createArticleView(const Rect& rect) {
  view_ = std::make_unique<QtArticleView>(this, !dialog_->device().isHebrew());
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
