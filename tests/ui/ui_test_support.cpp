// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui_test_support.h"

#include <about_window.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>

namespace kwelt::test {

ModalBoxAnswerer::ModalBoxAnswerer(const QWidget* mainWindow)
    : m_mainWindow(mainWindow)
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, this, &ModalBoxAnswerer::poll);
    m_timer.start();
}

void ModalBoxAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    SeenBox seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttonCount = box->buttons().size();
    seen.okIsDefault = box->defaultButton() != nullptr && box->defaultButton() == box->button(QMessageBox::Ok);
    seen.modality = box->windowModality();
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box)) {
        seen.accessibleValue = accessible->text(QAccessible::Value);
    }
    if (m_mainWindow != nullptr) {
        seen.labelsMeanwhile = ReadoutTexts(m_mainWindow);
    }
    m_seen.append(seen);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();
    }
}

QList<AboutKWELT*> AboutWindows()
{
    QList<AboutKWELT*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<AboutKWELT*>(window)) {
            found.append(about);
        }
    }
    return found;
}

QStringList ReadoutTexts(const QWidget* mainWindow)
{
    QStringList texts;
    for (const char* name : {"data1", "data2", "data3", "data4"}) {
        texts.append(Child<QLabel>(mainWindow, name)->text());
    }
    return texts;
}

bool RendersWithoutMissingGlyphs(const QString& text, const QFont& font, QString* missing)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool complete = true;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) { // the font's "missing glyph" box
                complete = false;
                if (missing != nullptr) {
                    *missing = run.rawFont().familyName();
                }
            }
        }
    }
    return complete && !layout.glyphRuns().isEmpty();
}

} // namespace kwelt::test
