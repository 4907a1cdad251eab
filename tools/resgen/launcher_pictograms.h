#pragma once

#include "painter.h"

// The launcher's pictograms and the parts they share, all on a 96-unit grid.
namespace kelvara::resgen {

inline constexpr int64_t kLauncherGrid = 96;

inline constexpr Rgba kOutline = Opaque(48, 56, 74);
inline constexpr Rgba kWhite = Opaque(255, 255, 255);
inline constexpr Rgba kPaper = Opaque(250, 251, 253);
inline constexpr Rgba kBlue = Opaque(46, 118, 214);
inline constexpr Rgba kSkyBlue = Opaque(120, 190, 250);
inline constexpr Rgba kGreen = Opaque(46, 166, 84);
inline constexpr Rgba kRed = Opaque(222, 72, 64);
inline constexpr Rgba kOrange = Opaque(242, 162, 40);

// Shared parts.
void PaintFolder(Painter& paint);
void PaintProgramsWindow(Painter& paint);
// A person's head and shoulders, head centred at head, ringed in white.
void PaintPerson(Painter& paint, Point head, Rgba colour);
// A round badge in the lower right corner with a white "go" triangle.
void PaintGoBadge(Painter& paint);

// Places.
void PaintComputer(Painter& paint);
void PaintFavourites(Painter& paint);
void PaintLibraries(Painter& paint);
void PaintDocuments(Painter& paint);
void PaintPictures(Painter& paint);
void PaintVideos(Painter& paint);
void PaintMusic(Painter& paint);

// Program folders and tools.
void PaintAllUsersPrograms(Painter& paint);
void PaintUserPrograms(Painter& paint);
void PaintAllUsersStartup(Painter& paint);
void PaintControlPanel(Painter& paint);
void PaintAdministrativeTools(Painter& paint);
void PaintTaskManager(Painter& paint);
void PaintSystemInformation(Painter& paint);

}  // namespace kelvara::resgen
