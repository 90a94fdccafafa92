// Dates: a new Date holds the current date and time (from the clock seam).
#pragma once

#include <chrono>
#include <string>

namespace fw {

class Date {
 public:
  Date();  // now
  explicit Date(std::chrono::system_clock::time_point when) : when_(when) {}
  // The system locale's short date and short time formats, in local time.
  std::string ShortDate() const;
  std::string ShortTime() const;
  std::chrono::system_clock::time_point When() const { return when_; }

 private:
  std::chrono::system_clock::time_point when_;
};

}  // namespace fw
