#pragma once
// The colour-block encoder built for two instruction sets. Both builds give
// the same bytes; the wider one is only used where the processor has it.

#include "texlib/ColourEncoder.h"
#include "texlib/ColourFit.h"

namespace decalia::texlib::colourfit {

Candidate EncodeColoursPortable(const BlockPixels& pixels, Effort effort);
Candidate EncodeColoursAvx2(const BlockPixels& pixels, Effort effort);

}  // namespace decalia::texlib::colourfit
