#include "calibration/AprocFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace {

QString FaultText(TAprocFault fault)
{
    switch (fault) {
    case TAprocFault::NegativeDegree:
        return QString::fromUtf8("Степень полинома не может быть отрицательной");
    case TAprocFault::TooFewNodes:
        return QString::fromUtf8("Число узлов сплайна должно быть не меньше 2");
    case TAprocFault::CoincidingNodes:
        return QString::fromUtf8("Узлы сплайна не должны совпадать");
    case TAprocFault::ReversedBounds:
        return QString::fromUtf8("Левая граница интервала больше правой");
    case TAprocFault::InfiniteBounds:
        return QString::fromUtf8("Границы интервала должны быть конечными числами");
    case TAprocFault::BadCount:
        break;
    }
    return QString::fromUtf8("Число точек не соответствует размеру массивов");
}

// The count must not be negative nor exceed what the array holds.
void CheckCount(const TrealArray& a, int count)
{
    if (count < 0 || static_cast<std::size_t>(count) > a.size())
        throw EAprocError(TAprocFault::BadCount);
}

// |a| with the sign of b; b == 0 counts as positive.
double Sign(double a, double b)
{
    return b >= 0.0 ? std::fabs(a) : -std::fabs(a);
}

// sqrt(a^2 + b^2) without overflow or underflow of the squares.
double Pythag(double a, double b)
{
    const double absa = std::fabs(a);
    const double absb = std::fabs(b);
    if (absa > absb) {
        const double r = absb / absa;
        return absa * std::sqrt(1.0 + r * r);
    }
    if (absb == 0.0)
        return 0.0;
    const double r = absa / absb;
    return absb * std::sqrt(1.0 + r * r);
}

// An entry is negligible when it does not change the norm estimate.
bool Negligible(double value, double anorm)
{
    return std::fabs(value) + anorm == anorm;
}

TReal2DArray NewMatrix(int rows, int columns)
{
    return TReal2DArray(static_cast<std::size_t>(rows), TrealArray(static_cast<std::size_t>(columns), 0.0));
}

} // namespace

EAprocError::EAprocError(TAprocFault fault)
    : Exception(FaultText(fault)), fault_(fault)
{
}

TrealArray AprocPolynom(const TrealArray& X, const TrealArray& Y, int M, int p)
{
    if (p < 0)
        throw EAprocError(TAprocFault::NegativeDegree);
    CheckCount(X, M);
    CheckCount(Y, M);

    const int n = p + 1;
    TReal2DArray V = NewMatrix(M, n);
    for (int i = 0; i < M; ++i) {
        V[i][0] = 1.0;
        for (int k = 1; k <= p; ++k)
            V[i][k] = V[i][k - 1] * X[i];
    }

    TReal2DArray A = NewMatrix(n + 1, n + 2);
    for (int r = 1; r <= n; ++r) {
        for (int s = 1; s <= n; ++s) {
            double sum = 0.0;
            for (int i = 0; i < M; ++i)
                sum += V[i][r - 1] * V[i][s - 1];
            A[r][s] = sum;
        }
        double sum = 0.0;
        for (int i = 0; i < M; ++i)
            sum += Y[i] * V[i][r - 1];
        A[r][n + 1] = sum;
    }

    TrealArray x;
    SvdSolve(A, n, n, x);
    return TrealArray(x.begin() + 1, x.end());
}

TReal2DArray AprocSpline(const TrealArray& X, const TrealArray& Y, const TrealArray& W,
                         double A, double B, int M, int N)
{
    if (N < 2)
        throw EAprocError(TAprocFault::TooFewNodes);
    if (!std::isfinite(A) || !std::isfinite(B))
        throw EAprocError(TAprocFault::InfiniteBounds);
    // Reversed bounds would give descending nodes, and the first basis
    // build would sort them under the unit vectors of the later ones.
    if (A > B)
        throw EAprocError(TAprocFault::ReversedBounds);
    CheckCount(X, M);
    CheckCount(Y, M);
    CheckCount(W, M);

    if (A == B) {
        A -= 0.5;
        B += 0.5;
    }
    TrealArray t(static_cast<std::size_t>(N));
    for (int s = 0; s < N; ++s)
        t[s] = A + (B - A) * s / (N - 1);

    TReal2DArray C;
    TReal2DArray Phi = NewMatrix(M, N);
    TrealArray e(static_cast<std::size_t>(N));
    for (int s = 0; s < N; ++s) {
        std::fill(e.begin(), e.end(), 0.0);
        e[s] = 1.0;
        SplineCoeffs(N, 2, t, e, 0.0, 0.0, C);
        for (int i = 0; i < M; ++i)
            Phi[i][s] = SplineValue(N, C, X[i]);
    }

    TReal2DArray Ab = NewMatrix(N + 1, N + 2);
    for (int r = 1; r <= N; ++r) {
        for (int q = 1; q <= N; ++q) {
            double sum = 0.0;
            for (int i = 0; i < M; ++i)
                sum += W[i] * W[i] * Phi[i][r - 1] * Phi[i][q - 1];
            Ab[r][q] = sum;
        }
        double sum = 0.0;
        for (int i = 0; i < M; ++i)
            sum += W[i] * W[i] * Y[i] * Phi[i][r - 1];
        Ab[r][N + 1] = sum;
    }

    TrealArray x;
    SvdSolve(Ab, N, N, x);
    TrealArray u(x.begin() + 1, x.end());
    SplineCoeffs(N, 2, t, u, 0.0, 0.0, C);
    return C;
}

void SplineCoeffs(int N, int BoundKind, TrealArray& X, TrealArray& Y, double LeftValue,
                  double RightValue, TReal2DArray& C)
{
    CheckCount(X, N);
    CheckCount(Y, N);

    for (int gap = N / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < N; ++i) {
            for (int j = i - gap; j >= 0 && X[j] > X[j + gap]; j -= gap) {
                std::swap(X[j], X[j + gap]);
                std::swap(Y[j], Y[j + gap]);
            }
        }
    }

    // Written so that a NaN step is refused as well.
    for (int k = 0; k + 1 < N; ++k) {
        if (!(X[k + 1] - X[k] > 0.0))
            throw EAprocError(TAprocFault::CoincidingNodes);
    }
    C = NewMatrix(5, N);
    if (N < 2)
        return;

    // Row 1 holds the sweep factors P_j and row 2 the Q_j until the back
    // substitution turns them into b_j and c_j.
    TrealArray& P = C[1];
    TrealArray& Q = C[2];
    const int last = N - 1;
    const double h0 = X[1] - X[0];
    const double he = X[last] - X[last - 1];
    double lambda0, delta0, mue, deltae;
    if (BoundKind == 1) {
        lambda0 = 1.0;
        delta0 = 6.0 / h0 * ((Y[1] - Y[0]) / h0 - LeftValue);
        mue = 1.0;
        deltae = 6.0 / he * (RightValue - (Y[last] - Y[last - 1]) / he);
    } else {
        lambda0 = 0.0;
        delta0 = 2.0 * LeftValue;
        mue = 0.0;
        deltae = 2.0 * RightValue;
    }

    P[0] = -lambda0 / 2.0;
    Q[0] = delta0 / 2.0;
    for (int j = 1; j <= N - 2; ++j) {
        const double hl = X[j] - X[j - 1];
        const double hr = X[j + 1] - X[j];
        const double lambda = hr / (hl + hr);
        const double mu = 1.0 - lambda;
        const double delta = 6.0 * ((Y[j + 1] - Y[j]) / hr - (Y[j] - Y[j - 1]) / hl) / (hl + hr);
        const double z = mu * P[j - 1] + 2.0;
        P[j] = -lambda / z;
        Q[j] = (delta - mu * Q[j - 1]) / z;
    }

    double Mj = (deltae - mue * Q[last - 1]) / (mue * P[last - 1] + 2.0);
    for (int j = last; j >= 1; --j) {
        const int k = j - 1;
        const double Mk = P[k] * Mj + Q[k];
        const double h = X[j] - X[k];
        const double c = Mk / 2.0;
        const double d = (Mj - Mk) / (6.0 * h);
        C[1][k] = (Y[j] - Y[k]) / h - (d * h + c) * h;
        C[2][k] = c;
        C[3][k] = d;
        Mj = Mk;
    }

    std::copy(Y.begin(), Y.begin() + N, C[0].begin());
    std::copy(X.begin(), X.begin() + N, C[4].begin());
}

double SplineValue(int N, const TReal2DArray& C, double x)
{
    if (N < 1 || C.size() < 5)
        throw EAprocError(TAprocFault::BadCount);
    for (std::size_t r = 0; r < 5; ++r)
        CheckCount(C[r], N);

    const TrealArray& xs = C[4];
    int lo = 0;
    int hi = N - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (xs[mid] >= x)
            hi = mid;
        else
            lo = mid + 1;
    }
    const int k = std::max(lo - 1, 0);
    const double t = x - xs[k];
    return ((C[3][k] * t + C[2][k]) * t + C[1][k]) * t + C[0][k];
}

void SvdDecompose(TReal2DArray& a, int m, int n, TrealArray& w, TReal2DArray& v)
{
    if (m < 0 || n < 0 || a.size() < static_cast<std::size_t>(m) + 1)
        throw EAprocError(TAprocFault::BadCount);
    for (int r = 1; r <= m; ++r) {
        if (a[r].size() < static_cast<std::size_t>(n) + 1)
            throw EAprocError(TAprocFault::BadCount);
    }

    w.assign(static_cast<std::size_t>(n) + 1, 0.0);
    v = NewMatrix(n + 1, n + 1);
    TrealArray rv1(static_cast<std::size_t>(n) + 1, 0.0);

    // Householder reduction to bidiagonal form; each column and row is
    // scaled by its absolute sum so that the squares neither overflow nor
    // underflow.
    double g = 0.0, scale = 0.0, anorm = 0.0;
    int l = 1;
    for (int i = 1; i <= n; ++i) {
        l = i + 1;
        rv1[i] = scale * g;
        g = 0.0;
        double s = 0.0;
        scale = 0.0;
        if (i <= m) {
            for (int k = i; k <= m; ++k)
                scale += std::fabs(a[k][i]);
            if (scale != 0.0) {
                for (int k = i; k <= m; ++k) {
                    a[k][i] /= scale;
                    s += a[k][i] * a[k][i];
                }
                double f = a[i][i];
                g = -Sign(std::sqrt(s), f);
                const double h = f * g - s;
                a[i][i] = f - g;
                for (int j = l; j <= n; ++j) {
                    s = 0.0;
                    for (int k = i; k <= m; ++k)
                        s += a[k][i] * a[k][j];
                    f = s / h;
                    for (int k = i; k <= m; ++k)
                        a[k][j] += f * a[k][i];
                }
                for (int k = i; k <= m; ++k)
                    a[k][i] *= scale;
            }
        }
        w[i] = scale * g;
        g = 0.0;
        s = 0.0;
        scale = 0.0;
        if (i <= m && i != n) {
            for (int k = l; k <= n; ++k)
                scale += std::fabs(a[i][k]);
            if (scale != 0.0) {
                for (int k = l; k <= n; ++k) {
                    a[i][k] /= scale;
                    s += a[i][k] * a[i][k];
                }
                const double f = a[i][l];
                g = -Sign(std::sqrt(s), f);
                const double h = f * g - s;
                a[i][l] = f - g;
                for (int k = l; k <= n; ++k)
                    rv1[k] = a[i][k] / h;
                for (int j = l; j <= m; ++j) {
                    s = 0.0;
                    for (int k = l; k <= n; ++k)
                        s += a[j][k] * a[i][k];
                    for (int k = l; k <= n; ++k)
                        a[j][k] += s * rv1[k];
                }
                for (int k = l; k <= n; ++k)
                    a[i][k] *= scale;
            }
        }
        anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(rv1[i]));
    }

    // Accumulation of the right-hand transformations.
    for (int i = n; i >= 1; --i) {
        if (i < n) {
            if (g != 0.0) {
                // Double division avoids a possible underflow.
                for (int j = l; j <= n; ++j)
                    v[j][i] = (a[i][j] / a[i][l]) / g;
                for (int j = l; j <= n; ++j) {
                    double s = 0.0;
                    for (int k = l; k <= n; ++k)
                        s += a[i][k] * v[k][j];
                    for (int k = l; k <= n; ++k)
                        v[k][j] += s * v[k][i];
                }
            }
            for (int j = l; j <= n; ++j) {
                v[i][j] = 0.0;
                v[j][i] = 0.0;
            }
        }
        v[i][i] = 1.0;
        g = rv1[i];
        l = i;
    }

    // Accumulation of the left-hand transformations.
    for (int i = std::min(m, n); i >= 1; --i) {
        l = i + 1;
        g = w[i];
        for (int j = l; j <= n; ++j)
            a[i][j] = 0.0;
        if (g != 0.0) {
            g = 1.0 / g;
            for (int j = l; j <= n; ++j) {
                double s = 0.0;
                for (int k = l; k <= m; ++k)
                    s += a[k][i] * a[k][j];
                const double f = (s / a[i][i]) * g;
                for (int k = i; k <= m; ++k)
                    a[k][j] += f * a[k][i];
            }
            for (int j = i; j <= m; ++j)
                a[j][i] *= g;
        } else {
            for (int j = i; j <= m; ++j)
                a[j][i] = 0.0;
        }
        a[i][i] += 1.0;
    }

    // Diagonalisation of the bidiagonal form by implicit-shift QR sweeps.
    for (int k = n; k >= 1; --k) {
        for (int its = 1; its <= 30; ++its) {
            bool split = true;
            int nm = 0;
            for (l = k; l >= 1; --l) {
                nm = l - 1;
                // rv1[1] is always zero, so the search stops at l = 1 at the
                // latest and w[0] is never looked at.
                if (Negligible(rv1[l], anorm)) {
                    split = false;
                    break;
                }
                if (Negligible(w[nm], anorm))
                    break;
            }
            if (split) {
                // w[nm] is negligible: chase row nm's entry along the rows
                // l..k by rotations into U. Each rotation leaves the factor c
                // on the next super-diagonal entry, and once the chased entry
                // is negligible the rest of the row is zero already; leaving
                // out either step breaks U * diag(w) * V^T = A for matrices
                // of lower rank.
                double c = 0.0;
                double s = 1.0;
                for (int i = l; i <= k; ++i) {
                    const double f = s * rv1[i];
                    rv1[i] = c * rv1[i];
                    if (Negligible(f, anorm))
                        break;
                    g = w[i];
                    double h = Pythag(f, g);
                    w[i] = h;
                    h = 1.0 / h;
                    c = g * h;
                    s = -f * h;
                    for (int j = 1; j <= m; ++j) {
                        const double y = a[j][nm];
                        const double z = a[j][i];
                        a[j][nm] = y * c + z * s;
                        a[j][i] = z * c - y * s;
                    }
                }
            }
            double z = w[k];
            if (l == k) {
                if (z < 0.0) {
                    w[k] = -z;
                    for (int j = 1; j <= n; ++j)
                        v[j][k] = -v[j][k];
                }
                break;
            }
            // Shift from the trailing 2 x 2 block.
            double x = w[l];
            nm = k - 1;
            double y = w[nm];
            g = rv1[nm];
            double h = rv1[k];
            double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
            g = Pythag(f, 1.0);
            f = ((x - z) * (x + z) + h * ((y / (f + Sign(g, f))) - h)) / x;
            double c = 1.0;
            double s = 1.0;
            for (int j = l; j <= nm; ++j) {
                const int i = j + 1;
                g = rv1[i];
                y = w[i];
                h = s * g;
                g = c * g;
                z = Pythag(f, h);
                rv1[j] = z;
                c = f / z;
                s = h / z;
                f = x * c + g * s;
                g = g * c - x * s;
                h = y * s;
                y *= c;
                for (int jj = 1; jj <= n; ++jj) {
                    x = v[jj][j];
                    z = v[jj][i];
                    v[jj][j] = x * c + z * s;
                    v[jj][i] = z * c - x * s;
                }
                z = Pythag(f, h);
                w[j] = z;
                if (z != 0.0) {
                    z = 1.0 / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                for (int jj = 1; jj <= m; ++jj) {
                    y = a[jj][j];
                    z = a[jj][i];
                    a[jj][j] = y * c + z * s;
                    a[jj][i] = z * c - y * s;
                }
            }
            rv1[l] = 0.0;
            rv1[k] = f;
            w[k] = x;
        }
    }
}

bool SvdSolve(TReal2DArray& A, int m, int n, TrealArray& X)
{
    if (m < 0 || n < 0 || A.size() < static_cast<std::size_t>(m) + 1)
        throw EAprocError(TAprocFault::BadCount);
    for (int r = 1; r <= m; ++r) {
        if (A[r].size() < static_cast<std::size_t>(n) + 2)
            throw EAprocError(TAprocFault::BadCount);
    }

    TrealArray w;
    TReal2DArray V;
    SvdDecompose(A, m, n, w, V);

    double wmax = 0.0;
    for (int j = 1; j <= n; ++j)
        wmax = std::max(wmax, std::fabs(w[j]));
    const double tol = n * wmax * 5e-16;

    bool full = true;
    TrealArray tmp(static_cast<std::size_t>(n) + 1, 0.0);
    for (int j = 1; j <= n; ++j) {
        if (std::fabs(w[j]) <= tol) {
            full = false;
            continue;
        }
        double s = 0.0;
        for (int i = 1; i <= m; ++i)
            s += A[i][j] * A[i][n + 1];
        tmp[j] = s / w[j];
    }

    X.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int j = 1; j <= n; ++j) {
        double s = 0.0;
        for (int jj = 1; jj <= n; ++jj)
            s += V[j][jj] * tmp[jj];
        X[j] = s;
    }
    return full;
}
