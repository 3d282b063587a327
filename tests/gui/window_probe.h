#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <string>

// Finds the windows' controls by objectName, as a user finds them by sight.
// A missing control throws, which fails the test that asked for it.
template <typename T>
T& Control(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return *found;
}

// Shows a window and makes it the active one, as a click on it would, so
// that focus moves and Alt+letter shortcuts reach it. Pending window-system
// events are handled at once; nothing waits.
inline void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::processEvents();
}

// Replaces a box's text by typing, key by key.
inline void TypeInto(QLineEdit& box, const QString& text) {
    box.clear();
    QTest::keyClicks(&box, text);
}

// Picks the entry with the given text, as the user would from the drop-down.
inline void Choose(QComboBox& list, const QString& entry) {
    const int index = list.findText(entry, Qt::MatchExactly);
    if (index < 0) {
        throw std::runtime_error("no entry " + entry.toStdString() + " in " +
                                 list.objectName().toStdString());
    }
    list.setCurrentIndex(index);
}
