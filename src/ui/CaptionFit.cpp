// SPDX-License-Identifier: GPL-3.0-or-later
// A translated caption in the control measured for the English: the font shrinks, for that
// language only, until the caption fits, but never below 70 % of the table's size.
#include "ui/ControlBase.h"
#include "ui/Translations.h"

#include <QFontMetrics>
#include <cmath>

namespace ui {

namespace {

QFont shrunk(QFont font, double factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

} // namespace

bool ControlBase::captionFits(const QString &) const
{
    return true;
}

int ControlBase::linesNeeded(const QFont &font, const QRect &area, int flags, const QString &text, bool *tooWide)
{
    const QFontMetrics fm(font);
    const QRect need = fm.boundingRect(area, flags | Qt::TextWordWrap, text);
    if (tooWide)
        *tooWide = need.width() > area.width();
    return std::max(1, int(std::lround(double(need.height()) / fm.lineSpacing())));
}

void ControlBase::fitCaption(const QString &source)
{
    if (!translatedRun())
        return;
    if (!m_tableFont)
        m_tableFont = captionFont();
    else
        setCaptionFont(*m_tableFont);
    // Steps of 5 % of the table's size: 95 %, 90 %, ... 70 %.
    for (int step = 1; step <= 6 && !captionFits(source); ++step)
        setCaptionFont(shrunk(*m_tableFont, 1.0 - 0.05 * step));
}

} // namespace ui
