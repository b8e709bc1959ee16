// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace kwelt {

// A push button as on Windows: Space and Enter press it while it has the focus. It is never a
// default button, so Enter elsewhere in its window does not press it, and neither does Esc.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    PushButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kwelt
