// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

#include "ui/Program.h"
#include "ui/Random.h"

#include <QCoreApplication>
#include <QEvent>

ProgramFixture::ProgramFixture()
{
    restart();
}

ProgramFixture::~ProgramFixture()
{
    ui::Program::instance().resetForTests();
    ui::setDialogs(nullptr);
    ui::Program::instance().setTerminator(&ui::Program::terminateProcess);
    ui::setHome(nullptr);
}

void ProgramFixture::restart()
{
    ui::Program::instance().resetForTests();
    settle();
    dialogs.clear();
    endCount = 0;
    homeCount = 0;
    ui::setHome([this] { ++homeCount; });
    ui::setDialogs(&dialogs);
    ui::Program::instance().setTerminator([this] { ++endCount; });
    ui::setRandomSequence({});
    ui::seedRandom(2026);
}

void ProgramFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
