// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Lifecycle.h"

namespace ui {

namespace {
std::function<void()> &home()
{
    static std::function<void()> installed;
    return installed;
}
} // namespace

void setHome(std::function<void()> show)
{
    home() = std::move(show);
}

void ShowHome()
{
    if (home())
        home()();
}

} // namespace ui
