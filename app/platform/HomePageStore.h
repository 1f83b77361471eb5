#pragma once
#include <string>

namespace qorvane {

// The browser home page that the exit dialog may set ("Start Page" of the
// group Software/Microsoft/Internet Explorer/Main).
class HomePageStore {
 public:
  virtual ~HomePageStore() = default;
  // The stored address, or "" when there is none or it cannot be read.
  virtual std::string ReadStartPage() = 0;
  // Stores the address; throws std::runtime_error when that fails.
  virtual void WriteStartPage(const std::string& address) = 0;
};

}  // namespace qorvane
