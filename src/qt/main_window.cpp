// The main window on Qt 6 Widgets.
#include "qt/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/qt_text.h"
#include "store/program_directory.h"

// The images are compiled into this library; a static library must ask for
// them to be registered.
static void registerImages() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)registered;
}

namespace orva {

// --- desktop services -------------------------------------------------------

std::string DesktopServices::programDirectory() { return orva::programDirectory(); }

DeviceSettings DesktopServices::deviceSettings() { return readDeviceSettings(); }

void DesktopServices::showMessage(QWidget* owner, const QString& caption, const QString& text, bool error) {
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

bool DesktopServices::openDocument(const QString& path) {
  return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopServices::runAbout(QWidget*) {
  AboutDialog about;  // no parent, as the About box always had
  about.exec();
}

void DesktopServices::exitProcess(int exitCode) { QCoreApplication::exit(exitCode); }

QIcon applicationIcon() {
  registerImages();
  return QIcon(QStringLiteral(":/orva/orva.ico"));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("about");
  setWindowTitle(toQString(kAboutTitle));
  setWindowIcon(applicationIcon());
  auto* icon = new QLabel(this);
  icon->setPixmap(applicationIcon().pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  auto* lines = new QVBoxLayout;
  lines->addWidget(new QLabel(toQString(kAboutFirstLine), this));
  lines->addWidget(new QLabel(toQString(kAboutSecondLine), this));
  auto* row = new QHBoxLayout(this);
  row->addWidget(icon);
  row->addLayout(lines);
  row->setContentsMargins(16, 16, 24, 16);
  row->setSpacing(12);
}

// --- menu bar ---------------------------------------------------------------

namespace {

QPixmap directionImage(int index) {
  registerImages();
  QImage strip(QStringLiteral(":/orva/directions.bmp"));
  strip = strip.convertToFormat(QImage::Format_ARGB32);
  // Light grey is the bitmap's transparent colour.
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < strip.width(); ++x)
      if ((strip.pixel(x, y) & 0xFFFFFF) == 0xC0C0C0) strip.setPixel(x, y, 0);
  return QPixmap::fromImage(strip.copy(index * kDirectionImageSize, 0, kDirectionImageSize, kDirectionImageSize));
}

}  // namespace

void QtMenuBar::create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) {
  toolBar_->clear();
  buttons_.clear();
  for (const MenuBarButton& button : description.buttons) {
    if (button.isSeparator()) {
      toolBar_->addSeparator();
      continue;
    }
    auto* tool = new QToolButton(toolBar_);
    tool->setFocusPolicy(Qt::NoFocus);
    if (button.isDropDown()) {
      tool->setText(toQString(loadString(button.captionString).value_or(u"")));
      tool->setObjectName(tool->text());
      tool->setPopupMode(QToolButton::InstantPopup);
      tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
      auto* menu = new QMenu(tool);
      if (button.submenu < kMenu.size()) {
        for (const MenuItem& item : kMenu[button.submenu].items) {
          QAction* action = menu->addAction(toQString(item.text));
          const uint16_t command = item.command;
          QObject::connect(action, &QAction::triggered, tool, [this, command] { command_(command); });
        }
      }
      tool->setMenu(menu);
    } else {
      const int image = button.image;
      tool->setIcon(QIcon(directionImage(image)));
      if (image >= 0 && static_cast<size_t>(image) < tooltips.size()) tool->setToolTip(toQString(tooltips[image]));
      tool->setObjectName(tool->toolTip());
      tool->setCheckable(true);
      tool->setChecked(button.pressed());
      const uint16_t command = button.command;
      QObject::connect(tool, &QToolButton::clicked, tool, [this, command] { command_(command); });
      buttons_[command] = tool;
    }
    toolBar_->addWidget(tool);
  }
}

void QtMenuBar::pressButton(uint16_t command, bool pressed) {
  if (QToolButton* tool = button(command)) tool->setChecked(pressed);
}

void QtMenuBar::destroy() {
  buttons_.clear();
  toolBar_->clear();
}

QToolButton* QtMenuBar::button(uint16_t command) const {
  const auto it = buttons_.find(command);
  return it == buttons_.end() ? nullptr : it->second;
}

// --- timers and keyboard ----------------------------------------------------

void QtTimers::start(uint32_t id, uint32_t periodMs) {
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(owner_);
    QObject::connect(timer, &QTimer::timeout, owner_, [this, id] { fire_(id); });
  }
  timer->start(static_cast<int>(periodMs));  // a running timer restarts
}

void QtTimers::stop(uint32_t id) {
  const auto it = timers_.find(id);
  if (it != timers_.end()) it->second->stop();
}

void QtTimers::stopAll() {
  for (auto& [id, timer] : timers_) timer->stop();
}

int QtTimers::interval(uint32_t id) const {
  const auto it = timers_.find(id);
  return it != timers_.end() && it->second->isActive() ? it->second->interval() : -1;
}

bool QtKeyboard::isUp() const { return QGuiApplication::inputMethod()->isVisible(); }

void QtKeyboard::lower() { QGuiApplication::inputMethod()->hide(); }

// --- the window -------------------------------------------------------------

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
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  timers_->stopAll();
}

void MainWindow::start() { dialog_->start(); }

bool MainWindow::ownsWidget(QObject* object) const {
  const auto* widget = qobject_cast<const QWidget*>(object);
  return widget != nullptr && (widget == this || isAncestorOf(widget));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The key filter sees every key for the window and its children before
  // they are delivered. A Qt key press is both the key-down and the
  // character of the original.
  if (event->type() != QEvent::KeyPress || !ownsWidget(watched)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  uint32_t code;
  switch (key->key()) {
    case Qt::Key_Escape: code = VK_ESCAPE; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: code = VK_RETURN; break;
    default: code = static_cast<uint32_t>(key->key()) & 0xFFFF; break;
  }
  if (code == 0) code = 0xFF;
  if (dialog_->filterKey(WM_KEYDOWN, code)) return true;
  if (!key->text().isEmpty()) {
    uint32_t character = key->text().at(0).unicode();
    if (dialog_->filterKey(WM_CHAR, character)) return true;
    // A character typed into the list goes to the word box, where the
    // logic has given the focus and selected the text it replaces.
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (watched == list_ && !shortcut && key->text().at(0).isPrint() &&
        dialog_->redirectTypingToWordBox(static_cast<char16_t>(character))) {
      QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                      static_cast<quint16>(key->count()));
      QCoreApplication::sendEvent(wordBox_->widget(), &typed);
      return true;
    }
  }
  if (key->key() == Qt::Key_F1) {
    dialog_->helpRequest();
    return true;
  }
  return false;
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
  return *view_;
}

void MainWindow::moveArticleView(const Rect& rect) {
  if (view_) view_->widget()->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

void MainWindow::destroyArticleView() { view_.reset(); }

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
