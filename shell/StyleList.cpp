#include "shell/StyleList.h"
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace StyleList {

QStringList Names()
{
    QStringList names{kSky};
    names += QStyleFactory::keys();
    return names;
}

bool Known(const QString& name)
{
    return Names().contains(name, Qt::CaseInsensitive);
}

QPalette SkyPalette()
{
    QPalette p;
    const QColor window(0xDC, 0xEA, 0xF7), button(0xC8, 0xDD, 0xF2), dark(0x1E, 0x3A, 0x5C);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, dark);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xEE, 0xF5, 0xFC));
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE8));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(0x7A, 0x8A, 0x9C));
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, dark);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xE8, 0xF1, 0xFA));
    p.setColor(QPalette::Mid, QColor(0x9D, 0xB8, 0xD6));
    p.setColor(QPalette::Dark, QColor(0x6F, 0x8F, 0xB4));
    p.setColor(QPalette::Shadow, QColor(0x3A, 0x4F, 0x68));
    p.setColor(QPalette::Highlight, QColor(0x3A, 0x8B, 0xD8));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x1F, 0x5F, 0xB0));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x98, 0xA8));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x98, 0xA8));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x98, 0xA8));
    return p;
}

bool Apply(const QString& name)
{
    const bool sky = name.compare(kSky, Qt::CaseInsensitive) == 0;
    QStyle* style = QStyleFactory::create(sky ? QStringLiteral("Fusion") : name);
    if (!style)
        return false;
    QApplication::setStyle(style);
    QApplication::setPalette(sky ? SkyPalette() : style->standardPalette());
    return true;
}

} // namespace StyleList
