#pragma once
// Runs a test body on a fresh worker thread in the multithreaded apartment,
// where the program awaits Windows Runtime operations.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "winrt/activation_win.h"

namespace notch::testing {

template <class Body>
void OnMultithreadedWorker(Body body) {
  std::thread worker([&body] {
    const winrt::MultithreadedApartment apartment;
    ASSERT_TRUE(SUCCEEDED(apartment.status()));
    body();
  });
  worker.join();
}

}  // namespace notch::testing
