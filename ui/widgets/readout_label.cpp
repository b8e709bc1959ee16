// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readout_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

#include <algorithm>
#include <cmath>

namespace kwelt {
namespace {

class ReadoutLabelAccessible : public QAccessibleWidget
{
public:
    explicit ReadoutLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* readoutLabelAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ReadoutLabel::staticMetaObject.className()) && object->isWidgetType()) {
        return new ReadoutLabelAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableTextColour(const QColor& text, const QColor& background)
{
    return contrastRatio(text, background) >= 4.5 ? text : QColor(Qt::black);
}

ReadoutLabel::ReadoutLabel(const QString& text, const QString& accessibleName, QWidget* parent)
    : QLabel(text, parent)
{
    QAccessible::installFactory(readoutLabelAccessible); // installs once, however many labels
    setAccessibleName(accessibleName);
    // The label paints its text in the Text role, which it fills in itself from the window's
    // text colour; WindowText keeps following the window.
    setForegroundRole(QPalette::Text);
    useReadableTextColour();
}

void ReadoutLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        useReadableTextColour();
    }
    QLabel::changeEvent(event);
}

void ReadoutLabel::useReadableTextColour()
{
    // While the About window is open the fields are disabled, and they must read then too.
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Text,
            readableTextColour(colours.color(group, QPalette::WindowText), colours.color(group, QPalette::Window)));
    }
    if (colours != palette()) {
        setPalette(colours); // raises PaletteChange once more, which then changes nothing
    }
}

void ReadoutLabel::setReadout(const QString& text)
{
    setText(text);
    // Without a screen reader these return at once.
    QAccessibleValueChangeEvent valueChanged(this, text);
    QAccessible::updateAccessibility(&valueChanged);
    QAccessibleEvent descriptionChanged(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&descriptionChanged);
}

} // namespace kwelt
