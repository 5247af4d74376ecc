#pragma once
// Proportional layout for real windows: the bridge between the layout service
// and Qt widgets.

class QWidget;

namespace korvel {

// Applies the program's proportional layout to `window`:
//  - window name: objectName(); outer geometry: frameGeometry(), in twips;
//  - client area: the central widget of a QMainWindow (when it has one),
//    otherwise the window itself;
//  - controls: the client area's direct child widgets that have an objectName
//    and are not windows of their own, in children() order; the dynamic
//    property "index" (int) places a control in a control array;
//  - a LineControl is laid out by its end points;
//  - a fixed-height widget (minimum height == maximum height) refuses a new
//    height, so it only gets its position and width.
// Positions are twips relative to the client area. Never throws.
void layOutWidgetWindow(QWidget* window);

}  // namespace korvel
