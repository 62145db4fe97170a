// The hint line on Qt: a one-line label between the list and the article
// viewer. Links lead to headwords; a hint with a single headword (the lemma
// of a form) follows it on a click anywhere on the line. It is drawn in the
// desktop's hint colours, its text and links readable on them.
#pragma once

#include <QLabel>
#include <functional>
#include <vector>

#include "ui/hint_line.h"

namespace orva {

class QtHintLine : public QLabel, public HintLine {
  Q_OBJECT

 public:
  explicit QtHintLine(QWidget* parent);

  // Where a followed link goes: the number of the hint's target.
  void connectTo(std::function<void(int)> follow) { follow_ = std::move(follow); }

  // HintLine
  void show(std::span<const HintPiece> pieces) override;
  void move(const Rect& rect) override { setGeometry(rect.x, rect.y, rect.width, rect.height); }
  int lineHeight() const override;

  // The links shown, in order, by the number of their target.
  const std::vector<int>& links() const { return links_; }

  // The line's colours on the current palette.
  struct Colours {
    QColor background;
    QColor text;
    QColor link;
  };
  Colours colours() const;
  // Takes the colours of the desktop's palette again, after it changed.
  void followPalette();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void applyColours();

  std::function<void(int)> follow_;
  std::vector<int> links_;
  QString hovered_;
};

}  // namespace orva
