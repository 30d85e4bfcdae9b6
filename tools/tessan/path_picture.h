// The picture of a tool path: the moves projected on the machine's XY plane
// (its first two geometry axes) as an SVG drawing, rapid moves dashed, feed
// moves solid, arcs in that plane as arcs, feed moves across it (drillings)
// as dots. The path is written to a
// temporary file as the run goes, so a long program costs no memory; the
// drawing, fitted to the path with a margin, is put together at the end.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "orvref/interpreter.h"

namespace Velkor::Tessan {

class PathPicture {
 public:
  // The channel indices of the geometry axes; the third may be -1.
  explicit PathPicture(const std::array<std::int32_t, 3>& geometry);
  ~PathPicture();
  PathPicture(const PathPicture&) = delete;
  PathPicture& operator=(const PathPicture&) = delete;

  // False when no temporary file can be made.
  bool Open();
  void Add(const OrvReference::Move& move);
  // The same bytes for the same moves.
  bool Write(const std::string& path) const;

 private:
  struct Point {
    double x;
    double y;
  };

  void Include(Point point);
  void StartSegment(bool rapid, Point from);
  void AddArc(const OrvReference::Move& move, Point from, Point to);
  void AddDot(Point at);
  OrvReference::Point3 Geometry(const std::vector<double>& position) const;

  std::array<std::int32_t, 3> geometry_;
  std::FILE* segments_ = nullptr;
  bool empty_ = true;
  bool rapid_ = false;
  bool pathOpen_ = false;
  Point last_{0.0, 0.0};
  Point low_{0.0, 0.0};
  Point high_{0.0, 0.0};
};

}  // namespace Velkor::Tessan
