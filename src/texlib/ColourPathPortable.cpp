#include "texlib/ColourPath.h"
#include "texlib/ColourPipeline.h"

namespace decalia::texlib::colourfit {

Candidate EncodeColoursPortable(const BlockPixels& pixels, Effort effort) { return EncodeColours(pixels, effort); }

}  // namespace decalia::texlib::colourfit
