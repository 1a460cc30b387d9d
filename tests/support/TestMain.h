// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>
#include <memory>

// Every test class of a folder registers itself here; the folder's one executable runs them all.
namespace testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
int registerTest(const char *name, TestFactory factory);

} // namespace testing

#define PLAYHAVEN_TEST(Class)                                                                                          \
    static const int registered_##Class = testing::registerTest(#Class, [] { return std::make_unique<Class>(); });
