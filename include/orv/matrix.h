// Host engine: 4x4 homogeneous matrices. Points are row vectors (p' = p * M);
// every operation multiplies from the right (M becomes M * Op), so the
// operation applied last acts last on a point.
#pragma once

#include "orv/values.h"

namespace Velkor::Orv {

struct Vector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

class ORV_API Matrix {
 public:
  Matrix() noexcept;  // the identity
  explicit Matrix(const double (&elements)[4][4]) noexcept;

  void Scale(const Vector& factors) noexcept;
  // Angles in radians, counter-clockwise seen from the positive axis.
  void RotX(double angle) noexcept;
  void RotY(double angle) noexcept;
  void RotZ(double angle) noexcept;
  void Trans(const Vector& offset) noexcept;

  Matrix operator*(const Matrix& right) const noexcept;
  // Replaces the matrix by its inverse; a singular matrix is left unchanged
  // and reported with false.
  bool Inverse() noexcept;

  double GetTranslation(int axis) const noexcept;
  // Length of row `axis` of the upper 3x3; negative for axis 0 when its
  // determinant is negative.
  double GetScale(int axis) const noexcept;
  // Rotation about X, then Y, then Z (radians) for axis 0, 1, 2.
  double GetRotationZYX(int axis) const noexcept;

  void CopyInto(double (&elements)[4][4]) const noexcept;
  double operator()(int row, int column) const noexcept { return elements_[row][column]; }
  double& operator()(int row, int column) noexcept { return elements_[row][column]; }

 private:
  double elements_[4][4];
};

// A matrix as a host object, carried by a reference value of basic type Object.
class ORV_API NCMCLMatrix : public INCObject {
 public:
  explicit NCMCLMatrix(const Matrix& matrix) noexcept;
  ~NCMCLMatrix() override;
  const Matrix& GetMatrix() const noexcept { return matrix_; }

 private:
  Matrix matrix_;
};

}  // namespace Velkor::Orv
