// 4x4 homogeneous matrices of the host. Points are row vectors (p' = p * M)
// and every operation multiplies from the right, so the operation applied
// last acts last on a point. No operation ever produces a NaN.
#include "orv/matrix.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Velkor::Orv {
namespace {

using Rows = double[4][4];
using Basis = std::array<std::array<double, 3>, 3>;

constexpr double kPi = 3.14159265358979323846;
// Below this, the cosine of the Y angle counts as 0: the X and Z axes line up.
constexpr double kGimbalLockCosine = 1e-12;

void SetIdentity(Rows& m) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) m[row][column] = row == column ? 1.0 : 0.0;
  }
}

double Determinant3(const Basis& m) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

double RowLength(const std::array<double, 3>& row) {
  return std::sqrt(row[0] * row[0] + row[1] * row[1] + row[2] * row[2]);
}

std::array<double, 3> Cross(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Angles are given in (-pi, pi]: -pi itself is reported as pi.
double Normalized(double angle) {
  return angle <= -kPi ? kPi : angle;
}

// The rotation part of the upper 3x3: rows scaled to length 1, the mirror
// (a negative determinant, carried by row 0 as GetScale reports it) taken
// out. A single row of length 0 is rebuilt from the other two, which
// determine it; rows that stay 0 leave their angles to the decomposition.
Basis RotationPart(const Rows& m, int& zeroRows) {
  Basis r{};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) r[row][column] = m[row][column];
  }
  const bool mirrored = Determinant3(r) < 0.0;
  zeroRows = 0;
  int zeroRow = -1;
  for (int row = 0; row < 3; ++row) {
    const double length = RowLength(r[row]);
    if (length == 0.0) {
      ++zeroRows;
      zeroRow = row;
      continue;
    }
    const double factor = (mirrored && row == 0) ? -1.0 / length : 1.0 / length;
    for (double& element : r[row]) element *= factor;
  }
  if (zeroRows == 1) {
    r[zeroRow] = Cross(r[(zeroRow + 1) % 3], r[(zeroRow + 2) % 3]);
    zeroRows = 0;
  }
  return r;
}

// The rotation R = Rx(a) * Ry(b) * Rz(c) reads, row by row:
//   ( cb*cc,             cb*sc,             -sb   )
//   ( sa*sb*cc - ca*sc,  sa*sb*sc + ca*cc,  sa*cb )
//   ( ca*sb*cc + sa*sc,  ca*sb*sc - sa*cc,  ca*cb )
std::array<double, 3> DecomposeXYZ(const Basis& r) {
  const double sinB = std::clamp(-r[0][2], -1.0, 1.0);
  const double b = std::asin(sinB);
  if (std::hypot(r[0][0], r[0][1]) > kGimbalLockCosine) {
    return {Normalized(std::atan2(r[1][2], r[2][2])), b, Normalized(std::atan2(r[0][1], r[0][0]))};
  }
  // Gimbal lock: with c = 0 the second row is (sa*sb, ca, 0).
  return {Normalized(std::atan2(sinB * r[1][0], r[1][1])), b, 0.0};
}

// With two rows of length 0 one row is left; it fixes two angles, and the
// one it leaves undefined is 0.
std::array<double, 3> DecomposeFromOneRow(const Basis& r) {
  if (RowLength(r[0]) != 0.0) {  // a undefined: (cb*cc, cb*sc, -sb)
    return {0.0, std::atan2(-r[0][2], std::hypot(r[0][0], r[0][1])), Normalized(std::atan2(r[0][1], r[0][0]))};
  }
  if (RowLength(r[1]) != 0.0) {  // b undefined: (-ca*sc, ca*cc, sa)
    return {std::atan2(r[1][2], std::hypot(r[1][0], r[1][1])), 0.0, Normalized(std::atan2(-r[1][0], r[1][1]))};
  }
  // c undefined: (ca*sb, -sa, ca*cb)
  const double cosA = std::hypot(r[2][0], r[2][2]);
  return {std::atan2(-r[2][1], cosA), cosA == 0.0 ? 0.0 : Normalized(std::atan2(r[2][0], r[2][2])), 0.0};
}

}  // namespace

Matrix::Matrix() noexcept {
  SetIdentity(elements_);
}

Matrix::Matrix(const double (&elements)[4][4]) noexcept {
  std::copy(&elements[0][0], &elements[0][0] + 16, &elements_[0][0]);
}

void Matrix::Scale(const Vector& factors) noexcept {
  Matrix scale;
  scale(0, 0) = factors.x;
  scale(1, 1) = factors.y;
  scale(2, 2) = factors.z;
  *this = *this * scale;
}

void Matrix::RotX(double angle) noexcept {
  Matrix rotation;
  rotation(1, 1) = std::cos(angle);
  rotation(1, 2) = std::sin(angle);
  rotation(2, 1) = -std::sin(angle);
  rotation(2, 2) = std::cos(angle);
  *this = *this * rotation;
}

void Matrix::RotY(double angle) noexcept {
  Matrix rotation;
  rotation(0, 0) = std::cos(angle);
  rotation(0, 2) = -std::sin(angle);
  rotation(2, 0) = std::sin(angle);
  rotation(2, 2) = std::cos(angle);
  *this = *this * rotation;
}

void Matrix::RotZ(double angle) noexcept {
  Matrix rotation;
  rotation(0, 0) = std::cos(angle);
  rotation(0, 1) = std::sin(angle);
  rotation(1, 0) = -std::sin(angle);
  rotation(1, 1) = std::cos(angle);
  *this = *this * rotation;
}

void Matrix::Trans(const Vector& offset) noexcept {
  Matrix translation;
  translation(3, 0) = offset.x;
  translation(3, 1) = offset.y;
  translation(3, 2) = offset.z;
  *this = *this * translation;
}

Matrix Matrix::operator*(const Matrix& right) const noexcept {
  Matrix product;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += elements_[row][k] * right.elements_[k][column];
      product.elements_[row][column] = sum;
    }
  }
  return product;
}

// Gauss-Jordan elimination with partial pivoting. A pivot that is tiny
// against the largest element means the matrix is singular.
bool Matrix::Inverse() noexcept {
  double work[4][4];
  double inverse[4][4];
  std::copy(&elements_[0][0], &elements_[0][0] + 16, &work[0][0]);
  SetIdentity(inverse);
  double largest = 0.0;
  for (const auto& row : work) {
    for (double element : row) largest = std::max(largest, std::fabs(element));
  }
  const double tolerance = largest * 1e-14;
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row) {
      if (std::fabs(work[row][column]) > std::fabs(work[pivot][column])) pivot = row;
    }
    if (largest == 0.0 || std::fabs(work[pivot][column]) <= tolerance) return false;
    std::swap(work[pivot], work[column]);
    std::swap(inverse[pivot], inverse[column]);
    const double factor = 1.0 / work[column][column];
    for (int k = 0; k < 4; ++k) {
      work[column][k] *= factor;
      inverse[column][k] *= factor;
    }
    for (int row = 0; row < 4; ++row) {
      if (row == column) continue;
      const double multiple = work[row][column];
      for (int k = 0; k < 4; ++k) {
        work[row][k] -= multiple * work[column][k];
        inverse[row][k] -= multiple * inverse[column][k];
      }
    }
  }
  std::copy(&inverse[0][0], &inverse[0][0] + 16, &elements_[0][0]);
  return true;
}

double Matrix::GetTranslation(int axis) const noexcept {
  return elements_[3][axis];
}

double Matrix::GetScale(int axis) const noexcept {
  Basis upper{};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) upper[row][column] = elements_[row][column];
  }
  const double length = RowLength(upper[axis]);
  return (axis == 0 && Determinant3(upper) < 0.0) ? -length : length;
}

double Matrix::GetRotationZYX(int axis) const noexcept {
  int zeroRows = 0;
  const Basis rotation = RotationPart(elements_, zeroRows);
  std::array<double, 3> angles{0.0, 0.0, 0.0};
  if (zeroRows == 0) {
    angles = DecomposeXYZ(rotation);
  } else if (zeroRows == 2) {
    angles = DecomposeFromOneRow(rotation);
  }
  return angles[axis];
}

void Matrix::CopyInto(double (&elements)[4][4]) const noexcept {
  std::copy(&elements_[0][0], &elements_[0][0] + 16, &elements[0][0]);
}

NCMCLMatrix::NCMCLMatrix(const Matrix& matrix) noexcept : matrix_(matrix) {}
NCMCLMatrix::~NCMCLMatrix() = default;

}  // namespace Velkor::Orv
