#include "Units.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace zuvexaclient {

namespace {

bool IsDigit(char letter) { return std::isdigit(static_cast<unsigned char>(letter)) != 0; }

// The factor of a suffix, 0 for one that is not a unit.
double ScaleOf(std::string_view suffix) {
  if (suffix.empty()) return 1.0;
  if (suffix == "k") return 1e3;
  if (suffix == "M") return 1e6;
  if (suffix == "G") return 1e9;
  return 0.0;
}

} // namespace

std::optional<double> ParseScaled(std::string_view text) {
  const std::size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  // A digit, or a point before one, must open the number: no inf, nan or
  // spaces, which from_chars would take or the sign would hide.
  const std::string_view body = text.substr(start);
  if (body.empty() || !(IsDigit(body[0]) || (body[0] == '.' && body.size() > 1 && IsDigit(body[1]))))
    return std::nullopt;
  if (text[0] == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  const double scale = ScaleOf(text.substr(static_cast<std::size_t>(end - text.data())));
  if (scale == 0.0 || !std::isfinite(value * scale)) return std::nullopt;
  return value * scale;
}

} // namespace zuvexaclient
