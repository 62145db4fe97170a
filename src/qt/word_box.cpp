// The word box binding.
#include "qt/word_box.h"

#include <QEvent>

#include "qt/qt_text.h"
#include "qt/typed_text_limit.h"
#include "text/display_text.h"

namespace orva {

QtWordBox::QtWordBox(QWidget* parent) : QObject(parent), edit_(new QLineEdit(parent)) {
  edit_->setObjectName("wordBox");
  edit_->installEventFilter(this);
  // Whatever reaches the box, typed, pasted or written by the logic, is cut
  // to what a lookup can use.
  edit_->setValidator(new TypedTextLimit(edit_));
  setRightAligned(true);  // the start direction
  QObject::connect(edit_, &QLineEdit::textChanged, this, [this] {
    if (sink_ != nullptr) sink_->command(EN_CHANGE, IDC_WORD_EDIT);
  });
}

void QtWordBox::connectTo(CommandSink& sink, std::function<bool()> visualOrder) {
  sink_ = &sink;
  visualOrder_ = std::move(visualOrder);
}

std::u16string QtWordBox::text() const {
  std::u16string text = toU16(edit_->text());
  if (visualOrder_ && visualOrder_()) ToVisualOrder(text);
  return text;
}

void QtWordBox::setText(std::u16string_view text) {
  std::u16string logical(text);
  // Visual order is its own inverse: reversing and mirroring again gives
  // back the logical text.
  if (visualOrder_ && visualOrder_()) ToVisualOrder(logical);
  edit_->setText(toQString(logical));
}

void QtWordBox::setRightAligned(bool right) {
  // AlignAbsolute: plain AlignRight would flip for right-to-left text.
  edit_->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter);
}

bool QtWordBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::FocusIn && sink_ != nullptr)
    sink_->command(EN_SETFOCUS, IDC_WORD_EDIT);
  return false;
}

}  // namespace orva
