#pragma once

#include "app/SceneTable.h"

#include <vector>

constexpr int rockRowSteps = 14;

// The kind of a step from one draw r in 0..32767: the integer part of (r / 32767) * 6.
int rockKind(int r);

// The objects one step of the rock row adds, in the order they are appended.
std::vector<Placement> rockRowStep(int step, int kind);
