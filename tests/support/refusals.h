// Calls the library must refuse with std::out_of_range, each with what its
// message must name.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <stdexcept>
#include <string>

namespace quillet::testing {

struct Refusal {
  std::function<void()> call;
  const char* named;  // the argument as the message names it
};

inline void ExpectRefusals(std::span<const Refusal> refusals) {
  for (const Refusal& refusal : refusals) {
    try {
      refusal.call();
      ADD_FAILURE() << "no exception for " << refusal.named;
    } catch (const std::out_of_range& error) {
      EXPECT_NE(std::string{error.what()}.find(refusal.named),
                std::string::npos)
          << error.what();
    }
  }
}

}  // namespace quillet::testing
