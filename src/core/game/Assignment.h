#pragma once

#include <vector>

namespace quobix::game {

// A minimum-cost assignment of n objects to n targets (the Hungarian method), kept with its
// dual potentials: when one object moves, one augmenting path re-solves it in O(n^2) instead
// of O(n^3). Costs come as one row per object, n entries each.
class Assignment {
public:
    // The n rows to fill in before Solve.
    std::vector<const int*>& Rows(int n);
    // Solves from nothing; returns the least total cost.
    int Solve();
    // The least total cost with row i (from 0) replaced by row; the assignment stays as it was.
    int TryRow(int i, const int* row);
    // A lower bound on TryRow(i, row) in O(n), from the potentials of the solved assignment:
    // row i's potential lowered until the row fits, the others kept, stays a feasible dual.
    int RowBound(int i, const int* row) const;
    // The target (from 0) the last TryRow gave its row.
    int TriedTarget() const { return triedTarget; }
    // The target (from 0) row i (from 0) has in the solved assignment.
    int TargetOf(int i) const;

private:
    // Adds row i (1..n) to an optimal assignment of the other rows, leaving one column free.
    void Augment(int i, const int* row);
    int Sum(int i, const int* row) const;

    int n = 0;
    int solved = 0; // the least total cost Solve found
    int triedTarget = 0;
    std::vector<const int*> rows;
    // Indexed from 1; column 0 is the start of each augmenting path.
    std::vector<int> u, v, rowOf, way, minimum;
    std::vector<char> used;
    // The solved state, kept while TryRow works on u, v and rowOf.
    std::vector<int> keptU, keptV, keptRowOf;
};

} // namespace quobix::game
