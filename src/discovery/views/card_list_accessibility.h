#pragma once
// The drawn camera list as screen readers and other assistive tools see it: a list whose items
// are the cards, named by their cameras, each with its preview square as a button ("Live
// picture") that is unavailable where the camera shows no live picture. Pressing the button
// does what a click on the square does.

#include <QAccessibleInterface>
#include <QString>

namespace vistrel {

// The factory that gives CameraCardList this interface; QAccessible::installFactory takes it.
QAccessibleInterface* cameraCardListAccessible(const QString& className, QObject* object);

} // namespace vistrel
