// The main menu and the seven sub-menus.
#pragma once

class QWidget;

namespace hanhai::shell {

QWidget *makeMainMenu();
QWidget *makeVolumeMenu();
QWidget *makeWeightMenu();
QWidget *makeHeatingMenu();
QWidget *makeInsulationMenu();
QWidget *makeVentilationMenu();
QWidget *makeCableFittingMenu();
QWidget *makeSectionMenu();

// The address the main menu's logo opens.
inline constexpr const char *kHomePage = "https://hanhai.example/";

}  // namespace hanhai::shell
