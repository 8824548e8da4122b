#include "ui/application_font.h"

#include <QApplication>
#include <QFontInfo>
#include <QStringList>

QFont ProportionalApplicationFont(const QFont& current) {
    if (!QFontInfo(current).fixedPitch()) return current;
    QFont font = current;
    // As the controls name theirs: Arial where it is installed, its metric twin elsewhere.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setFixedPitch(false);
    return font;
}

void UseProportionalApplicationFont() {
    const QFont current = QApplication::font();
    const QFont chosen = ProportionalApplicationFont(current);
    if (chosen != current) QApplication::setFont(chosen);
}
