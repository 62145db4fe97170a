// The About box: the product and version, a second line and the icon; no
// buttons (the close button or Escape dismiss it).
#pragma once

#include <QDialog>

namespace orva {

class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace orva
