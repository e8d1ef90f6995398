#pragma once

#include <vector>

#include "tests/support/ecu_stream.h"

namespace velmorant::test {

// A plausible cold start and warm-up to idle of a parked car, one frame per 1.34 s: coolant
// from about 20 to 85 degrees, fast idle settling to 750 rpm, warming enrichment giving way
// to feedback, the oxygen sensors swinging once warm.
std::vector<EcuFrame> DemoFrames(int count);

}  // namespace velmorant::test
