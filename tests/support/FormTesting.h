// Helpers for driving real windows on the offscreen platform.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Forms.h"

// Shows the form and waits until it is the active window, so focus moves behave as a user's.
inline bool ShowActive(TForm& form) {
    form.Show();
    form.Widget()->activateWindow();
    return QTest::qWaitForWindowActive(form.Widget());
}

// Moves the focus from control to control with the mouse, as a click on it does.
inline void ClickInto(TControl& control) {
    QTest::mouseClick(control.Widget(), Qt::LeftButton, {}, QPoint(4, control.Widget()->height() / 2));
}

inline void PressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>

// Chooses an entry of a drop-down as a user does: a click opens its list, the arrow keys move
// to the entry and Return takes it.
inline void ChooseEntry(TControl& box, int entry) {
    auto* combo = static_cast<QComboBox*>(box.Widget());
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    while (list->currentIndex().row() < entry) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex().row() > entry) QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_FALSE(list->window()->isVisible());
}

// Clicks entry `index` of a list box with the mouse.
inline void ClickListEntry(TControl& list, int index) {
    auto* widget = static_cast<QListWidget*>(list.Widget());
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(index)).center());
}

// Clicks into an editor and replaces its whole text by typing.
inline void TypeInto(TControl& editor, const QString& text) {
    ClickInto(editor);
    QTest::keyClick(editor.Widget(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(editor.Widget(), Qt::Key_Delete);
    else
        QTest::keyClicks(editor.Widget(), text);
}
