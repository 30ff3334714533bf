#pragma once
// Scripted radios, Bluetooth devices, pairing operations and tethering
// managers for the back ends' tests; waits advance a virtual clock.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "system/bluetooth.h"
#include "system/hotspot.h"
#include "system/pairing.h"
#include "system/radios.h"

namespace notch::testing {

struct FakeRadio {
  radios::RadioKind kind = radios::RadioKind::Bluetooth;
  std::int32_t state = radios::kStateOn;
  std::int32_t set_answer = radios::kAccessAllowed;
};

struct FakeRadios final : radios::RadioSource {
  std::vector<FakeRadio> radios;
  bool fails = false;
  std::vector<std::pair<std::size_t, bool>> sets;  // (index, on) per SetState

  struct List final : radios::RadioList {
    FakeRadios& owner;
    explicit List(FakeRadios& o) : owner(o) {}
    std::size_t Count() const override { return owner.radios.size(); }
    radios::RadioKind Kind(std::size_t i) override { return owner.radios[i].kind; }
    std::int32_t State(std::size_t i) override { return owner.radios[i].state; }
    std::int32_t SetState(std::size_t i, bool on) override {
      owner.sets.emplace_back(i, on);
      if (owner.radios[i].set_answer == radios::kAccessAllowed) {
        owner.radios[i].state = on ? radios::kStateOn : radios::kStateOff;
      }
      return owner.radios[i].set_answer;
    }
  };
  std::unique_ptr<radios::RadioList> Radios() override {
    if (fails) throw radios::RadioError("Class not registered");
    return std::make_unique<List>(*this);
  }
};

inline bluetooth::Device Dev(std::wstring name, bool paired, bool can_pair = true,
                             std::optional<bool> present = std::nullopt, std::optional<bool> connected = std::nullopt) {
  bluetooth::Device d;
  d.name = std::move(name);
  d.paired = paired;
  d.can_pair = can_pair;
  d.present = present;
  d.connected = connected;
  return d;
}

struct FakeDevices final : bluetooth::DeviceSource {
  std::vector<bluetooth::Device> devices;
  bool finishes = true;
  std::wstring selector;
  std::vector<std::wstring> properties;
  std::uint32_t waited_ms = 0;
  bool cancelled = false;
  int queries = 0;

  struct Query final : bluetooth::DeviceQuery {
    FakeDevices& owner;
    explicit Query(FakeDevices& o) : owner(o) {}
    bool Wait(std::uint32_t ms) override {
      owner.waited_ms = ms;
      return owner.finishes;
    }
    void Cancel() override { owner.cancelled = true; }
    std::vector<bluetooth::Device> Results() override { return owner.devices; }
  };
  bool search_fails = false;  // as Wine's search with a kind
  std::unique_ptr<bluetooth::DeviceQuery> FindAll(const std::wstring& s, const std::vector<std::wstring>& p) override {
    ++queries;
    if (search_fails) throw radios::RadioError("Not implemented.");
    selector = s;
    properties = p;
    return std::make_unique<Query>(*this);
  }
};

// A pacer whose sleeps advance the time; `on_sleep` runs after each one.
struct FakePacer final : bluetooth::Pacer {
  std::uint64_t now = 1000;
  int sleeps = 0;
  std::function<void(int)> on_sleep;
  std::uint64_t NowMs() override { return now; }
  void Sleep(int ms) override {
    now += static_cast<std::uint64_t>(ms);
    ++sleeps;
    if (on_sleep) on_sleep(sleeps);
  }
};

struct FakeRequest final : bluetooth::PairingRequest {
  std::int32_t kind = bluetooth::kConfirmOnly;
  std::wstring pin;
  int accepts = 0;
  std::optional<std::wstring> accepted_pin;
  bool completed = false;
  std::int32_t Kind() override { return kind; }
  std::wstring Pin() override { return pin; }
  void Accept() override { ++accepts; }
  void Accept(const std::wstring& p) override {
    ++accepts;
    accepted_pin = p;
  }
  void Complete() override { completed = true; }
};

// A pairing that stays started until told; its handler can be raised.
struct FakePairing final : bluetooth::PairingSource {
  bool start_fails = false;
  std::int32_t kinds = 0;
  bluetooth::RequestHandler handler;
  bluetooth::PairingOperation::Status status = bluetooth::PairingOperation::Status::Started;
  std::int32_t result = bluetooth::kPaired;
  bool cancelled = false;
  bool unregistered = false;
  // Runs at every poll of the operation's progress, with the poll number.
  std::function<void(int)> on_poll;
  int polls = 0;

  struct Operation final : bluetooth::PairingOperation {
    FakePairing& owner;
    explicit Operation(FakePairing& o) : owner(o) {}
    Status Progress() override {
      ++owner.polls;
      if (owner.on_poll) owner.on_poll(owner.polls);
      return owner.status;
    }
    void Cancel() override {
      owner.cancelled = true;
      owner.status = Status::Canceled;
    }
    std::int32_t ResultStatus() override { return owner.result; }
    void Unregister() override { owner.unregistered = true; }
  };
  std::unique_ptr<bluetooth::PairingOperation> StartPairing(const bluetooth::Device&, std::int32_t k,
                                                            bluetooth::RequestHandler h) override {
    if (start_fails) return nullptr;
    kinds = k;
    handler = std::move(h);
    return std::make_unique<Operation>(*this);
  }
};

struct FakeManager final : hotspot::TetheringManager {
  std::int32_t operational = hotspot::kOperationalOff;
  std::int32_t clients = 0, max_clients = 8;
  std::wstring ssid = L"Tembo-AP";
  std::int32_t switch_status = 0;
  bool read_fails = false;
  std::vector<bool>* switches = nullptr;
  std::int32_t OperationalState() override {
    if (read_fails) throw hotspot::TetheringError("read");
    return operational;
  }
  std::int32_t ClientCount() override { return clients; }
  std::int32_t MaxClientCount() override { return max_clients; }
  std::wstring Ssid() override { return ssid; }
  bool switch_throws = false;
  std::int32_t Switch(bool on) override {
    if (switch_throws) throw hotspot::TetheringError("The RPC server is unavailable.");
    if (switches) switches->push_back(on);
    if (switch_status == 0 || switch_status == 9) operational = on ? hotspot::kOperationalOn : hotspot::kOperationalOff;
    return switch_status;
  }
};

struct FakeTethering final : hotspot::TetheringSource {
  hotspot::Profile internet = std::make_shared<int>(1);
  std::vector<hotspot::ListedProfile> listed;
  std::int32_t capability = 0;
  bool fails = false;
  bool no_manager = false;
  FakeManager manager;  // the state the created managers share
  std::vector<bool> switches;
  hotspot::Profile capability_asked;

  hotspot::Profile InternetProfile() override {
    if (fails) throw hotspot::TetheringError("Class not registered");
    return internet;
  }
  std::vector<hotspot::ListedProfile> ConnectionProfiles() override { return listed; }
  std::int32_t Capability(const hotspot::Profile& p) override {
    capability_asked = p;
    return capability;
  }
  struct Shared final : hotspot::TetheringManager {
    FakeTethering& owner;
    explicit Shared(FakeTethering& o) : owner(o) {}
    std::int32_t OperationalState() override { return owner.manager.OperationalState(); }
    std::int32_t ClientCount() override { return owner.manager.ClientCount(); }
    std::int32_t MaxClientCount() override { return owner.manager.MaxClientCount(); }
    std::wstring Ssid() override { return owner.manager.Ssid(); }
    std::int32_t Switch(bool on) override {
      owner.switches.push_back(on);
      return owner.manager.Switch(on);
    }
  };
  std::unique_ptr<hotspot::TetheringManager> CreateManager(const hotspot::Profile&) override {
    if (no_manager) return nullptr;
    return std::make_unique<Shared>(*this);
  }
};

}  // namespace notch::testing
