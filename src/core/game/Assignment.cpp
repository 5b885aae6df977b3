#include "game/Assignment.h"

#include <algorithm>
#include <limits>

namespace quobix::game {

namespace {
    constexpr int Infinite = std::numeric_limits<int>::max() / 2;
}

std::vector<const int*>& Assignment::Rows(int count)
{
    n = count;
    rows.resize(count);
    return rows;
}

int Assignment::Solve()
{
    u.assign(n + 1, 0);
    v.assign(n + 1, 0);
    rowOf.assign(n + 1, 0);
    way.assign(n + 1, 0);
    minimum.assign(n + 1, 0);
    used.assign(n + 1, 0);
    for (int i = 1; i <= n; ++i)
        Augment(i, rows[i - 1]);
    solved = Sum(0, nullptr);
    return solved;
}

int Assignment::RowBound(int row0, const int* row) const
{
    int least = Infinite;
    for (int j = 1; j <= n; ++j)
        least = std::min(least, row[j - 1] - v[j]);
    return solved - u[row0 + 1] + least;
}

int Assignment::TryRow(int row0, const int* row)
{
    const int i = row0 + 1;
    keptU = u;
    keptV = v;
    keptRowOf = rowOf;
    // With as many targets as objects every column is taken in the end, so the freed column
    // may keep its potential and one augmentation from row i restores the optimum.
    for (int j = 1; j <= n; ++j)
        if (rowOf[j] == i)
            rowOf[j] = 0;
    Augment(i, row);
    const int tried = Sum(i, row);
    for (int j = 1; j <= n; ++j)
        if (rowOf[j] == i)
            triedTarget = j - 1;
    u.swap(keptU);
    v.swap(keptV);
    rowOf.swap(keptRowOf);
    return tried;
}

int Assignment::TargetOf(int i) const
{
    for (int j = 1; j <= n; ++j)
        if (rowOf[j] == i + 1)
            return j - 1;
    return 0;
}

void Assignment::Augment(int i, const int* row)
{
    rowOf[0] = i;
    int j0 = 0;
    for (int j = 0; j <= n; ++j) {
        minimum[j] = Infinite;
        used[j] = 0;
    }
    do {
        used[j0] = 1;
        const int i0 = rowOf[j0];
        const int* costs = i0 == i ? row : rows[i0 - 1];
        int delta = Infinite;
        int j1 = 0;
        for (int j = 1; j <= n; ++j) {
            if (used[j])
                continue;
            const int current = costs[j - 1] - u[i0] - v[j];
            if (current < minimum[j]) {
                minimum[j] = current;
                way[j] = j0;
            }
            if (minimum[j] < delta) {
                delta = minimum[j];
                j1 = j;
            }
        }
        for (int j = 0; j <= n; ++j) {
            if (used[j]) {
                u[rowOf[j]] += delta;
                v[j] -= delta;
            } else {
                minimum[j] -= delta;
            }
        }
        j0 = j1;
    } while (rowOf[j0] != 0);
    do {
        const int j1 = way[j0];
        rowOf[j0] = rowOf[j1];
        j0 = j1;
    } while (j0 != 0);
}

int Assignment::Sum(int i, const int* row) const
{
    int sum = 0;
    for (int j = 1; j <= n; ++j)
        sum += (rowOf[j] == i ? row : rows[rowOf[j] - 1])[j - 1];
    return sum;
}

} // namespace quobix::game
