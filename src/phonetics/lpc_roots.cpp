#include "lpc_roots.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ejteto::phonetics {

std::vector<Resonance> predictorResonances(const std::vector<double>& a, double rate)
{
    if (a.size() < 3)
        return {};
    const auto m = static_cast<Eigen::Index>(a.size() - 1);
    // z^m - a1 z^(m-1) - ... - am: its companion matrix carries the
    // coefficients in the first row.
    Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(m, m);
    for (Eigen::Index k = 0; k < m; ++k)
        companion(0, k) = a[static_cast<size_t>(k + 1)];
    for (Eigen::Index k = 1; k < m; ++k)
        companion(k, k - 1) = 1.0;
    const Eigen::EigenSolver<Eigen::MatrixXd> solver(companion, false);
    if (solver.info() != Eigen::Success)
        return {};

    std::vector<Resonance> out;
    const double nyquist = rate / 2;
    for (const std::complex<double>& root : solver.eigenvalues()) {
        if (root.imag() <= 0)
            continue; // each resonance once, from its upper root
        double radius = std::abs(root);
        if (radius <= 0)
            continue;
        // A root outside the unit circle stands for its mirror inside: the
        // same resonance, as Praat takes it.
        if (radius > 1)
            radius = 1 / radius;
        const double hz = std::arg(root) * rate / (2 * std::numbers::pi);
        const double bandwidth = -std::log(radius) * rate / std::numbers::pi;
        if (hz > 50 && hz < nyquist - 50)
            out.push_back({hz, bandwidth});
    }
    std::sort(out.begin(), out.end(), [](const Resonance& x, const Resonance& y) { return x.hz < y.hz; });
    return out;
}

} // namespace ejteto::phonetics
