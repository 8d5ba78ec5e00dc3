// Rounded outlines of the borderless windows and their buttons.
#pragma once

#include <QRegion>

class QWidget;

namespace jumpline {

// The rounded rectangle from (left, top) to (right, bottom) in pixels, right and bottom
// exclusive, its corners rounded by an ellipse cornerWidth x cornerHeight px (at most the
// rectangle's own size): the outline that window systems cut with a round-rect region.
// It is built row by row; in a corner row a pixel belongs to it when its centre lies
// inside the corner's ellipse, so the four corners are mirror images of each other.
QRegion roundedRegion(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);

// Cuts the target to that rounded rectangle, in its own pixel coordinates: outside it the
// target is neither drawn nor takes the mouse, which goes to whatever lies beneath.
void ApplyRoundedRegion(QWidget *target, int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight);

} // namespace jumpline
