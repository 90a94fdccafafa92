// Dates: now from the clock seam, shown in the system locale's short formats.
#include "framework/date.h"

#include <QDateTime>
#include <QLocale>
#include <functional>
#include <utility>

#include "framework/seams.h"

namespace fw {
namespace {

// Leaked, so that a Date made while the process winds down still finds it.
std::function<std::chrono::system_clock::time_point()>& Clock() {
  static auto* clock = new std::function<std::chrono::system_clock::time_point()>;
  return *clock;
}

QDateTime LocalDateTime(std::chrono::system_clock::time_point when) {
  // Floor, not truncation, so that an instant before 1970 keeps its second.
  const auto ms = std::chrono::floor<std::chrono::milliseconds>(when).time_since_epoch().count();
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
}

}  // namespace

Date::Date() : when_(Clock() ? Clock()() : std::chrono::system_clock::now()) {}

std::string Date::ShortDate() const {
  return QLocale::system()
      .toString(LocalDateTime(when_).date(), QLocale::ShortFormat)
      .toStdString();
}

std::string Date::ShortTime() const {
  return QLocale::system()
      .toString(LocalDateTime(when_).time(), QLocale::ShortFormat)
      .toStdString();
}

namespace seams {

void SetClock(std::function<std::chrono::system_clock::time_point()> now) {
  Clock() = std::move(now);
}

}  // namespace seams
}  // namespace fw
