// The host matrix conventions: row vectors, operations multiplied from the
// right, and the decomposition into translation, scale, mirror and X-Y-Z
// rotation angles, including gimbal lock and zero scales.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "orv/matrix.h"

namespace Velkor::Orv {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;

std::array<double, 3> Apply(const Matrix& m, double x, double y, double z) {
  const double p[4] = {x, y, z, 1.0};
  std::array<double, 3> result{};
  for (int column = 0; column < 3; ++column) {
    for (int k = 0; k < 4; ++k) result[column] += p[k] * m(k, column);
  }
  return result;
}

void ExpectPoint(const std::array<double, 3>& actual, double x, double y, double z) {
  EXPECT_NEAR(actual[0], x, 1e-12);
  EXPECT_NEAR(actual[1], y, 1e-12);
  EXPECT_NEAR(actual[2], z, 1e-12);
}

void ExpectSameMatrix(const Matrix& a, const Matrix& b) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) EXPECT_NEAR(a(row, column), b(row, column), 1e-12) << row << column;
  }
}

void ExpectAngles(const Matrix& m, double a, double b, double c) {
  EXPECT_NEAR(m.GetRotationZYX(0), a, 1e-12);
  EXPECT_NEAR(m.GetRotationZYX(1), b, 1e-12);
  EXPECT_NEAR(m.GetRotationZYX(2), c, 1e-12);
}

Matrix RotationXYZ(double a, double b, double c) {
  Matrix m;
  m.RotX(a);
  m.RotY(b);
  m.RotZ(c);
  return m;
}

TEST(HostMatrix, RotationsTurnCounterClockwiseSeenFromThePositiveAxis) {
  Matrix z;
  z.RotZ(kPi / 2);
  ExpectPoint(Apply(z, 1, 0, 0), 0, 1, 0);
  Matrix x;
  x.RotX(kPi / 2);
  ExpectPoint(Apply(x, 0, 1, 0), 0, 0, 1);
  Matrix y;
  y.RotY(kPi / 2);
  ExpectPoint(Apply(y, 0, 0, 1), 1, 0, 0);
}

TEST(HostMatrix, TheOperationAppliedLastActsLastOnAPoint) {
  Matrix frame;
  frame.Scale({2, 3, 4});
  frame.Trans({10, 20, 30});
  ExpectPoint(Apply(frame, 1, 1, 1), 12, 23, 34);

  Matrix turnAboutNewOrigin;
  turnAboutNewOrigin.Trans({10, 0, 0});
  turnAboutNewOrigin.RotZ(kPi / 2);
  ExpectPoint(Apply(turnAboutNewOrigin, 0, 0, 0), 0, 10, 0);

  Matrix a;
  a.Trans({10, 0, 0});
  Matrix b;
  b.RotZ(kPi / 2);
  ExpectPoint(Apply(a * b, 0, 0, 0), 0, 10, 0);
  ExpectPoint(Apply(b * a, 0, 0, 0), 10, 0, 0);
}

TEST(HostMatrix, TranslationAndScaleAreReadBack) {
  Matrix m;
  m.Scale({2, 3, 4});
  m.RotZ(30 * kDegree);
  m.Trans({5, -6, 7});
  EXPECT_DOUBLE_EQ(m.GetTranslation(0), 5);
  EXPECT_DOUBLE_EQ(m.GetTranslation(1), -6);
  EXPECT_DOUBLE_EQ(m.GetTranslation(2), 7);
  EXPECT_NEAR(m.GetScale(0), 2, 1e-12);
  EXPECT_NEAR(m.GetScale(1), 3, 1e-12);
  EXPECT_NEAR(m.GetScale(2), 4, 1e-12);
  ExpectAngles(m, 0, 0, 30 * kDegree);
}

TEST(HostMatrix, AMirrorShowsAsANegativeFirstScale) {
  Matrix mirrorX;
  mirrorX.Scale({-2, 1, 1});
  mirrorX.RotZ(30 * kDegree);
  EXPECT_NEAR(mirrorX.GetScale(0), -2, 1e-12);
  EXPECT_NEAR(mirrorX.GetScale(1), 1, 1e-12);
  ExpectAngles(mirrorX, 0, 0, 30 * kDegree);

  // A mirror on Y is reported on X: the determinant decides the sign.
  Matrix mirrorY;
  mirrorY.Scale({1, -1, 1});
  EXPECT_NEAR(mirrorY.GetScale(0), -1, 1e-12);
  EXPECT_NEAR(mirrorY.GetScale(1), 1, 1e-12);
}

TEST(HostMatrix, RotationAnglesRoundTripInBothRotationSequences) {
  const Matrix xyz = RotationXYZ(10 * kDegree, 20 * kDegree, 30 * kDegree);
  ExpectAngles(xyz, 10 * kDegree, 20 * kDegree, 30 * kDegree);

  Matrix zxz;
  zxz.RotZ(30 * kDegree);
  zxz.RotX(40 * kDegree);
  zxz.RotZ(50 * kDegree);
  const Matrix rebuilt = RotationXYZ(zxz.GetRotationZYX(0), zxz.GetRotationZYX(1), zxz.GetRotationZYX(2));
  ExpectSameMatrix(rebuilt, zxz);
}

TEST(HostMatrix, AnglesStayInTheirRanges) {
  Matrix halfTurn;
  halfTurn.RotZ(-kPi);
  EXPECT_DOUBLE_EQ(halfTurn.GetRotationZYX(2), kPi);

  const Matrix large = RotationXYZ(170 * kDegree, -80 * kDegree, -170 * kDegree);
  ExpectAngles(large, 170 * kDegree, -80 * kDegree, -170 * kDegree);
}

TEST(HostMatrix, GimbalLockPutsTheWholeTurnIntoTheFirstAngle) {
  // With Y at +90 degrees only a - c is defined; at -90 only a + c.
  const Matrix up = RotationXYZ(10 * kDegree, 90 * kDegree, 20 * kDegree);
  ExpectAngles(up, -10 * kDegree, 90 * kDegree, 0);
  ExpectSameMatrix(RotationXYZ(up.GetRotationZYX(0), up.GetRotationZYX(1), 0), up);

  const Matrix down = RotationXYZ(10 * kDegree, -90 * kDegree, 20 * kDegree);
  ExpectAngles(down, 30 * kDegree, -90 * kDegree, 0);
}

TEST(HostMatrix, ZeroScalesNeverGiveANaN) {
  Matrix oneZero;
  oneZero.Scale({0, 1, 1});
  oneZero.RotZ(30 * kDegree);
  EXPECT_EQ(oneZero.GetScale(0), 0.0);
  ExpectAngles(oneZero, 0, 0, 30 * kDegree);

  Matrix twoZero;
  twoZero.Scale({0, 0, 1});
  twoZero.RotX(30 * kDegree);
  ExpectAngles(twoZero, 30 * kDegree, 0, 0);

  Matrix allZero;
  allZero.Scale({0, 0, 0});
  ExpectAngles(allZero, 0, 0, 0);
}

TEST(HostMatrix, InverseUndoesTheMatrixAndRefusesASingularOne) {
  Matrix m;
  m.Scale({2, 2, 2});
  m.RotZ(30 * kDegree);
  m.Trans({1, 2, 3});
  Matrix inverse = m;
  ASSERT_TRUE(inverse.Inverse());
  ExpectSameMatrix(m * inverse, Matrix());

  Matrix singular;
  singular.Scale({0, 1, 1});
  singular.Trans({4, 5, 6});
  const Matrix before = singular;
  EXPECT_FALSE(singular.Inverse());
  ExpectSameMatrix(singular, before);
}

TEST(HostMatrix, CopyIntoWritesRowByRow) {
  Matrix m;
  m.Trans({1, 2, 3});
  double elements[4][4];
  m.CopyInto(elements);
  EXPECT_EQ(elements[3][0], 1);
  EXPECT_EQ(elements[3][2], 3);
  EXPECT_EQ(elements[0][3], 0);
  ExpectSameMatrix(Matrix(elements), m);
}

}  // namespace
}  // namespace Velkor::Orv
