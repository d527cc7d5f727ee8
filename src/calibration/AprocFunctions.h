#pragma once
// Least-squares fitting of a calibration table: one polynomial of a chosen
// degree, or a natural cubic spline with equally spaced nodes, both solved
// through a singular value decomposition of their normal equations.
//
// The routines keep no state and show nothing. Inputs they cannot work on
// (a negative degree, fewer than two spline nodes, nodes that coincide,
// reversed or infinite bounds, counts that do not fit the arrays) raise
// EAprocError, whose message is ready for the user; nothing is changed
// except where noted.
#include "platform/Exceptions.h"

#include <vector>

// Indexed from 0. A routine that takes an array by non-const reference
// changes the caller's elements.
using TrealArray = std::vector<double>;
// Rows of TrealArray; element [r][c] is row r, column c.
using TReal2DArray = std::vector<TrealArray>;

enum class TAprocFault {
    NegativeDegree,
    TooFewNodes,
    CoincidingNodes,
    ReversedBounds,
    InfiniteBounds,
    BadCount,
};

class EAprocError : public Exception {
public:
    explicit EAprocError(TAprocFault fault);
    TAprocFault Fault() const { return fault_; }

private:
    TAprocFault fault_;
};

// Least-squares polynomial of degree p through the first M points (X[i],
// Y[i]). Returns p+1 coefficients, constant term first, in the plain monomial
// basis of the abscissae as given: P(x) = C[0] + C[1]*x + ... + C[p]*x^p.
TrealArray AprocPolynom(const TrealArray& X, const TrealArray& Y, int M, int p);

// Weighted least-squares natural cubic spline through the first M points,
// with N nodes spread evenly from A to B (A == B widens to .. B+0.5).
// Returns the spline table described at SplineCoeffs.
TReal2DArray AprocSpline(const TrealArray& X, const TrealArray& Y, const TrealArray& W,
                         double A, double B, int M, int N);

// Interpolating cubic spline through the first N nodes (X[k], Y[k]).
// BoundKind 1 fixes the first derivatives at the ends to LeftValue and
// RightValue, any other kind fixes the second derivatives (kind 2 with both
// values 0 is the natural spline).
//
// X and Y are sorted ascending by X in place, the values moving with their
// abscissae. C becomes a table of 5 rows and N columns: row 0 the values a_k,
// rows 1..3 the coefficients b_k, c_k, d_k of the interval from X[k] to
// X[k+1], row 4 the abscissae; S(x) = a_k + b_k*t + c_k*t^2 + d_k*t^3 with
// t = x - X[k]. With N < 2 the table is left all zeros. Coinciding
// abscissae are refused once sorted, with C as it was.
void SplineCoeffs(int N, int BoundKind, TrealArray& X, TrealArray& Y, double LeftValue,
                  double RightValue, TReal2DArray& C);

// Value of the spline table C of N nodes at x. Outside the nodes the cubic of
// the first or last interval goes on.
double SplineValue(int N, const TReal2DArray& C, double x);

// Decomposes the m x n matrix held 1-based in rows 1..m, columns 1..n of A
// as U * diag(w) * V^T (Golub-Reinsch). U replaces those columns; w
// (1..n) and V (1..n x 1..n) are returned with an unused index 0. Entries
// of A outside that block are left alone. The singular values are not sorted.
void SvdDecompose(TReal2DArray& A, int m, int n, TrealArray& w, TReal2DArray& V);

// Minimum-norm least-squares solution of the system held 1-based in A: rows
// 1..m, coefficients in columns 1..n, right-hand side in column n+1. A is
// decomposed in place. X receives x_1..x_n at indices 1..n, with X[0] = 0.
// Singular values at or below n * max|w| * 5e-16 are left out; the result is
// true when none was.
bool SvdSolve(TReal2DArray& A, int m, int n, TrealArray& X);
