// The on-screen keyboard as the desktop's input method; on a desktop without
// a virtual keyboard it is simply never up.
#pragma once

#include "ui/platform.h"

namespace orva {

class QtKeyboard : public OnScreenKeyboard {
 public:
  bool isUp() const override;
  void lower() override;
};

}  // namespace orva
