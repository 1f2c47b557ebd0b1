// Where a form writes: standard output or standard error in the program, a
// string in the tests.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quillet::lunar_cli {

class Output {
 public:
  virtual ~Output() = default;
  virtual void Write(std::string_view text) = 0;
  // Passes on what is held back, where anything is.
  virtual void Flush() {}
};

// Standard output could not be written: status 1 and this line on standard
// error.
struct WriteError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// The reader of standard output has gone away (a closed pipe): the program
// ends quietly.
struct ReaderGone {};

class StringOutput final : public Output {
 public:
  void Write(std::string_view text) override { text_.append(text); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace quillet::lunar_cli
