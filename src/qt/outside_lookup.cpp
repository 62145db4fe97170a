// Lookups that come from outside the window.
#include "qt/outside_lookup.h"

#include <QLineEdit>

#include "qt/main_window.h"
#include "qt/qt_text.h"

namespace orva {

QString desktopSelection(const QClipboard& clipboard) {
  if (clipboard.supportsSelection()) {
    const QString selected = clipboard.text(QClipboard::Selection);
    if (!selected.trimmed().isEmpty()) return selected;
  }
  return clipboard.text(QClipboard::Clipboard);
}

void showAndLookUp(MainWindow& window, const InstanceRequest& request) {
  if (window.isMinimized()) {
    window.showNormal();
  } else {
    window.show();
  }
  window.raise();
  window.activateWindow();
  if (request.kind != InstanceRequest::Kind::LookUp || request.word.empty()) return;
  QLineEdit* edit = window.wordBox().widget();
  edit->setFocus(Qt::OtherFocusReason);
  // Emptied first, so that the word the box holds already is looked up
  // again too (the list may have moved away from it since).
  edit->clear();
  edit->setText(toQString(request.word));
  edit->selectAll();
}

}  // namespace orva
