// The About box's layout.
#include "qt/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/program_images.h"
#include "qt/qt_text.h"
#include "qt/ui_translation.h"
#include "ui/resources.h"

namespace orva {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("about");
  setWindowTitle(translated(kAboutTitle));
  setWindowIcon(applicationIcon());
  auto* icon = new QLabel(this);
  icon->setPixmap(applicationIcon().pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  auto* lines = new QVBoxLayout;
  lines->addWidget(new QLabel(toQString(kAboutFirstLine), this));
  lines->addWidget(new QLabel(translated(kAboutSecondLine), this));
  auto* row = new QHBoxLayout(this);
  row->addWidget(icon);
  row->addLayout(lines);
  row->setContentsMargins(16, 16, 24, 16);
  row->setSpacing(12);
}

}  // namespace orva
