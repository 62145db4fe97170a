// The menu bar: a tool bar built from the menu-bar description. The two
// direction buttons are pressed and released only by the logic, so pressing
// the button already in force runs its whole command again.
#pragma once

#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <map>

#include "ui/platform.h"

namespace orva {

class QtMenuBar : public MenuBar {
 public:
  QtMenuBar(QToolBar* toolBar, std::function<void(uint16_t)> command)
      : toolBar_(toolBar), command_(std::move(command)) {}
  void create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) override;
  void pressButton(uint16_t command, bool pressed) override;
  void destroy() override;
  QToolButton* button(uint16_t command) const;

 private:
  QToolBar* toolBar_;
  std::function<void(uint16_t)> command_;
  std::map<uint16_t, QToolButton*> buttons_;
};

}  // namespace orva
