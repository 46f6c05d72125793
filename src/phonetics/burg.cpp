#include "burg.h"

namespace ejteto::phonetics {

std::vector<double> burgPredictor(const std::vector<double>& x, int order)
{
    const auto n = static_cast<int>(x.size());
    if (order < 1 || n <= order + 1)
        return {};
    const auto m = static_cast<size_t>(order);
    std::vector<double> a(m + 1, 0.0), previous(m + 1, 0.0);
    // Forward and backward errors, shifted by one against each other.
    std::vector<double> forward(x.begin(), x.end() - 1), backward(x.begin() + 1, x.end());
    for (size_t k = 1; k <= m; ++k) {
        const size_t len = static_cast<size_t>(n) - k;
        double num = 0, den = 0;
        for (size_t j = 0; j < len; ++j) {
            num += forward[j] * backward[j];
            den += forward[j] * forward[j] + backward[j] * backward[j];
        }
        if (den <= 0)
            return {};
        a[k] = 2 * num / den;
        for (size_t i = 1; i < k; ++i)
            a[i] = previous[i] - a[k] * previous[k - i];
        if (k == m)
            break;
        for (size_t i = 1; i <= k; ++i)
            previous[i] = a[i];
        for (size_t j = 0; j + 1 < len; ++j) {
            forward[j] -= previous[k] * backward[j];
            backward[j] = backward[j + 1] - previous[k] * forward[j + 1];
        }
    }
    return a;
}

} // namespace ejteto::phonetics
