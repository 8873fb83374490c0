#pragma once
#include <QImage>

#include "nv/RasterConversion.h"
#include "nv/RgbImage.h"

namespace pelmora::ui {

/// A decoded bitmap as a QImage for drawing.
QImage ToQImage(const nv::RgbImage& image);

/// The colour preview before brightening: `decoded` at the preview's drawn
/// size for a frame `frameWidth` wide (null when that size is empty).
QImage ScaledPreview(const QImage& decoded, int frameWidth);
/// `scaled` with the slider's brightness added to every channel, limited to 255.
QImage Brightened(const QImage& scaled, int brightness);

/// A one-bit raster black on white, scaled so that the printer's 384 dots
/// span the frame; at frame width 384 each dot is one pixel.
QImage PrintedPreview(const nv::Raster& raster, int frameWidth);

}  // namespace pelmora::ui
