#pragma once
// Small square matrices over Fr, used only while the parameters are built.
// Stored row by row: entry (i, j) is row i, column j.

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "curve/fr.h"

namespace korvo::poseidon {

template <std::size_t N>
using Vector = std::array<curve::Fr, N>;

template <std::size_t N>
class Matrix {
 public:
  using Rows = std::array<Vector<N>, N>;

  static Matrix identity() {
    Matrix m;
    for (std::size_t i = 0; i < N; ++i) m.rows_[i][i] = curve::Fr::one();
    return m;
  }

  const curve::Fr& at(std::size_t row, std::size_t column) const { return rows_[row][column]; }
  curve::Fr& at(std::size_t row, std::size_t column) { return rows_[row][column]; }
  const Rows& rows() const { return rows_; }

  // w[i] = sum over j of m[i][j] * v[j]
  Vector<N> mul_vector(const Vector<N>& v) const {
    Vector<N> w{};
    for (std::size_t i = 0; i < N; ++i) {
      curve::Fr sum = curve::Fr::zero();
      for (std::size_t j = 0; j < N; ++j) sum += rows_[i][j] * v[j];
      w[i] = sum;
    }
    return w;
  }

  // this * other
  Matrix mul(const Matrix& other) const {
    Matrix product;
    for (std::size_t i = 0; i < N; ++i) {
      for (std::size_t j = 0; j < N; ++j) {
        curve::Fr sum = curve::Fr::zero();
        for (std::size_t k = 0; k < N; ++k) sum += rows_[i][k] * other.rows_[k][j];
        product.rows_[i][j] = sum;
      }
    }
    return product;
  }

  // Gauss-Jordan elimination; nothing when the matrix is singular.
  std::optional<Matrix> invert() const {
    Matrix left = *this;
    Matrix right = identity();
    for (std::size_t column = 0; column < N; ++column) {
      std::size_t pivot = column;
      while (pivot < N && left.rows_[pivot][column].is_zero()) ++pivot;
      if (pivot == N) return std::nullopt;
      std::swap(left.rows_[column], left.rows_[pivot]);
      std::swap(right.rows_[column], right.rows_[pivot]);

      const curve::Fr scale = left.rows_[column][column].invert().value;
      for (std::size_t j = 0; j < N; ++j) {
        left.rows_[column][j] *= scale;
        right.rows_[column][j] *= scale;
      }
      for (std::size_t row = 0; row < N; ++row) {
        if (row == column || left.rows_[row][column].is_zero()) continue;
        const curve::Fr factor = left.rows_[row][column];
        for (std::size_t j = 0; j < N; ++j) {
          left.rows_[row][j] -= factor * left.rows_[column][j];
          right.rows_[row][j] -= factor * right.rows_[column][j];
        }
      }
    }
    return right;
  }

  friend bool operator==(const Matrix&, const Matrix&) = default;

 private:
  Rows rows_{};
};

}  // namespace korvo::poseidon
