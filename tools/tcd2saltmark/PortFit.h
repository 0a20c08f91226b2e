#pragma once
// Fitting a port's simplified constants to the full-constituent tide.
//
// The simplified formula is linear in the mean level and in the cosine and
// sine parts (H cos g, H sin g) of the four constituents; the shallow-water
// terms are linear in their own cosine and sine parts once the combined
// semidiurnal amplitude R and angle theta are known, and those depend on M2
// and S2 alone. So the fit solves the linear least-squares problem with R and
// theta taken from the last estimate, and repeats until the error stops
// falling; the best estimate seen is kept.
#include <vector>

#include "SimplePort.h"
#include "SimplifiedModel.h"

namespace saltmark::tcd {

// target[i] is the full-constituent height at sample i (metres). start gives
// the zone and the first R and theta. Returns start itself when the fit fails
// (a singular system) or does not beat it.
SimplePort FitPort(const SimplePort& start, const std::vector<GroupAtInstant>& groups,
                   const std::vector<double>& target);

// Root mean square of the simplified height minus the target, metres.
double RmsDifference(const SimplePort& port, const std::vector<GroupAtInstant>& groups,
                     const std::vector<double>& target);

}  // namespace saltmark::tcd
