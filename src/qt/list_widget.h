// The headword list on screen: a widget that paints the rows itself and a
// QScrollBar with the full 32-bit range, page and tracking position. The
// rows and the scroll state live here; the logic reads and writes them.
// A row text is laid out once and drawn from the layout while it stays on
// screen, so that text no font can show costs its fallback search once, and
// every repaint the logic asks for is folded into one paint.
#pragma once

#include <QHash>
#include <QScrollBar>
#include <QString>
#include <QTextLayout>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ui/headword_list.h"
#include "ui/platform.h"

namespace orva {

class QtListControl : public QWidget, public ListControl {
  Q_OBJECT

 public:
  explicit QtListControl(QWidget* parent);

  // The logic that handles this list's keys, scroll requests, taps and
  // paints, and where its focus notification goes.
  void connectTo(HeadwordList& list, CommandSink& sink);

  // ListControl
  void resetContent() override;
  void addRow() override;
  int rows() const override { return static_cast<int>(data_.size()); }
  void setItemData(int row, uint32_t data) override;
  uint32_t itemData(int row) const override;
  void setSelection(int row) override;
  int selection() const override { return selection_; }
  int clientHeight() const override { return rowsArea().height(); }
  int rowHeight() const override;
  ScrollInfo scrollInfo() const override { return info_; }
  void setScrollInfo(const ScrollInfo& info) override;
  // The next paint shows the new rows; several requests before it make one
  // paint.
  void repaintNow() override { update(); }
  void setLocale(uint32_t) override {}
  void setFocus() override { QWidget::setFocus(Qt::OtherFocusReason); }
  // Takes the rectangle the layout gives, cut to whole rows so that every
  // visible row is a filled row.
  void move(const Rect& rect) override;

  QScrollBar* scrollBar() const { return bar_; }
  // The rectangle of row r in this widget's coordinates.
  QRect rowRect(int row) const;

  // The single-line layout of a row text in the list's font, laid out once.
  const QTextLayout& rowLayout(const QString& text, bool rightToLeft);
  // How many row texts have been laid out so far.
  int layoutsMade() const { return layoutsMade_; }
  // The text colours the last paint drew, each with its row's background,
  // as RGB values; every pair once.
  const std::vector<std::pair<QRgb, QRgb>>& paintedText() const { return paintedText_; }
  void notePaintedText(const QColor& text, const QColor& background);
  // Row layouts kept at most; beyond that the cache starts afresh.
  static constexpr int kMaxRowLayouts = 128;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QRect rowsArea() const;
  void barAction(int action);
  void updateBar();

  QScrollBar* bar_;
  HeadwordList* list_ = nullptr;
  CommandSink* sink_ = nullptr;
  std::vector<uint32_t> data_;
  int selection_ = -1;
  ScrollInfo info_{0, 0, 0, -1, 0};
  bool updatingBar_ = false;
  QHash<QString, std::shared_ptr<QTextLayout>> layouts_;  // by direction mark and text
  int layoutsMade_ = 0;
  std::vector<std::pair<QRgb, QRgb>> paintedText_;
};

}  // namespace orva
