// Which screens exist, which menu each returns to, and how screens replace one another.
#pragma once

#include <QString>
#include <span>

class QWidget;

namespace hanhai::shell {

struct ScreenEntry {
    const char *name;  // the screen's name, which is also its window's object name
    const char *back;  // the screen its back control reopens; empty where there is none
    QWidget *(*make)();  // builds the window in its design state; null until the screen exists
};

// Every screen of the suite, in one table. The program's start-up installs it; the shell itself
// knows no screen but the ones it is told of.
void installScreens(std::span<const ScreenEntry> screens);
std::span<const ScreenEntry> screenTable();
const ScreenEntry *findScreen(const QString &name);
bool screenExists(const QString &name);

// Builds and shows a screen afresh; null (and nothing happens) while it does not exist yet.
// A screen that is already open is brought forward instead: there is never a second copy.
QWidget *openScreen(const QString &name);

// Opens `target` and closes `current`; nothing happens while the target does not exist, or
// once `current` has been closed (a second click of a double click).
void replaceScreen(QWidget *current, const QString &target);

// Closes a screen and shows its back target (brought forward if it is still open behind).
void goBack(QWidget *screen);

// The back button caption of a screen: "体积计算界面 BACK UP", "重量计算界面 BACK UP" or
// "返回主界面 BACK UP".
QString backCaption(const QString &screenName);

// Ends the program: every window closes and the event loop stops.
void exitProgram();

}  // namespace hanhai::shell
