// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawings behind the pictures of the pages, one per bitmap number. They
// paint on a transparent background from the top-left corner of their size.
#include <QSize>

class QPainter;

namespace PictureArt {

// Bitmap numbers the pages use.
constexpr int kVolumeLow = 500;
constexpr int kVolumeHigh = 501;
constexpr int kLoudspeaker = 551;
constexpr int kHandset = 552;
constexpr int kConnections = 553;
constexpr int kDataCable = 555;
constexpr int kPabx = 556;

// The picture's size; an empty size for a number without a drawing.
QSize Size(int bitmapId);
// Draws the picture at the painter's origin; false for an unknown number.
bool Draw(QPainter& painter, int bitmapId);

} // namespace PictureArt
