#include "shell/placement.h"

#include <algorithm>

namespace shell {

QPoint CentredOnScreen(const QSize& screen, const QSize& outer)
{
    return {std::max(0, (screen.width() - outer.width()) / 2), std::max(0, (screen.height() - outer.height()) / 2)};
}

QPoint CentredOver(const QRect& owner, const QSize& outer)
{
    return {std::max(0, owner.left() + (owner.width() - outer.width()) / 2),
            std::max(0, owner.top() + (owner.height() - outer.height()) / 2)};
}

}  // namespace shell
