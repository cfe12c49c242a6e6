#pragma once

// The gauge library: one figure against its maximum in a small modal window, built
// by the project as a shared library of its own (libzorvickstatistics.so) and called
// with C linkage. It draws with Qt Widgets inside the caller's application, so it is
// called from the user-interface thread while a QApplication exists; without one it
// shows nothing. Its pictures travel in its own resources: it reads no file.

#include <cstdint>

#if defined(ZORVICK_STATISTICS_BUILD)
#define ZORVICK_STATISTICS_API __attribute__((visibility("default")))
#else
#define ZORVICK_STATISTICS_API
#endif

extern "C" {

// Shows the gauge window (object name "fStatisticsGauge") modally and returns when the
// player closes it with its button "bClose" or Escape; nothing is handed back.
// Arguments, in this order: the share reached in per cent (the bar is painted up to
// it, held to 0..100), the maximum and the current value, the labels of the maximum
// and of the current value, the names of the colour and the grey picture (CWORKER,
// BWWORKER, CBOX, BWBOX, CCLOTHES, BWCLOTHES, CRESEARCH, BWRESEARCH, letter case
// ignored; an unknown name paints the bar plain), the window caption, then three
// switches, each 0 or 1: the percentage is written beside the bar; a scale of ten
// marks runs under the bar; the figures are money and are written with "$".
// The texts are UTF-8; a null text counts as empty.
ZORVICK_STATISTICS_API void ShowStatistics(std::int32_t percentage, std::int32_t maximum,
                                           std::int32_t current, const char* maximumLabel,
                                           const char* currentLabel, const char* colourPicture,
                                           const char* greyPicture, const char* caption,
                                           std::int32_t showPercentage, std::int32_t showScale,
                                           std::int32_t money);
}
