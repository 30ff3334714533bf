#pragma once
// A scripted HttpTransport: each (host, path) gets a prepared answer, every
// other request fails to connect. Reads can move a ManualClock, so that slow
// bodies are tested without waiting. A hook per host runs before each answer
// from it, so that a test can change the world mid-request or hold a worker
// there. Safe to share between worker threads.
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "lyrics/http_client.h"
#include "lyrics/http_transport.h"

namespace notch::testing {

struct FakeHttpAnswer {
  int status = 200;
  std::optional<std::wstring> retry_after;  // the Retry-After header, when sent
  std::string body;
  std::size_t bytes_per_read = kHttpReadBytes;
  double ms_per_read = 0;   // how far each read moves the clock
  bool read_error = false;  // the read after the body fails instead of ending it
};

class FakeHttpTransport final : public HttpTransport {
 public:
  // Without a clock, reads take no time.
  explicit FakeHttpTransport(ManualClock* clock = nullptr) : clock_(clock) {}

  void Script(std::wstring host, std::wstring path, FakeHttpAnswer answer) {
    std::lock_guard lock(mutex_);
    answers_[{std::move(host), std::move(path)}] = std::move(answer);
  }

  // Runs on the sending thread, with the transport unlocked.
  void BeforeAnswer(std::wstring host, std::function<void()> hook) {
    std::lock_guard lock(mutex_);
    hooks_[std::move(host)] = std::move(hook);
  }

  // Every request sent so far, in order.
  std::vector<HttpRequest> requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

  // Responses handed out and not yet destroyed (their handles still open).
  int open_responses() const {
    std::lock_guard lock(mutex_);
    return open_responses_;
  }

  std::unique_ptr<HttpResponse> Send(const HttpRequest& request) override {
    std::function<void()> hook;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
      if (const auto found = hooks_.find(request.host); found != hooks_.end()) hook = found->second;
    }
    if (hook) hook();
    std::lock_guard lock(mutex_);
    const auto found = answers_.find({request.host, request.path});
    if (found == answers_.end()) return nullptr;
    ++open_responses_;
    return std::make_unique<Response>(*this, found->second);
  }

 private:
  class Response final : public HttpResponse {
   public:
    Response(FakeHttpTransport& transport, FakeHttpAnswer answer) : transport_(transport), answer_(std::move(answer)) {}
    ~Response() override {
      std::lock_guard lock(transport_.mutex_);
      --transport_.open_responses_;
    }
    int Status() const override { return answer_.status; }
    std::optional<std::wstring> RetryAfter() override { return answer_.retry_after; }
    std::optional<std::size_t> Read(std::span<char> buffer) override {
      if (transport_.clock_ != nullptr) transport_.clock_->Advance(answer_.ms_per_read);
      const std::size_t count = std::min({answer_.bytes_per_read, buffer.size(), answer_.body.size() - position_});
      if (count == 0 && answer_.read_error) return std::nullopt;
      std::memcpy(buffer.data(), answer_.body.data() + position_, count);
      position_ += count;
      return count;
    }

   private:
    FakeHttpTransport& transport_;
    FakeHttpAnswer answer_;
    std::size_t position_ = 0;
  };

  ManualClock* clock_;
  mutable std::mutex mutex_;
  std::map<std::pair<std::wstring, std::wstring>, FakeHttpAnswer> answers_;
  std::map<std::wstring, std::function<void()>> hooks_;
  std::vector<HttpRequest> requests_;
  int open_responses_ = 0;
};

}  // namespace notch::testing
