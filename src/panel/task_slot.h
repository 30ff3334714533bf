#pragma once
// The panel's single background task slot: one task at a time on a worker
// thread, its continuation handed back through a future and run later on
// the window thread, with a shared cancel flag per task.
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace notch::quick {

class QuickPanel;

// Runs on the window thread with the panel; captures values only.
using Continuation = std::function<void(QuickPanel&)>;
using CancelFlag = std::shared_ptr<std::atomic<bool>>;
// Runs on the worker thread: the blocking system work, then what to do with
// its result.
using TaskBody = std::function<Continuation(const std::atomic<bool>& cancelled)>;

// Starts a job on a worker thread. The program's launcher starts a detached
// thread with COM initialised; tests hold jobs and run them when they choose.
class TaskLauncher {
 public:
  virtual ~TaskLauncher() = default;
  virtual void Launch(std::function<void()> job) = 0;
};

class TaskSlot {
 public:
  // `finished` runs on the worker after the result is stored (the program
  // posts WM_APP + 1 to the panel); `fallback` replaces the continuation of
  // a task that threw.
  TaskSlot(TaskLauncher& launcher, std::function<void()> finished, Continuation fallback);

  // False, starting nothing, while a task is outstanding or `refuse` holds
  // (a pending radio-access request counts as outstanding).
  bool Start(TaskBody body, bool refuse = false);

  bool Outstanding() const;  // a task whose result has not been taken
  bool Idle() const { return !Outstanding(); }
  // Sets the current task's cancel flag: its continuation will be dropped.
  void Cancel();

  struct Finished {
    Continuation then;
    bool cancelled = false;
  };
  // The finished task's continuation, clearing the slot; nothing while the
  // task runs or when the slot is empty.
  std::optional<Finished> TakeFinished();

 private:
  TaskLauncher& launcher_;
  std::function<void()> finished_;
  Continuation fallback_;
  std::future<Continuation> future_;
  CancelFlag cancel_;
};

}  // namespace notch::quick
