#include "panel/task_slot.h"

#include <chrono>
#include <utility>

namespace notch::quick {

TaskSlot::TaskSlot(TaskLauncher& launcher, std::function<void()> finished, Continuation fallback)
    : launcher_(launcher), finished_(std::move(finished)), fallback_(std::move(fallback)) {}

bool TaskSlot::Outstanding() const { return future_.valid(); }

bool TaskSlot::Start(TaskBody body, bool refuse) {
  if (refuse || Outstanding()) return false;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  auto promise = std::make_shared<std::promise<Continuation>>();
  future_ = promise->get_future();
  launcher_.Launch([promise, body = std::move(body), cancel = cancel_, fallback = fallback_, finished = finished_] {
    Continuation then;
    try {
      then = body(*cancel);
    } catch (...) {
      then = fallback;
    }
    promise->set_value(std::move(then));
    if (finished) finished();
  });
  return true;
}

void TaskSlot::Cancel() {
  if (cancel_) cancel_->store(true);
}

std::optional<TaskSlot::Finished> TaskSlot::TakeFinished() {
  if (!future_.valid() || future_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return std::nullopt;
  Finished finished;
  finished.then = future_.get();
  finished.cancelled = cancel_ && cancel_->load();
  cancel_.reset();
  return finished;
}

}  // namespace notch::quick
