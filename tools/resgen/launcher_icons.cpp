#include "launcher_icons.h"

#include "launcher_pictograms.h"

namespace kelvara::resgen {

const std::vector<LauncherIcon>& LauncherIcons() {
  static const std::vector<LauncherIcon> icons{
      {"computer.ico", PaintComputer},
      {"favourites.ico", PaintFavourites},
      {"libraries.ico", PaintLibraries},
      {"documents.ico", PaintDocuments},
      {"pictures.ico", PaintPictures},
      {"videos.ico", PaintVideos},
      {"music.ico", PaintMusic},
      {"all_users_programs.ico", PaintAllUsersPrograms},
      {"user_programs.ico", PaintUserPrograms},
      {"all_users_startup.ico", PaintAllUsersStartup},
      {"control_panel.ico", PaintControlPanel},
      {"administrative_tools.ico", PaintAdministrativeTools},
      {"task_manager.ico", PaintTaskManager},
      {"system_information.ico", PaintSystemInformation},
  };
  return icons;
}

Canvas DrawLauncherIcon(const LauncherIcon& icon, int size) {
  Canvas canvas(size, size);
  Painter paint(canvas, kLauncherGrid);
  icon.paint(paint);
  return canvas;
}

}  // namespace kelvara::resgen
