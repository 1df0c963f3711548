#pragma once
// The painter's template and its alpha companion, drawn from a configuration:
// every section of every sheet is filled in its sheet's colour, framed, marked
// at its top-left corner (so a mirrored copy shows as such) and labelled with
// the sheets' view names and section numbers. Sections of different sheets
// that share an area of the template share one label naming them all.

#include <string>

#include "DemoAircraft.h"
#include "Output.h"

namespace decalia::demodata {

// Writes the 24-bit template and the 8-bit alpha template (a grey-ramp
// palette whose index is the alpha level), both TemplateSizeX x TemplateSizeY.
void WriteTemplatePair(const DemoAircraft& aircraft, const std::string& templatePath,
                       const std::string& alphaPath, Output& out);

}  // namespace decalia::demodata
