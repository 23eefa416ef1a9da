#pragma once
// Where windows open. Divisions truncate; a coordinate below 0 becomes 0.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace shell {

// A window of outer size `outer` centred on a screen of size `screen`.
QPoint CentredOnScreen(const QSize& screen, const QSize& outer);

// A window of outer size `outer` centred over the outer rectangle `owner`.
QPoint CentredOver(const QRect& owner, const QSize& outer);

}  // namespace shell
