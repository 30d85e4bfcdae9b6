#include "path_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace Velkor::Tessan {
namespace {

using OrvReference::Move;
using OrvReference::Point3;

constexpr double kPi = std::numbers::pi;
// The larger side of the picture, in pixels.
constexpr double kPictureSize = 800.0;
// An arc whose normal is this close to the Z axis is drawn as an arc.
constexpr double kFlat = 1e-9;

// Fixed decimals, the same bytes for the same number; never "-0.000".
std::string Number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string_view view(text);
  if (view == "-0.000") view.remove_prefix(1);
  return std::string(view);
}

// The angle from `start` to `angle` in the direction of travel, in [0, 2π).
double AngleTravelled(double start, double angle, bool counterClockwise) {
  double travelled = std::fmod(counterClockwise ? angle - start : start - angle, 2.0 * kPi);
  if (travelled < 0.0) travelled += 2.0 * kPi;
  return travelled;
}

// `point` turned about the unit axis `axis` through `centre` by `angle`.
Point3 Turned(const Point3& point, const Point3& centre, const Point3& axis, double angle) {
  const Point3 v{point[0] - centre[0], point[1] - centre[1], point[2] - centre[2]};
  const double c = std::cos(angle), s = std::sin(angle);
  const double dot = axis[0] * v[0] + axis[1] * v[1] + axis[2] * v[2];
  const Point3 cross{axis[1] * v[2] - axis[2] * v[1], axis[2] * v[0] - axis[0] * v[2], axis[0] * v[1] - axis[1] * v[0]};
  Point3 turned;
  for (std::size_t k = 0; k < 3; ++k) turned[k] = centre[k] + v[k] * c + cross[k] * s + axis[k] * dot * (1.0 - c);
  return turned;
}

}  // namespace

PathPicture::PathPicture(const std::array<std::int32_t, 3>& geometry) : geometry_(geometry) {}

Point3 PathPicture::Geometry(const std::vector<double>& position) const {
  Point3 point{};
  for (std::size_t k = 0; k < 3; ++k) {
    if (geometry_[k] >= 0) point[k] = position[static_cast<std::size_t>(geometry_[k])];
  }
  return point;
}

PathPicture::~PathPicture() {
  if (segments_) std::fclose(segments_);
}

bool PathPicture::Open() {
  segments_ = std::tmpfile();
  return segments_ != nullptr;
}

void PathPicture::Include(Point point) {
  if (empty_) {
    low_ = high_ = point;
    empty_ = false;
    return;
  }
  low_ = {std::min(low_.x, point.x), std::min(low_.y, point.y)};
  high_ = {std::max(high_.x, point.x), std::max(high_.y, point.y)};
}

// Y points up in the machine and down in SVG: every y is written negated.
void PathPicture::StartSegment(bool rapid, Point from) {
  if (pathOpen_ && rapid == rapid_ && from.x == last_.x && from.y == last_.y) return;
  if (pathOpen_) std::fputs("\"/>\n", segments_);
  std::fprintf(segments_, "<path class=\"%s\" d=\"M%s %s", rapid ? "rapid" : "feed", Number(from.x).c_str(),
               Number(-from.y).c_str());
  pathOpen_ = true;
  rapid_ = rapid;
  Include(from);
}

void PathPicture::Add(const Move& move) {
  const Point3 start = Geometry(move.from), end = Geometry(move.to);
  const Point from{start[0], start[1]};
  const Point to{end[0], end[1]};
  if (move.kind != Move::Kind::kArc && from.x == to.x && from.y == to.y) {
    // A feed move across the plane (a drilling) shows as a dot.
    if (move.kind == Move::Kind::kLinear && start[2] != end[2]) AddDot(to);
    return;
  }
  StartSegment(move.kind == Move::Kind::kRapid, from);
  if (move.kind == Move::Kind::kArc) {
    AddArc(move, from, to);
  } else {
    std::fprintf(segments_, " L%s %s", Number(to.x).c_str(), Number(-to.y).c_str());
    Include(to);
  }
  last_ = to;
}

void PathPicture::AddDot(Point at) {
  if (pathOpen_) std::fputs("\"/>\n", segments_);
  pathOpen_ = false;
  std::fprintf(segments_, "<use href=\"#dot\" x=\"%s\" y=\"%s\"/>\n", Number(at.x).c_str(), Number(-at.y).c_str());
  Include(at);
}

void PathPicture::AddArc(const Move& move, Point from, Point to) {
  const Point centre{move.centre[0], move.centre[1]};
  if (std::abs(std::abs(move.normal[2]) - 1.0) > kFlat) {
    // Not in the XY plane: its projection, as a line through points of it.
    const Point3 start = Geometry(move.from), end = Geometry(move.to);
    double rise = 0.0;
    for (std::size_t k = 0; k < 3; ++k) rise += (end[k] - start[k]) * move.normal[k];
    const int steps = std::max(8, static_cast<int>(std::ceil(std::abs(move.sweep) / (kPi / 36.0))));
    for (int step = 1; step <= steps; ++step) {
      const double part = static_cast<double>(step) / steps;
      Point3 point = Turned(start, move.centre, move.normal, move.sweep * part);
      for (std::size_t k = 0; k < 3; ++k) point[k] += move.normal[k] * rise * part;
      const Point onPath = step == steps ? to : Point{point[0], point[1]};
      std::fprintf(segments_, " L%s %s", Number(onPath.x).c_str(), Number(-onPath.y).c_str());
      Include(onPath);
    }
    return;
  }
  const bool counterClockwise = (move.sweep > 0.0) == (move.normal[2] > 0.0);
  const double radius = std::hypot(from.x - centre.x, from.y - centre.y);
  const double start = std::atan2(from.y - centre.y, from.x - centre.x);
  const double sweep = std::abs(move.sweep);
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double angle = quarter * kPi / 2.0;
    if (AngleTravelled(start, angle, counterClockwise) <= sweep) {
      Include({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
  }
  Include(to);
  // With y written negated the picture shows the plane as seen from +Z, and
  // a counter-clockwise arc turns toward negative SVG angles: sweep flag 0.
  // A full circle is drawn as two halves.
  const std::string r = Number(radius);
  const int flag = counterClockwise ? 0 : 1;
  if (sweep > 2.0 * kPi - 1e-9) {
    const Point opposite{2.0 * centre.x - from.x, 2.0 * centre.y - from.y};
    std::fprintf(segments_, " A%s %s 0 0 %d %s %s", r.c_str(), r.c_str(), flag, Number(opposite.x).c_str(),
                 Number(-opposite.y).c_str());
  }
  std::fprintf(segments_, " A%s %s 0 %d %d %s %s", r.c_str(), r.c_str(), sweep > kPi ? 1 : 0, flag,
               Number(to.x).c_str(), Number(-to.y).c_str());
}

bool PathPicture::Write(const std::string& path) const {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  Point low = low_, high = high_;
  if (empty_) low = high = {0.0, 0.0};
  const double extent = std::max({high.x - low.x, high.y - low.y, 10.0});
  const double margin = extent * 0.05;
  const double width = high.x - low.x + 2.0 * margin, height = high.y - low.y + 2.0 * margin;
  const double scale = kPictureSize / std::max(width, height);
  const double stroke = extent * 0.002;
  std::fprintf(out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  std::fprintf(out,
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" viewBox=\"%s %s %s %s\">\n",
               std::ceil(width * scale), std::ceil(height * scale), Number(low.x - margin).c_str(),
               Number(-high.y - margin).c_str(), Number(width).c_str(), Number(height).c_str());
  std::fprintf(out,
               "<style>path{fill:none;stroke-width:%s;stroke-linejoin:round}"
               ".feed{stroke:#1565c0}.rapid{stroke:#c62828;stroke-dasharray:%s %s}</style>\n",
               Number(stroke).c_str(), Number(4.0 * stroke).c_str(), Number(3.0 * stroke).c_str());
  std::fprintf(out, "<defs><circle id=\"dot\" r=\"%s\" fill=\"#1565c0\"/></defs>\n", Number(2.5 * stroke).c_str());
  std::fprintf(out, "<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" fill=\"white\"/>\n",
               Number(low.x - margin).c_str(), Number(-high.y - margin).c_str(), Number(width).c_str(),
               Number(height).c_str());
  bool copied = true;
  if (segments_) {
    std::fflush(segments_);
    std::rewind(segments_);
    char buffer[1 << 16];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, segments_)) > 0;) {
      copied = std::fwrite(buffer, 1, read, out) == read && copied;
    }
    copied = !std::ferror(segments_) && copied;
    std::fseek(segments_, 0, SEEK_END);
  }
  if (pathOpen_) std::fputs("\"/>\n", out);
  std::fputs("</svg>\n", out);
  return std::fclose(out) == 0 && copied;
}

}  // namespace Velkor::Tessan
