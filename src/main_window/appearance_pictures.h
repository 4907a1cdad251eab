#pragma once

// The bar pictures from the user's files.

#include "platform/pictures.h"

namespace kelvara {

class MainWindow;

// Each row's picture twin takes its file, or the plain bar shows.
void ApplyBarPictures(MainWindow& window, platform::Pictures& pictures);

}  // namespace kelvara
