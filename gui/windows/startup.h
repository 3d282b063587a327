#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <memory>

class Desktop;
class frmMain;

namespace zorvane {

class SingleInstanceLock;

// The settings store files the program under the base name of its executable.
QString ApplicationName();

// Once a fortnight at most, suggests checking for a newer version, and never
// when today cannot be kept as the last reminder. The date of
// the last reminder is kept in the settings store as the user's short-date
// text, scrambled, under the scrambled key "Duration" of section "Settings".
void UpdateReminder(Desktop& desktop, const QString& applicationName,
                    const QLocale& locale = QLocale());

// Closes every open window, each with its own closing behaviour, and ends the
// event loop with status 0. Nothing is asked and nothing is saved.
void ExitProgram();

// Starts the program: refuses a second running copy, runs the update reminder,
// shows the main window and picks its promotional text. Returns the shown main
// window, whose closing calls `exitProgram`. Returns nothing when another copy
// already runs, after telling the user so and calling `exitProgram`; the
// refused copy then ends with status 0. Tests pass their own `exitProgram`,
// since ending the event loop would end every later loop of the test run too.
std::unique_ptr<frmMain> StartUp(Desktop& desktop, SingleInstanceLock& lock,
                                 const QString& applicationName,
                                 const std::function<void()>& exitProgram = ExitProgram);

}  // namespace zorvane
