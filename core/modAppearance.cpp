#include "core/modAppearance.h"

void LoadProgramFonts() {}

QFont TahomaFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QIcon ProgramIcon()
{
    return QIcon();
}
