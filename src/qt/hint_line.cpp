// The hint line binding.
#include "qt/hint_line.h"

#include <QMouseEvent>

#include "qt/qt_text.h"

namespace orva {

QtHintLine::QtHintLine(QWidget* parent) : QLabel(parent) {
  setObjectName("hintLine");
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  setWordWrap(false);
  setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
  setContentsMargins(4, 0, 4, 0);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xDC));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  connect(this, &QLabel::linkActivated, this, [this](const QString& link) {
    bool ok = false;
    const int target = link.toInt(&ok);
    if (ok && follow_) follow_(target);
  });
  connect(this, &QLabel::linkHovered, this, [this](const QString& link) { hovered_ = link; });
  hide();
}

int QtHintLine::lineHeight() const { return fontMetrics().height() + 6; }

void QtHintLine::show(std::span<const HintPiece> pieces) {
  links_.clear();
  hovered_.clear();
  QString html;
  for (const HintPiece& piece : pieces) {
    QString text = toQString(piece.text).toHtmlEscaped();
    if (piece.strong) text = QStringLiteral("<b>") + text + QStringLiteral("</b>");
    if (piece.link >= 0) {
      text = QStringLiteral("<a href=\"%1\">").arg(piece.link) + text + QStringLiteral("</a>");
      links_.push_back(piece.link);
    }
    html += text;
  }
  setText(html);
  setCursor(links_.size() == 1 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  setVisible(!pieces.empty());
}

void QtHintLine::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // A link under the mouse has been followed already.
  if (event->button() == Qt::LeftButton && hovered_.isEmpty() && links_.size() == 1 && follow_)
    follow_(links_.front());
}

}  // namespace orva
