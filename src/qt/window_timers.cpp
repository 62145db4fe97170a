// Starting and stopping the window's timers.
#include "qt/window_timers.h"

namespace orva {

void QtTimers::start(uint32_t id, uint32_t periodMs) {
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(owner_);
    QObject::connect(timer, &QTimer::timeout, owner_, [this, id] { fire_(id); });
  }
  timer->start(static_cast<int>(periodMs));  // a running timer restarts
}

void QtTimers::stop(uint32_t id) {
  const auto it = timers_.find(id);
  if (it != timers_.end()) it->second->stop();
}

void QtTimers::stopAll() {
  for (auto& [id, timer] : timers_) timer->stop();
}

int QtTimers::interval(uint32_t id) const {
  const auto it = timers_.find(id);
  return it != timers_.end() && it->second->isActive() ? it->second->interval() : -1;
}

}  // namespace orva
