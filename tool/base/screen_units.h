#pragma once
// The windows' documented measures are in twips (1/1440 inch). At the
// screen's 96 dots per inch 15 twips make a pixel; every window that places
// a control by a documented measure converts here.

namespace dorvane {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace dorvane
