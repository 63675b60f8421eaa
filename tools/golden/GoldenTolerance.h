#pragma once

// A pixel differs when one of its channels is more than channelTolerance
// (of 255) away from the reference; a frame fails when more than
// differingShareLimit of its pixels differ. See tests/golden/README.md for the
// noise these were set from.
constexpr int channelTolerance = 8;
constexpr double differingShareLimit = 0.001;
