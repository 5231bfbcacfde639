#include "model/modReachablePosition.h"

#include <algorithm>
#include <utility>

namespace
{

// Enough of a title bar to take hold of with the mouse.
constexpr int GraspableWidth = 100;

bool showsTitleBar(const QRect &frame, int titleBarHeight, const QRect &area)
{
    const QRect shown = QRect(frame.topLeft(), QSize(frame.width(), titleBarHeight)) & area;
    return shown.height() == titleBarHeight &&
           shown.width() >= std::min(GraspableWidth, frame.width());
}

// How far the area lies from the frame, squared, then how little of the frame it holds: the
// nearest area comes first, and of areas the frame reaches into, the one holding most of it.
std::pair<qint64, qint64> remoteness(const QRect &frame, const QRect &area)
{
    const qint64 dx = std::max({0, area.left() - frame.right(), frame.left() - area.right()});
    const qint64 dy = std::max({0, area.top() - frame.bottom(), frame.top() - area.bottom()});
    const QRect held = frame & area;
    return {dx * dx + dy * dy, -qint64(held.width()) * held.height()};
}

} // namespace

QPoint ReachablePosition(const QRect &frame, int titleBarHeight, const QList<QRect> &areas)
{
    const auto reachable = [&](const QRect &area) {
        return showsTitleBar(frame, titleBarHeight, area);
    };
    if (areas.isEmpty() || std::any_of(areas.begin(), areas.end(), reachable))
        return frame.topLeft();
    const QRect area =
        *std::min_element(areas.begin(), areas.end(), [&](const auto &a, const auto &b) {
            return remoteness(frame, a) < remoteness(frame, b);
        });
    // The right and bottom edges go inside first, so that the left and top ones win.
    return {std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
            std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()))};
}
