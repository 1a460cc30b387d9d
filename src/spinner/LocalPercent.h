// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "spinner/PercentFormat.h"

#include "ui/Translations.h"

#include <QLocale>
#include <QString>
#include <string>

// The decimal separator of the numbers of the run, which the spinner game's percentages use.
inline std::string localDecimalSeparator()
{
    return ui::numberLocale().decimalPoint().toStdString();
}

// The "0.0%" format with that separator.
inline QString localPercent(double ratio)
{
    return QString::fromStdString(spinner::formatPercent(ratio, localDecimalSeparator()));
}
