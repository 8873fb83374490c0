#include "cli/LogoAdvice.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "cli/CliContext.h"

namespace pelmora::cli {

namespace {

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

void AdviseOnLogo(std::ostream& err, const std::string& path, std::uint32_t sourceWidth, const nv::Raster& raster,
                  nv::Dither dither) {
    const bool pattern = dither == nv::Dither::Pattern;
    const double black = nv::BlackShare(raster);
    if (black > kMostlyBlack)
        PrintMessage(err, "pelmora: warning: " + path + " prints " + std::to_string(std::lround(black * 100)) +
                              " % black; " +
                              (pattern ? "for a photo try --dither atkinson or --dither floyd-steinberg, or a higher --brightness"
                                       : "try a higher --brightness, such as 40") +
                              " (`pelmora nv preview` shows the dots)");
    const double shrink = raster.width ? static_cast<double>(sourceWidth) / raster.width : 1.0;
    if (shrink > kShrunkTooFar)
        PrintMessage(err, "pelmora: warning: " + path + " is " + std::to_string(sourceWidth) + " dots wide and is shrunk " +
                              OneDecimal(shrink) + " times to " + std::to_string(raster.width) +
                              ": thin lines and small text may vanish" +
                              (pattern ? " or run together into black (--dither atkinson averages them instead)" : "") +
                              "; make it " + std::to_string(nv::kConversionWidth) + " dots wide or less first");
}

}  // namespace pelmora::cli
