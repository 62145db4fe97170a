// The hint line binding.
#include "qt/hint_line.h"

#include <QMouseEvent>
#include <QApplication>

#include "qt/qt_text.h"
#include "qt/readable_colours.h"
#include "qt/ui_translation.h"

namespace orva {

QtHintLine::QtHintLine(QWidget* parent) : QLabel(parent) {
  setObjectName("hintLine");
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  setWordWrap(false);
  setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
  setContentsMargins(4, 0, 4, 0);
  // The desktop's hint colours: a tooltip's background, text and links.
  setAutoFillBackground(true);
  applyColours();
  connect(this, &QLabel::linkActivated, this, [this](const QString& link) {
    bool ok = false;
    const int target = link.toInt(&ok);
    if (ok && follow_) follow_(target);
  });
  connect(this, &QLabel::linkHovered, this, [this](const QString& link) { hovered_ = link; });
  hide();
}

int QtHintLine::lineHeight() const { return fontMetrics().height() + 6; }

QtHintLine::Colours QtHintLine::colours() const {
  // From the desktop's palette, not from the one this line sets itself.
  const QPalette desktop = QApplication::palette(this);
  Colours colours;
  colours.background = desktop.color(QPalette::ToolTipBase);
  colours.text = readableOn(desktop.color(QPalette::ToolTipText), colours.background);
  colours.link = readableOn(desktop.color(QPalette::Link), colours.background);
  return colours;
}

void QtHintLine::applyColours() {
  const Colours shown = colours();
  QPalette own = palette();
  if (own.color(QPalette::Window) == shown.background && own.color(QPalette::WindowText) == shown.text &&
      own.color(QPalette::Link) == shown.link)
    return;  // also ends the change event that setting them causes
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    own.setColor(group, QPalette::Window, shown.background);
    own.setColor(group, QPalette::WindowText, shown.text);
    own.setColor(group, QPalette::Link, shown.link);
  }
  setPalette(own);
}

void QtHintLine::show(std::span<const HintPiece> pieces) {
  links_.clear();
  hovered_.clear();
  QString html;
  for (const HintPiece& piece : pieces) {
    QString text = (piece.link < 0 && !piece.strong ? translatedHintPiece(piece.text) : toQString(piece.text)).toHtmlEscaped();
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

void QtHintLine::followPalette() {
  applyColours();
  // Rich text keeps the link colour it was laid out with.
  if (!text().isEmpty()) {
    const QString shown = text();
    setText(QString());
    setText(shown);
  }
}

void QtHintLine::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // A link under the mouse has been followed already.
  if (event->button() == Qt::LeftButton && hovered_.isEmpty() && links_.size() == 1 && follow_)
    follow_(links_.front());
}

}  // namespace orva
