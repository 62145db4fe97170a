// Window timers on QTimer; each fires MainDialog's timer handler.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>

#include "ui/platform.h"

namespace orva {

class QtTimers : public Timers {
 public:
  QtTimers(QObject* owner, std::function<void(uint32_t)> fire) : owner_(owner), fire_(std::move(fire)) {}
  void start(uint32_t id, uint32_t periodMs) override;
  void stop(uint32_t id) override;
  void stopAll();
  int interval(uint32_t id) const;

 private:
  QObject* owner_;
  std::function<void(uint32_t)> fire_;
  std::map<uint32_t, QTimer*> timers_;
};

}  // namespace orva
