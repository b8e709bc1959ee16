// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readout_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

} // namespace

ReadoutLabel::ReadoutLabel(const QString& text, const QString& accessibleName, QWidget* parent)
    : QLabel(text, parent)
{
    QAccessible::installFactory(readoutLabelAccessible); // installs once, however many labels
    setAccessibleName(accessibleName);
}

void ReadoutLabel::SetReadout(const QString& text)
{
    setText(text);
    // Without a screen reader these return at once.
    QAccessibleValueChangeEvent valueChanged(this, text);
    QAccessible::updateAccessibility(&valueChanged);
    QAccessibleEvent descriptionChanged(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&descriptionChanged);
}

} // namespace kwelt
