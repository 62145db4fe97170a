// The word box: a QLineEdit that shows and takes logical text. In the
// Hebrew-Russian direction on a device whose language is not Hebrew the
// logic works in visual order, as the original word box held it; the
// binding converts at its edge so that typing Hebrew works naturally.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <functional>

#include "ui/platform.h"

namespace orva {

class QtWordBox : public QObject, public WordBox {
  Q_OBJECT

 public:
  explicit QtWordBox(QWidget* parent);

  // Where focus and change notifications go, and whether the logic's text
  // is in visual order at the moment.
  void connectTo(CommandSink& sink, std::function<bool()> visualOrder);

  std::u16string text() const override;
  void setText(std::u16string_view text) override;
  void selectAll() override { edit_->selectAll(); }
  void setRightAligned(bool right) override;
  void setFocus() override { edit_->setFocus(Qt::OtherFocusReason); }
  void move(const Rect& rect) override { edit_->setGeometry(rect.x, rect.y, rect.width, rect.height); }

  QLineEdit* widget() const { return edit_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  CommandSink* sink_ = nullptr;
  std::function<bool()> visualOrder_;
};

}  // namespace orva
