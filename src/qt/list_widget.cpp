// The headword list binding.
#include "qt/list_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "qt/qt_text.h"
#include "qt/readable_colours.h"
#include "ui/display_order.h"

namespace orva {

namespace {

constexpr int kBorder = 1;

QColor colourOf(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The rows' canvas: a painter on the list widget. The logic's white rows
// and black text, and its white text on the highlight, are drawn in the
// palette's colours, each text readable on its row.
class PainterCanvas : public RowCanvas {
 public:
  PainterCanvas(QPainter& painter, QtListControl& list)
      : painter_(painter), list_(list), colours_(listColours(list.palette())) {}

  Rect rowRect(int row) const override {
    const QRect r = list_.rowRect(row);
    return {r.x(), r.y(), r.width(), r.height()};
  }
  int textWidth(std::u16string_view text, bool visualOrder) override {
    const QString shownText = shown(text, visualOrder);
    return widthOf(list_.rowLayout(shownText, rightToLeft(shownText, visualOrder)));
  }
  uint32_t highlightColour() const override {
    return list_.palette().color(QPalette::Active, QPalette::Highlight).rgb() & 0xFFFFFF;
  }
  void fill(const Rect& rect, uint32_t colour) override {
    if (colour == kWhite)
      background_ = colours_.row;
    else if (colour == highlightColour())
      background_ = colours_.selectedRow;
    else
      background_ = colourOf(colour);
    painter_.fillRect(QRect(rect.x, rect.y, rect.width, rect.height), background_);
  }
  void drawText(const Rect& clip, int left, std::u16string_view text, uint32_t colour, bool visualOrder) override {
    const QString shownText = shown(text, visualOrder);
    const QTextLayout& layout = list_.rowLayout(shownText, rightToLeft(shownText, visualOrder));
    painter_.save();
    painter_.setClipRect(QRect(clip.x, clip.y, clip.width, clip.height));
    const QColor pen = textColour(colour);
    list_.notePaintedText(pen, background_);
    painter_.setPen(pen);
    const qreal lineHeight = layout.lineCount() > 0 ? layout.lineAt(0).height() : 0;
    layout.draw(&painter_, QPointF(left, clip.y + (clip.height - lineHeight) / 2));
    painter_.restore();
  }

 private:
  static QString shown(std::u16string_view text, bool visualOrder) {
    return visualOrder ? toQString(visualOrderForDisplay(text)) : toQString(text);
  }
  // Logical Hebrew is laid out right to left; visual order is forced left
  // to right by its override.
  static bool rightToLeft(const QString& shownText, bool visualOrder) {
    return !visualOrder && shownText.isRightToLeft();
  }
  static int widthOf(const QTextLayout& layout) {
    return layout.lineCount() > 0 ? qRound(layout.lineAt(0).naturalTextWidth()) : 0;
  }

  // Text drawn over the row the last fill painted.
  QColor textColour(uint32_t colour) const {
    QColor wanted = colourOf(colour);
    if (colour == kBlack) wanted = colours_.rowText;
    if (colour == kWhite) wanted = background_ == colours_.selectedRow ? colours_.selectedRowText : QColor(Qt::white);
    return readableOn(wanted, background_);
  }

  QPainter& painter_;
  QtListControl& list_;
  ListColours colours_;
  QColor background_;
};

}  // namespace

QtListControl::QtListControl(QWidget* parent) : QWidget(parent), bar_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName("headwordList");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  bar_->setFocusPolicy(Qt::NoFocus);
  bar_->setTracking(true);
  bar_->setEnabled(false);
  connect(bar_, &QScrollBar::actionTriggered, this, &QtListControl::barAction);
  connect(bar_, &QScrollBar::sliderReleased, this, [this] {
    if (list_ == nullptr) return;
    info_.trackPos = bar_->sliderPosition();
    list_->scroll(ScrollRequest::ThumbPosition);
    list_->scroll(ScrollRequest::EndScroll);
  });
}

void QtListControl::connectTo(HeadwordList& list, CommandSink& sink) {
  list_ = &list;
  sink_ = &sink;
}

int QtListControl::rowHeight() const { return fontMetrics().height() + 2; }

QRect QtListControl::rowsArea() const {
  return QRect(kBorder, kBorder, std::max(0, width() - 2 * kBorder - bar_->sizeHint().width()),
               std::max(0, height() - 2 * kBorder));
}

QRect QtListControl::rowRect(int row) const {
  const QRect area = rowsArea();
  return QRect(area.x(), area.y() + row * rowHeight(), area.width(), rowHeight());
}

const QTextLayout& QtListControl::rowLayout(const QString& text, bool rightToLeft) {
  const QString key = (rightToLeft ? QChar(u'R') : QChar(u'L')) + text;
  if (const auto it = layouts_.constFind(key); it != layouts_.constEnd()) return **it;
  if (layouts_.size() >= kMaxRowLayouts) layouts_.clear();
  auto layout = std::make_shared<QTextLayout>(text, font());
  // Left at x 0 whatever the direction; one line, never wrapped.
  QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  layout->setTextOption(option);
  layout->setCacheEnabled(true);  // keep the shaped glyphs for drawing
  layout->beginLayout();
  QTextLine line = layout->createLine();
  if (line.isValid()) {
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, 0));
  }
  layout->endLayout();
  ++layoutsMade_;
  return *layouts_.insert(key, std::move(layout)).value();
}

void QtListControl::changeEvent(QEvent* event) {
  // Layouts hold the font they were made in.
  if (event->type() == QEvent::FontChange) layouts_.clear();
  QWidget::changeEvent(event);
}

void QtListControl::move(const Rect& rect) {
  const int inner = std::max(0, rect.height - 2 * kBorder);
  const int height = inner / rowHeight() * rowHeight() + 2 * kBorder;
  setGeometry(rect.x, rect.y, rect.width, std::max(height, 2 * kBorder));
}

void QtListControl::resizeEvent(QResizeEvent*) {
  const int barWidth = bar_->sizeHint().width();
  bar_->setGeometry(width() - kBorder - barWidth, kBorder, barWidth, std::max(0, height() - 2 * kBorder));
}

void QtListControl::resetContent() {
  data_.clear();
  selection_ = -1;
  update();
}

void QtListControl::addRow() { data_.push_back(0); }

void QtListControl::setItemData(int row, uint32_t data) {
  if (row >= 0 && row < rows()) data_[static_cast<size_t>(row)] = data;
}

uint32_t QtListControl::itemData(int row) const {
  return row >= 0 && row < rows() ? data_[static_cast<size_t>(row)] : 0;
}

void QtListControl::setSelection(int row) {
  selection_ = row >= 0 && row < rows() ? row : -1;
  update();
}

void QtListControl::setScrollInfo(const ScrollInfo& info) {
  info_ = info;
  updateBar();
}

void QtListControl::updateBar() {
  // The bar's range is that of the top entry: 0 to entries - page.
  const int64_t entries = int64_t{info_.max} - info_.min + 1;
  const int64_t lastTop = entries - static_cast<int64_t>(info_.page);
  const bool scrollable = info_.page > 0 && info_.pos >= 0 && lastTop > 0;
  updatingBar_ = true;
  const QSignalBlocker blocker(bar_);
  if (scrollable) {
    bar_->setRange(0, static_cast<int>(std::min<int64_t>(lastTop, std::numeric_limits<int>::max())));
    bar_->setPageStep(static_cast<int>(info_.page));
    bar_->setSingleStep(1);
    bar_->setValue(info_.pos);
    bar_->setSliderPosition(info_.pos);
  } else {
    bar_->setRange(0, 0);
  }
  bar_->setEnabled(scrollable);
  updatingBar_ = false;
}

void QtListControl::barAction(int action) {
  if (list_ == nullptr || updatingBar_) return;
  ScrollRequest request;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: request = ScrollRequest::LineDown; break;
    case QAbstractSlider::SliderSingleStepSub: request = ScrollRequest::LineUp; break;
    case QAbstractSlider::SliderPageStepAdd: request = ScrollRequest::PageDown; break;
    case QAbstractSlider::SliderPageStepSub: request = ScrollRequest::PageUp; break;
    case QAbstractSlider::SliderToMinimum: request = ScrollRequest::Top; break;
    case QAbstractSlider::SliderToMaximum: request = ScrollRequest::Bottom; break;
    case QAbstractSlider::SliderMove:
      request = ScrollRequest::ThumbTrack;
      info_.trackPos = bar_->sliderPosition();
      break;
    default: return;
  }
  // The bar has moved its slider already; the list decides where it ends.
  list_->scroll(request);
  const QSignalBlocker blocker(bar_);
  bar_->setSliderPosition(std::max(0, info_.pos));
}

void QtListControl::notePaintedText(const QColor& text, const QColor& background) {
  const auto pair = std::make_pair(text.rgb(), background.rgb());
  if (std::find(paintedText_.begin(), paintedText_.end(), pair) == paintedText_.end()) paintedText_.push_back(pair);
}

void QtListControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintedText_.clear();
  // The control's own painting: a border and empty rows.
  painter.fillRect(rect(), listColours(palette()).row);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (list_ != nullptr) {
    PainterCanvas canvas(painter, *this);
    list_->paint(canvas);
  }
}

void QtListControl::keyPressEvent(QKeyEvent* event) {
  if (list_ == nullptr) return;
  uint32_t key = 0;
  switch (event->key()) {
    case Qt::Key_PageUp: key = VK_PRIOR; break;
    case Qt::Key_PageDown: key = VK_NEXT; break;
    case Qt::Key_End: key = VK_END; break;
    case Qt::Key_Home: key = VK_HOME; break;
    case Qt::Key_Left: key = VK_LEFT; break;
    case Qt::Key_Up: key = VK_UP; break;
    case Qt::Key_Right: key = VK_RIGHT; break;
    case Qt::Key_Down: key = VK_DOWN; break;
    default: key = 0xFF; break;  // any other key: the list consumes it
  }
  list_->keyDown(key);
  event->accept();
}

void QtListControl::mousePressEvent(QMouseEvent* event) {
  // The focus has arrived before the press (its notification first), as a
  // tap on the list box did.
  if (list_ == nullptr || event->button() != Qt::LeftButton) return;
  const int y = static_cast<int>(event->position().y()) - rowsArea().y();
  if (y < 0 || !rowsArea().contains(event->position().toPoint())) return;
  list_->tap(y / rowHeight());
}

void QtListControl::wheelEvent(QWheelEvent* event) {
  if (list_ == nullptr) return;
  const int notches = event->angleDelta().y() / 120;
  for (int i = 0; i < std::abs(notches) * 3; ++i)
    list_->scroll(notches > 0 ? ScrollRequest::LineUp : ScrollRequest::LineDown);
  event->accept();
}

void QtListControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (sink_ != nullptr) sink_->command(LBN_SETFOCUS, IDC_HEADWORD_LIST);
}

}  // namespace orva
