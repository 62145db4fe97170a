// Building the menu bar's buttons and drop-down menus.
#include "qt/menu_bar.h"

#include <QMenu>

#include "qt/program_images.h"
#include "qt/qt_text.h"
#include "qt/ui_translation.h"
#include "ui/resources.h"

namespace orva {

void QtMenuBar::create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) {
  toolBar_->clear();
  buttons_.clear();
  for (const MenuBarButton& button : description.buttons) {
    if (button.isSeparator()) {
      toolBar_->addSeparator();
      continue;
    }
    auto* tool = new QToolButton(toolBar_);
    tool->setFocusPolicy(Qt::NoFocus);
    if (button.isDropDown()) {
      const std::u16string_view caption = loadString(button.captionString).value_or(u"");
      tool->setText(translated(caption));
      tool->setObjectName(toQString(caption));  // the same in every language
      tool->setPopupMode(QToolButton::InstantPopup);
      tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
      auto* menu = new QMenu(tool);
      if (button.submenu < kMenu.size()) {
        for (const MenuItem& item : kMenu[button.submenu].items) {
          QAction* action = menu->addAction(translated(item.text));
          const uint16_t command = item.command;
          QObject::connect(action, &QAction::triggered, tool, [this, command] { command_(command); });
        }
      }
      tool->setMenu(menu);
    } else {
      const int image = button.image;
      tool->setIcon(QIcon(directionImage(image)));
      if (image >= 0 && static_cast<size_t>(image) < tooltips.size()) {
        tool->setToolTip(translated(tooltips[image]));
        tool->setObjectName(toQString(tooltips[image]));  // the same in every language
      }
      tool->setCheckable(true);
      tool->setChecked(button.pressed());
      const uint16_t command = button.command;
      QObject::connect(tool, &QToolButton::clicked, tool, [this, command] { command_(command); });
      buttons_[command] = tool;
    }
    toolBar_->addWidget(tool);
  }
}

void QtMenuBar::pressButton(uint16_t command, bool pressed) {
  if (QToolButton* tool = button(command)) tool->setChecked(pressed);
}

void QtMenuBar::destroy() {
  buttons_.clear();
  toolBar_->clear();
}

QToolButton* QtMenuBar::button(uint16_t command) const {
  const auto it = buttons_.find(command);
  return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace orva
