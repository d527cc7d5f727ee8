#pragma once
// The graph window's rules for zooming, panning, snapping and following the
// newest point, as plain functions on axis ranges so that they can be
// checked without a window. Time ranges are in days, value ranges in the
// measured unit.

struct TAxisRange {
    double Min = 0;
    double Max = 0;
    double Span() const { return Max - Min; }
};

// Zoom factors, indexed by a step of 1..3.
double KY(int step);
double KX(int step);

constexpr double kSecond = 1.0 / 86400.0;

// `newest` is the value (or time) of the followed line's newest point; the
// step is advanced (zoom in, after zooming) or stepped back (zoom out,
// before zooming), wrapping within 1..3. A zoom that its limit refuses
// leaves both the range and the step as they were.
TAxisRange ZoomInY(const TAxisRange& axis, double newest, int& yStep);
TAxisRange ZoomOutY(const TAxisRange& axis, double newest, int& yStep);
TAxisRange ZoomInX(const TAxisRange& axis, double newest, int& xStep);
TAxisRange ZoomOutX(const TAxisRange& axis, double newest, int& xStep);

// Both ends move by span * fraction.
TAxisRange Pan(const TAxisRange& axis, double fraction);

// Widens the range symmetrically to the next span of the step sequence that
// starts at 0.01 (values) or 10 s (time); the step is left at the factor
// that gives the next larger span.
TAxisRange SnapValueSpan(const TAxisRange& axis, int& yStep);
TAxisRange SnapTimeSpan(const TAxisRange& axis, int& xStep);

// Moves the windows (spans kept) so that the point (x, y) stays in view:
// a point beyond 90 % of the time window puts it at 90 %.
void FollowPoint(TAxisRange& time, TAxisRange& value, double x, double y);

// Value range [y - span/2, y + span/2].
TAxisRange CentreOn(const TAxisRange& axis, double y);

// Both ends rounded to the nearest multiple of span/100.
TAxisRange RoundToHundredths(const TAxisRange& axis);
